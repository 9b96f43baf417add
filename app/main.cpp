// Starts the program: the menu window opens, the rest follows from its buttons.
#include <QApplication>
#include <QStyleFactory>

#include "shell/fonts.h"
#include "shell/form1.h"
#include "shell/message_box.h"
#include "shell/program_folder.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(u"囲碁定石集"_qs);
  QApplication::setStyle(QStyleFactory::create(u"Fusion"_qs));
  ProgramFolder::SetRoot(QApplication::applicationDirPath());
  InstallFontSubstitutes();
  MessageBoxSink messages;
  SetMessageSink(&messages);
  auto* menu = new Form1();
  menu->show();
  const int result = app.exec();
  SetMessageSink(nullptr);
  return result;
}
