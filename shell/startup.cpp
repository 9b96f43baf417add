#include "shell/startup.h"

#include <QApplication>
#include <QStyleFactory>

#include "shell/fonts.h"
#include "shell/form1.h"
#include "shell/message_box.h"
#include "shell/program_folder.h"

Form1* StartProgram(QApplication& app) {
  QApplication::setApplicationDisplayName(u"囲碁定石集"_qs);
  QApplication::setStyle(QStyleFactory::create(u"Fusion"_qs));
  ProgramFolder::SetRoot(app.applicationDirPath());
  InstallFontSubstitutes();
  static MessageBoxSink messages;
  SetMessageSink(&messages);
  auto* menu = new Form1();
  menu->show();
  return menu;
}
