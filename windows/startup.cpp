#include "windows/startup.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QStyleFactory>

#include "pictures/window_pictures.h"
#include "windows/fonts.h"
#include "windows/menu_window.h"

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {48, 128})
    icon.addPixmap(QPixmap::fromImage(WindowPicture(u"icon-%1.pixels"_qs.arg(size))));
  return icon;
}

MenuWindow* StartProgram(QApplication& app, MessageSink& messages, FileChooser& files) {
  QApplication::setApplicationDisplayName(u"囲碁定石集"_qs);
  // Every window shows the icon; the desktop matches the windows to the entry.
  QApplication::setWindowIcon(ProgramIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
  QApplication::setStyle(QStyleFactory::create(u"Fusion"_qs));
  InstallFontSubstitutes();
  auto* menu = new MenuWindow(ProgramFolder(QDir(app.applicationDirPath())), messages, files);
  menu->show();
  if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
    menu->OpenGame(arguments[1]);
  return menu;
}
