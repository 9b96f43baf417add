#pragma once
// The eight symmetries of the board and the corner regions the game search uses.

#include <algorithm>
#include <vector>

#include "collection_builder/joseki.h"
#include "rules/board_state.h"
#include "rules/board_symmetry.h"

inline constexpr int kSymmetries = Symmetry::kCount;

// Symmetry s (its code, rules/board_symmetry.h) applied to a point of a
// joseki or a game. A tenuki stays a tenuki.
inline BoardPoint Transform(const BoardPoint& p, int s) {
  if (p.IsTenuki()) return p;
  const Point t = Symmetry(s)({p.column, p.row});
  return {t.column, t.row};
}

// A rectangle of points, bounds included.
struct Region {
  int minColumn = kBoardSize + 1, maxColumn = 0, minRow = kBoardSize + 1, maxRow = 0;

  void Include(const BoardPoint& p) {
    if (p.IsTenuki()) return;
    minColumn = std::min(minColumn, p.column);
    maxColumn = std::max(maxColumn, p.column);
    minRow = std::min(minRow, p.row);
    maxRow = std::max(maxRow, p.row);
  }
  // The region grown by margin on every side, kept on the board.
  Region Grown(int margin) const {
    return {std::max(1, minColumn - margin), std::min(kBoardSize, maxColumn + margin),
            std::max(1, minRow - margin), std::min(kBoardSize, maxRow + margin)};
  }
  bool Contains(const BoardPoint& p) const {
    return p.column >= minColumn && p.column <= maxColumn && p.row >= minRow && p.row <= maxRow;
  }
};

// How far beyond a joseki's stones a game move must be to count as played elsewhere.
inline constexpr int kTenukiDistance = 4;
// How far around each point of a joseki the game's board must be empty when it begins.
inline constexpr int kCleanMargin = 2;

// True when the game move p is far enough from the joseki's region to stand for a tenuki.
inline bool IsElsewhere(const BoardPoint& p, const Region& josekiRegion) {
  return !josekiRegion.Grown(kTenukiDistance).Contains(p);
}
