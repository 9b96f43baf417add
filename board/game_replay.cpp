// The game of the selected joseki on the right board: plain stones outside the
// joseki's move range, numbered stones inside it, captures as they happen.
#include "collection/stone_images.h"
#include "shell/board_window.h"
#include "shell/move_encoding.h"

void BoardWindow::PlaceGameMove(int k, int& numbered, bool numberingBeginsWithWhite,
                                bool keepPatternOnError) {
  StoneColour = k % 2 != 0 ? 1 : 2;
  const bool inJoseki = FirstGameMove <= k && k <= LastGameMove;
  const QString image = inJoseki ? GameNumberImage(++numbered, numberingBeginsWithWhite)
                                 : PlainStoneImage(StoneColour);
  try {
    canvas.LoadPattern(image);
  } catch (const ImageLoadError&) {
    if (!keepPatternOnError) throw;  // else the stone is drawn with the picture before
  }
  canvas.DrawCell(RightCellX(MoveX), CellY(MoveY));
  canvas.Refresh();
  RightCounts.at(MoveX, MoveY) = int16_t(StoneColour);
  LastMoveY = MoveY;
  LastMoveX = MoveX;
  AddStoneCounts(Side::kRight);
  CaptureCheck(Side::kRight);
}

void BoardWindow::ReplayGameTo(int target) {
  const bool beginsWithWhite = FirstGameMove % 2 == 0;
  RightMoveCount = 0;
  int numbered = 0;
  for (int i = 0; i < 2 * target; i += 2) {
    ++RightMoveCount;
    MoveY = CoordValue(CharAt(GameMoves, i));
    MoveX = CoordValue(CharAt(GameMoves, i + 1));
    if (!BoardState::IsPoint(MoveX, MoveY)) continue;  // not a move: skipped
    PlaceGameMove(RightMoveCount, numbered, beginsWithWhite, true);
  }
}

void BoardWindow::ShowGameRecord() {
  try {
    ResetRightBoard();
    if (LastGameMove < 0) throw std::range_error("negative move range");
    const bool beginsWithWhite = FirstGameMove % 2 == 0;
    const QString moves = GameMoves.left(2 * LastGameMove);
    RightMoveCount = 0;
    int numbered = 0;
    for (qsizetype i = 0; i < moves.size(); i += 2) {
      ++RightMoveCount;
      MoveY = CoordValue(moves[i]);
      MoveX = CoordValue(CharAt(moves, i + 1));
      if (MoveY == 0 || MoveX == 0) {
        controls.Label1.clear();  // a game that breaks off keeps what was drawn
        return;
      }
      PlaceGameMove(RightMoveCount, numbered, beginsWithWhite, false);
    }
    SetGameButtonsEnabled(true);
    LeftMoveCount = 0;
  } catch (const std::exception&) {
    ResetRightBoard();
  }
}
