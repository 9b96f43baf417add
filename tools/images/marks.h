#pragma once
// Marks drawn over an empty point: letter labels, the two point marks and the
// two marks of the search input. Each carries the grid of an inner point.

#include <QChar>
#include <QImage>

namespace marks {

// The letter (a..e) with the grid cut away around it.
QImage Letter(QChar letter);
// The first point mark: a dark triangle.
QImage DarkTriangle();
// The second point mark: a white square with a dark rim.
QImage LightSquare();
// The mark of a point where the search sequence may begin: a red ring.
QImage AllowedFirstPoint();
// The mark of the tenuki cells. It is placed 3 pixels right of and 4 below its
// cell's corner, so its grid is shifted to meet the board's lines there.
QImage TenukiCell();

}  // namespace marks
