#include "windows/startup.h"

#include <QApplication>
#include <QStyleFactory>

#include "windows/fonts.h"
#include "windows/menu_window.h"

MenuWindow* StartProgram(QApplication& app, MessageSink& messages) {
  QApplication::setApplicationDisplayName(u"囲碁定石集"_qs);
  QApplication::setStyle(QStyleFactory::create(u"Fusion"_qs));
  InstallFontSubstitutes();
  auto* menu = new MenuWindow(ProgramFolder(QDir(app.applicationDirPath())), messages);
  menu->show();
  return menu;
}
