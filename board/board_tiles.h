#pragma once
// Which board tile the empty board shows at a point.

#include <QString>

// The tile image ("\fld2\…23.jpg") of point (column, row), 1..19 each.
QString TileForPoint(int column, int row);
