#pragma once
// The eight symmetries of the board: the one home of turning and mirroring
// points, for the search input's mirror, the corners of a game read for joseki
// and the collection builder's game search alike.

#include "rules/point.h"

// A symmetry by its code 0..7 (the code the collection stores as a game's
// orientation): bit 0 mirrors the columns, bit 1 the rows, bit 2 exchanges
// column and row, applied before the mirrors. It maps any point, on the board
// or not, by those rules; callers decide what a point off the board means.
class Symmetry {
 public:
  static constexpr int kCount = 8;

  constexpr explicit Symmetry(int code = 0) : code_(code & (kCount - 1)) {}
  // Column and row exchanged: the mirror in the upper left corner's diagonal.
  static constexpr Symmetry Diagonal() { return Symmetry(kExchange); }
  // The one that brings the upper left corner to the corner on the right
  // and/or at the foot of the board.
  static constexpr Symmetry ToCorner(bool right, bool lower) {
    return Symmetry((right ? kMirrorColumns : 0) | (lower ? kMirrorRows : 0));
  }

  constexpr Point operator()(Point p) const {
    if (code_ & kExchange) p = {p.row, p.column};
    if (code_ & kMirrorColumns) p.column = kBoardSize + 1 - p.column;
    if (code_ & kMirrorRows) p.row = kBoardSize + 1 - p.row;
    return p;
  }

 private:
  static constexpr int kMirrorColumns = 1, kMirrorRows = 2, kExchange = 4;
  int code_;
};
