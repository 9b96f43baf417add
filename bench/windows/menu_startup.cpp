// Cold start to a painted menu, for timing the whole process from outside
// (e.g. hyperfine under Xvfb, beside empty_window): starts as the program does
// and quits once the menu window has been painted.
#include <QApplication>

#include "quit_after_paint.h"
#include "windows/file_chooser.h"
#include "windows/menu_window.h"
#include "windows/message_box.h"
#include "windows/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QuitAfterPaint quit;
  MessageBoxSink messages;
  DialogFileChooser files;
  MenuWindow* menu = StartProgram(app, messages, files);
  menu->installEventFilter(&quit);
  return app.exec();
}
