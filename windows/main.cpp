// The program: the menu window opens, the rest follows from its buttons.
#include <QApplication>

#include "windows/file_chooser.h"
#include "windows/message_box.h"
#include "windows/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  MessageBoxSink messages;
  DialogFileChooser files;
  StartProgram(app, messages, files);
  return app.exec();
}
