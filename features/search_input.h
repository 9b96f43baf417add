#pragma once
// Entering a search sequence with clicks on the right board. Each accepted
// click adds a stone to the search texts and draws it numbered; nothing goes
// into a count board and no rule of play applies, so a redraw rebuilds the
// right board from the sequence text.

#include <QString>

#include "collection/section.h"
#include "collection/stone_sequence.h"
#include "pictures/board_renderer.h"
#include "rules/point.h"

// The search sequence and its mirror, the mirror with row and column
// swapped. A search compares both with the stored joseki.
struct SearchTexts {
  Sequence sequence;
  Sequence mirror;
};

class SearchInput {
 public:
  explicit SearchInput(BoardRenderer& board) : board_(board) {}

  // Marks the tenuki cells and the section's allowed first points on the
  // right board as it stands (a mark that cannot be read is left out).
  void DrawInputMarks(Section section);

  enum class Placed { kRefusedFirstStone, kAdded };
  // Takes point p of the right board (a tenuki cell: a move elsewhere) as
  // stone stoneCount + 1: appends it to texts and draws it. Stone 1 must
  // stand on one of the section's first points (the count is then raised,
  // the texts untouched).
  Placed Place(Point p, Section section, SearchTexts& texts, int& stoneCount);

  // Draws the stones of sequence, numbered from stoneCount + 1; moves
  // elsewhere go to the tenuki cells from the left, whichever cell was clicked.
  void DrawSequence(const Sequence& sequence, int& stoneCount);

 private:
  void DrawStone(int number, Point p);

  BoardRenderer& board_;
};
