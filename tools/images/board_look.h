#pragma once
// The look shared by every board picture: the wood, the grid and where a
// point's lines cross inside a 23 x 23 image. Column 0 of an image is never
// shown; columns 1..22 and rows 0..22 fill a 22 x 23 board cell.

#include <QColor>
#include <QImage>
#include <QPointF>

namespace board_look {

constexpr int kImageSize = 23;
// The point's lines: with 22 visible columns the vertical line cannot sit on
// the exact middle, so it takes the right one of the two middle columns.
constexpr int kLineX = 12;
constexpr int kLineY = 11;
// Stones and marks centre on the crossing pixel.
inline QPointF PointCentre() {
  return {kLineX + 0.5, kLineY + 0.5};
}

QColor Wood();
QColor GridLine();

// Which arms of the cross a point has; an edge point lacks the arm outside.
struct Arms {
  bool up = true;
  bool down = true;
  bool left = true;
  bool right = true;
};

// A 23 x 23 image filled with wood.
QImage BlankCell();
// Draws the one-pixel lines of a point crossing at (lineX, lineY), each arm
// reaching the image's edge.
void DrawGrid(QImage& image, const Arms& arms, int lineX = kLineX, int lineY = kLineY);
// Wood with the full cross of an inner point.
QImage InnerPointCell();

}  // namespace board_look
