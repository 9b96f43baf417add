#include "board/board_tiles.h"

namespace {
bool IsStarLine(int line) { return line == 4 || line == 10 || line == 16; }
}  // namespace

QString TileForPoint(int column, int row) {
  const bool top = row == 1, bottom = row == 19, left = column == 1, right = column == 19;
  if (top && left) return u"\\fld2\\upleft23.jpg"_qs;
  if (top && right) return u"\\fld2\\upright23.jpg"_qs;
  if (bottom && left) return u"\\fld2\\bottomleft23.jpg"_qs;
  if (bottom && right) return u"\\fld2\\bottomright23.jpg"_qs;
  if (top) return u"\\fld2\\top23.jpg"_qs;
  if (left) return u"\\fld2\\left23.jpg"_qs;
  if (right) return u"\\fld2\\right23.jpg"_qs;
  if (bottom) return u"\\fld2\\bottom23.jpg"_qs;
  if (IsStarLine(column) && IsStarLine(row)) return u"\\fld2\\crossdot23.jpg"_qs;
  return u"\\fld2\\cross23.jpg"_qs;
}
