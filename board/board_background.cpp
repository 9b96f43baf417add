// Board resets: an empty count array and the board rebuilt from its tiles.
#include "shell/board_window.h"

namespace {
constexpr int kStarLines[] = {4, 10, 16};
}

void BoardWindow::DrawImage(const QString& programPath, int x, int y) {
  canvas.LoadPattern(programPath);
  canvas.DrawCell(x, y);
}

void BoardWindow::ResetLeftBoard() {
  ResetBoard(Side::kLeft);
}

void BoardWindow::ResetRightBoard() {
  ResetBoard(Side::kRight);
}

void BoardWindow::ResetBoard(Side side) {
  Counts(side).clear();
  // The walk's previous stone is gone with the picture it stood on.
  if (side == Side::kLeft) WalkPreviousY = 0;
  const auto x = [side](int column) {
    return side == Side::kLeft ? LeftCellX(column) : RightCellX(column);
  };
  const auto draw = [&](int column, int row) { canvas.DrawCell(x(column), CellY(row)); };
  try {
    // Each tile file is read once and copied into every cell that uses it;
    // the board is shown only when complete.
    canvas.LoadPattern(u"\\fld2\\cross23.jpg"_qs);
    for (int row = 2; row <= 18; ++row)
      for (int column = 2; column <= 18; ++column) draw(column, row);
    canvas.LoadPattern(u"\\fld2\\crossdot23.jpg"_qs);
    for (int row : kStarLines)
      for (int column : kStarLines) draw(column, row);
    DrawImage(u"\\fld2\\upleft23.jpg"_qs, x(1), CellY(1));
    DrawImage(u"\\fld2\\upright23.jpg"_qs, x(19), CellY(1));
    DrawImage(u"\\fld2\\bottomright23.jpg"_qs, x(19), CellY(19));
    DrawImage(u"\\fld2\\bottomleft23.jpg"_qs, x(1), CellY(19));
    canvas.LoadPattern(u"\\fld2\\top23.jpg"_qs);
    for (int column = 2; column <= 18; ++column) draw(column, 1);
    canvas.LoadPattern(u"\\fld2\\bottom23.jpg"_qs);
    for (int column = 2; column <= 18; ++column) draw(column, 19);
    canvas.LoadPattern(u"\\fld2\\left23.jpg"_qs);
    for (int row = 2; row <= 18; ++row) draw(1, row);
    canvas.LoadPattern(u"\\fld2\\right23.jpg"_qs);
    for (int row = 2; row <= 18; ++row) draw(19, row);
  } catch (const ImageLoadError&) {
    return;  // the cells not yet drawn keep their picture; nothing is shown
  }
  canvas.Refresh();
  if (side == Side::kRight) InputClosed = false;
}
