#pragma once
// The drill's board: the left board of a canvas as of its last refresh;
// clicks are passed on at their position in the canvas.

#include <QWidget>
#include <functional>

class Canvas;

class DrillBoard : public QWidget {
  Q_OBJECT
 public:
  DrillBoard(Canvas& canvas, QWidget* parent);
  std::function<void(double x, double y)> onClick;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Canvas& canvas_;
};
