// Walking through the selected joseki on the left board, one move per click.
#include "collection/stone_images.h"
#include "shell/board_window.h"
#include "shell/move_layout.h"

void BoardWindow::Command6_Click() {
  ResetLeftBoard();
  LeftMoveCount = 0;
  TenukiPlacer placer(TenukiRule::kWalkSetup);
  try {
    LayOutMoves(ShownSetup, placer, [this](int row, int column, int) {
      ++LeftMoveCount;
      MoveY = row;
      MoveX = column;
      StoneColour = LeftMoveCount % 2 != 0 ? 1 : 2;
      DrawImage(PlainStoneImage(StoneColour), LeftCellX(column), CellY(row));
      canvas.Refresh();
      LastMoveY = row;
      LastMoveX = column;
      LeftCounts.at(column, row) = int16_t(StoneColour);
      AddStoneCounts(Side::kLeft);  // given stones never capture
    });
  } catch (const std::runtime_error&) {
    // a bad given stone ends the layout; the markers still follow
  }
  DrawMarkers();
  LeftMoveCount = 0;
  NextMoveIndex = 0;
  WalkPreviousY = 0;
}

void BoardWindow::Command5_Click() {
  const int k = ++NextMoveIndex;
  const QString& moves = ShownMoves;
  if (k > moves.size() / 3) return;
  TenukiPlacer placer(TenukiRule::kWalkNext, ElsewhereCount);
  const int row = placer.Row(moves[3 * k - 3]);
  const int column = placer.Column(moves[3 * k - 2]);
  ElsewhereCount = placer.count();
  if (k == 1) WalkPreviousY = 0;
  const bool white = k % 2 != 0;
  StoneColour = LeftMoveCount = white ? 2 : 1;
  try {
    DrawImage(white ? u"\\fld2\\zshirored.gif"_qs : u"\\fld2\\zkurored.gif"_qs, LeftCellX(column),
              CellY(row));
    canvas.Refresh();
    // Only the walk's own previous stone loses its red mark: other boards'
    // placements move LastMoveX/LastMoveY elsewhere.
    if (WalkPreviousY > 0) {
      DrawImage(PlainStoneImage(white ? 1 : 2), LeftCellX(WalkPreviousX), CellY(WalkPreviousY));
      canvas.Refresh();
    }
    LastMoveY = MoveY = WalkPreviousY = row;
    LastMoveX = MoveX = WalkPreviousX = column;
    LeftCounts.at(column, row) = int16_t(StoneColour);
    AddStoneCounts(Side::kLeft);
    CaptureCheck(Side::kLeft);
  } catch (const std::runtime_error&) {
    // A move off the board is not placed; a last move still ends the walk, so
    // that the next click starts again instead of waiting for 手順表示開始.
  }
  if (k == moves.size() / 3) {
    controls.Image1Visible = true;
    NextMoveIndex = 0;
    controls.Timer2Enabled = true;
  }
}
