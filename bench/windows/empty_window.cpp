// The yardstick for menu_startup: an empty Qt window of the menu's size,
// started and ended the same way, so the pair shows what our start-up adds
// to the toolkit's own. Time both in one run under Xvfb, e.g.
//   xvfb-run -a hyperfine -N --warmup 3 --runs 40 build/startup/empty_window build/startup/menu_startup
#include <QApplication>
#include <QWidget>

#include "quit_after_paint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QuitAfterPaint quit;
  QWidget window;
  window.setFixedSize(512, 383);
  window.installEventFilter(&quit);
  window.show();
  return app.exec();
}
