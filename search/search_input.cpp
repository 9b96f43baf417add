// Entering a search sequence by clicking the right board: each accepted click
// extends Text6 and its mirror Text7 and draws the numbered stone. Nothing goes
// into a count array and no rule of play applies.
#include <algorithm>
#include <cmath>

#include "search/search_texts.h"
#include "shell/board_window.h"
#include "shell/messages.h"
#include "shell/module1.h"
#include "shell/move_encoding.h"

namespace {

constexpr int kRightBoardColumnOffset = 20;  // Display column of the right board's column 0

// Draws stone number on the right board and shows it. A picture that cannot be
// read ends the placement with nothing drawn; the sequence stays as it is.
void DrawInputStone(BoardWindow& window, int number, int column, int row) {
  try {
    window.DrawImage(InputStonePicture(number), RightCellX(column), CellY(row));
  } catch (const ImageLoadError&) {
    return;
  }
  window.canvas.Refresh();
}

// Whole-number pixel position as the mouse reports it (halves go to even); far
// outside the picture only needs to stay outside it.
int PixelOf(double value) {
  return std::isfinite(value) ? int(std::nearbyint(std::clamp(value, -1e6, 1e6))) : 0;
}

}  // namespace

void BoardWindow::Display_MouseMove(double x, double y) {
  InputColumn = PixelOf(x) / Canvas::kCellWidth + 1;
  InputRow = PixelOf(y) / Canvas::kCellHeight + 1;
}

void BoardWindow::Display_Click() {
  if (InputClosed) return;
  const int column = InputColumn - kRightBoardColumnOffset;
  const int row = InputRow;
  if (!BoardState::IsPoint(column, row)) return;  // left board, the strip, or outside

  const bool tenuki = IsTenukiCell(column, row);
  const QChar rowChar = tenuki ? kTenuki : CoordChar(row);
  const QChar columnChar = tenuki ? kTenuki : CoordChar(column);
  const int number = ++LeftMoveCount;
  if (number == 1 && !IsAllowedFirstMove(Module1::SectionCode, column, row)) {
    ShowMessage(FirstMoveMessage(Module1::SectionCode));
    ResetRightBoard();
    LeftMoveCount = 0;
    SetText6(QString());
    SetText7(QString());
    return;
  }
  const QChar tag = tenuki ? kTenuki : number % 2 != 0 ? QChar(u'2') : QChar(u'1');
  SetText6(controls.Text6 + rowChar + columnChar + tag);
  SetText7(controls.Text7 + columnChar + rowChar + tag);
  DrawInputStone(*this, number, column, row);
}

void BoardWindow::PlaceInputStone(int row, int column) {
  const int number = ++LeftMoveCount;
  DrawInputStone(*this, number, column, row);
}

void BoardWindow::SetText6(const QString& text) {
  if (controls.Text6 == text) return;
  controls.Text6 = text;
  Text6_Change();
}

void BoardWindow::Text6_Change() {
  SetGameButtonsEnabled(false);
}
