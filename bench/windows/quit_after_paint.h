#pragma once
// For the start-up timing programs: ends the event loop once the watched
// window has been painted, so that a timer outside sees start to first paint.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

class QuitAfterPaint : public QObject {
 protected:
  // Quits on the next turn of the loop, after the paint has been flushed.
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    return false;
  }
};
