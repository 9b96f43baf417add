#pragma once
// The program's icon: a board corner with two stones on rounded wood, drawn
// with vector operations only so that one drawing gives the SVG and every PNG.

#include <QPainter>

namespace app_icon {

// The drawing's own square, in units; a painter scaled by size / kUnits fills
// a size x size device.
constexpr int kUnits = 128;

// Draws the icon into the kUnits x kUnits square of painter's coordinates.
void Paint(QPainter& painter);

}  // namespace app_icon
