#include "shell/startup.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QStyleFactory>

#include "shell/fonts.h"
#include "shell/form1.h"
#include "shell/message_box.h"
#include "shell/program_folder.h"
#include "shell/window_pictures.h"

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {48, 128})
    icon.addPixmap(QPixmap::fromImage(WindowPicture(u"icon-%1.pixels"_qs.arg(size))));
  return icon;
}

Form1* StartProgram(QApplication& app) {
  QApplication::setApplicationDisplayName(u"囲碁定石集"_qs);
  // Every window shows the icon; the desktop matches the windows to the entry.
  QApplication::setWindowIcon(ProgramIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
  QApplication::setStyle(QStyleFactory::create(u"Fusion"_qs));
  ProgramFolder::SetRoot(app.applicationDirPath());
  InstallFontSubstitutes();
  static MessageBoxSink messages;
  SetMessageSink(&messages);
  auto* menu = new Form1();
  menu->show();
  return menu;
}
