// The program: the menu window opens, the rest follows from its buttons.
#include <QApplication>

#include "shell/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  StartProgram(app);
  return app.exec();
}
