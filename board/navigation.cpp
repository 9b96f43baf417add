// Stepping through the game on the right board, and the two label buttons.
#include "shell/board_window.h"

namespace {
constexpr double kLargeFont = 14;
constexpr double kSmallFont = 11;
}  // namespace

void BoardWindow::StepRightBoard() {
  ResetRightBoard();
  ReplayGameTo(TargetMove);
}

void BoardWindow::ShowEndNotice(bool leftBoard) {
  (leftBoard ? controls.Image1Visible : controls.Image2Visible) = true;
  controls.Timer2Enabled = true;
}

void BoardWindow::Command22_Click() {
  if (ShownReference.isEmpty()) return;
  TargetMove = 1;
  StepRightBoard();
}

void BoardWindow::Command20_Click() {
  if (ShownReference.isEmpty()) return;
  TargetMove = RightMoveCount - 1;
  if (TargetMove == 0) TargetMove = 1;
  StepRightBoard();
}

void BoardWindow::Command21_Click() {
  if (ShownReference.isEmpty()) return;
  TargetMove = std::max(RightMoveCount - 5, 1);
  StepRightBoard();
}

// Forward by moves, or the end notice when the game has fewer moves left.
void BoardWindow::StepForward(int moves) {
  if (ShownReference.isEmpty()) return;
  TargetMove = RightMoveCount + moves;
  if (TargetMove <= GameMoves.size() / 2)
    StepRightBoard();
  else
    ShowEndNotice(false);
}

void BoardWindow::Command3_Click() { StepForward(1); }

void BoardWindow::Command17_Click() { StepForward(5); }

void BoardWindow::Command2_Click() {
  if (GameMoves.isEmpty()) return;
  TargetMove = std::min<int>(LastGameMove, GameMoves.size() / 2);
  StepRightBoard();
}

void BoardWindow::Command12_Click() { ShowJoseki(); }

void BoardWindow::Command13_Click() {
  const double size = controls.Label2FontSize > 12 ? kSmallFont : kLargeFont;
  controls.Label2FontSize = size;
  controls.Label1FontSize = size;
}

void BoardWindow::Timer2_Timer() {
  controls.Timer2Enabled = false;
  controls.Image1Visible = false;
  controls.Image2Visible = false;
}
