// Cold start to a painted menu, for timing the whole process from outside
// (e.g. hyperfine under Xvfb, beside empty_window): starts as the program does
// and quits once the menu window has been painted.
#include <QApplication>

#include "quit_after_paint.h"
#include "shell/form1.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QuitAfterPaint quit;
  Form1* menu = StartProgram(app);
  menu->installEventFilter(&quit);
  return app.exec();
}
