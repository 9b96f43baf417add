// Cold start to a painted menu, for timing the whole process from outside
// (e.g. hyperfine under Xvfb): starts as the program does and quits once the
// menu window has been painted.
#include <QApplication>
#include <QTimer>

#include "windows/menu_window.h"
#include "windows/message_box.h"
#include "windows/startup.h"

namespace {
class QuitAfterPaint : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return false;
  }
};
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QuitAfterPaint quit;
  MessageBoxSink messages;
  MenuWindow* menu = StartProgram(app, messages);
  menu->installEventFilter(&quit);
  return app.exec();
}
