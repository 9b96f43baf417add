#pragma once
// The fixed texts, pictures and first-move points of the search input and the
// search: what each section accepts as the first stone and what the user is
// told about a search.

#include <QString>
#include <span>

struct BoardPoint {
  int column;
  int row;
};

// Points where stone 1 may stand in a section; empty where any point goes.
std::span<const BoardPoint> FirstMovePoints(int sectionCode);
// Whether stone 1 may stand at (column, row) of the right board in the section.
bool IsAllowedFirstMove(int sectionCode, int column, int row);
// The message for a refused first stone; empty for a section without a rule.
QString FirstMoveMessage(int sectionCode);

// The three cells of row 10 at columns 17 to 19 stand for a move played elsewhere.
inline bool IsTenukiCell(int column, int row) {
  return row == 10 && column > 16 && column <= 19;
}
// Top-left corners, in Master, of the marks drawn on the three tenuki cells.
inline constexpr int kTenukiMarkXs[] = {795, 817, 839};
inline constexpr int kTenukiMarkY = 211;

// Program paths of the pictures the search input draws.
QString InputStonePicture(int number);  // numbered stone number (odd black, even white)
QString TenukiMarkPicture();
QString FirstMoveMarkPicture();

// Message texts of the search.
QString NoSearchInputMessage();
QString SequenceTooShortMessage();
QString NoSequenceToShowMessage();
// Nothing found after dropping droppedStones stones (0: none dropped).
QString NotFoundMessage(int droppedStones);
// A row found after dropping droppedStones stones (0: none dropped).
QString FoundMessage(int droppedStones);
