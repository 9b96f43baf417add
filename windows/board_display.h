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
  // A context menu asked for at position (of the picture) and globalPosition.
  std::function<void(QPoint position, QPoint globalPosition)> onContextMenu;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  Canvas& canvas_;
  bool releaseEndsDoubleClick_ = false;
};
