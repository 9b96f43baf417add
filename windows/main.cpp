// The program: the menu window opens, the rest follows from its buttons.
#include <QApplication>

#include "windows/message_box.h"
#include "windows/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  MessageBoxSink messages;
  StartProgram(app, messages);
  return app.exec();
}
