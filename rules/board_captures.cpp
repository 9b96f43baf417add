// Captures on the board window's two boards, with the redraw of removed stones.
#include "board/board_tiles.h"
#include "rules/captures.h"
#include "shell/board_window.h"

void BoardWindow::AddStoneCounts(Side side) {
  ::AddStoneCounts(Counts(side), MoveX, MoveY, int16_t(StoneColour));
}

void BoardWindow::CaptureCheck(Side side) {
  const int moveCount = side == Side::kLeft ? LeftMoveCount : RightMoveCount;
  ::CaptureCheck(Counts(side), MoveX, MoveY, int16_t(StoneColour), moveCount,
                 [this, side](int column, int row) { RedrawEmptyPoint(side, column, row); });
}

void BoardWindow::RedrawEmptyPoint(Side side, int column, int row) {
  const int x = side == Side::kLeft ? LeftCellX(column) : RightCellX(column);
  try {
    DrawImage(TileForPoint(column, row), x, CellY(row));
  } catch (const ImageLoadError&) {
    // the point stays unpainted; the capture goes on
  }
  canvas.Refresh();
}
