#pragma once
// The visible board picture: paints the canvas's picture as of its last
// refresh and passes clicks on with the position they were made at.

#include <QWidget>
#include <functional>

class Canvas;

class BoardDisplay : public QWidget {
  Q_OBJECT
 public:
  BoardDisplay(Canvas& canvas, QWidget* parent);
  std::function<void(double x, double y)> onClick;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  Canvas& canvas_;
  bool releaseEndsDoubleClick_ = false;
};
