// The commands that start, redraw, shorten, extend and end the search input.
// The input keeps no board array, so every redraw rebuilds the right board
// from the text of Text6.
#include "search/search_texts.h"
#include "shell/board_window.h"
#include "shell/messages.h"
#include "shell/module1.h"
#include "shell/move_layout.h"

namespace {

// Draws one mark and leaves a picture that cannot be read out, so that input
// still opens with the marks that could be drawn.
void DrawMark(BoardWindow& window, const QString& picture, int x, int y) {
  try {
    window.DrawImage(picture, x, y);
  } catch (const ImageLoadError&) {
  }
}

// Draws the stones of sequence numbered from LeftMoveCount + 1; tenuki go to
// the tenuki cells from the left, whichever cell was clicked.
void DrawSequence(BoardWindow& window, const QString& sequence) {
  TenukiPlacer placer(TenukiRule::kSearchRedraw);
  LayOutMoves(sequence, placer,
              [&](int row, int column, int) { window.PlaceInputStone(row, column); });
}

}  // namespace

void BoardWindow::Command1_Click() {
  ResetRightBoard();
  SetGameButtonsEnabled(false);
  for (const int x : kTenukiMarkXs) DrawMark(*this, TenukiMarkPicture(), x, kTenukiMarkY);
  for (const BoardPoint& point : FirstMovePoints(Module1::SectionCode)) {
    DrawMark(*this, FirstMoveMarkPicture(), RightCellX(point.column), CellY(point.row));
  }
  canvas.Refresh();
  SetText6(QString());
  SetText7(QString());
  LeftMoveCount = 0;
  InputClosed = false;
}

void BoardWindow::Command8_Click() {
  RedisplaySearchSequence();
  InputClosed = false;
}

void BoardWindow::RedisplaySearchSequence() {
  if (controls.Text6.isEmpty()) {
    ShowMessage(NoSequenceToShowMessage());
    return;
  }
  const QString sequence = controls.Text6;
  const QString mirror = controls.Text7;
  LeftMoveCount = 0;
  Command1_Click();
  SetText6(sequence);
  SetText7(mirror);
  DrawSequence(*this, sequence);
}

void BoardWindow::Command9_Click() {
  // Without a whole stone in both texts there is nothing to take back.
  if (controls.Text6.size() < 3 || controls.Text7.size() < 3) return;
  const QString sequence = controls.Text6.chopped(3);
  const QString mirror = controls.Text7.chopped(3);
  LeftMoveCount = 0;
  Command1_Click();
  SetText6(sequence);
  SetText7(mirror);
  DrawSequence(*this, sequence);
}

void BoardWindow::Command10_Click() {
  LeftMoveCount = int(controls.Text6.size() / 3);
  InputClosed = false;
}

void BoardWindow::Command11_Click() {
  InputClosed = false;
  ReadGameReference();
}
