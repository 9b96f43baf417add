#pragma once
// Where the stones of a stored sequence go. A move played elsewhere (tenuki)
// is drawn at the right edge of the diagram; each display places such stones
// by its own rule, and the rules differ only in where the stone goes.

#include <vector>

#include "rules/move_encoding.h"

enum class TenukiRule {
  kRecord,        // joseki diagram: row 10; columns 19, 18, then 17 for every later one
  kWalkSetup,     // given stones of the walk: column 19; row 10 first, 11 for every later one
  kWalkNext,      // walk, one move per click: row 10; columns 18, 19 (count resets), 18 ...
  kSearchRedraw,  // search sequence redrawn: row 10; columns 17, 18, then 19 for every later one
};

// Turns stored moves into points, placing tenuki by the rule; the count of
// tenuki met runs over every move given to one placer.
class TenukiPlacer {
 public:
  explicit TenukiPlacer(TenukiRule rule, int count = 0) : rule_(rule), count_(count) {}
  // The point of move (row decoded before column, as the rules count).
  Point Place(StoredMove move);
  int count() const { return count_; }

 private:
  int Row(int row);
  int Column(int column);

  TenukiRule rule_;
  int count_;
};

// Calls place(point, k) for the k-th move (k from 1) of moves.
template <class Place>
void LayOutMoves(const std::vector<StoredMove>& moves, TenukiPlacer& placer, Place&& place) {
  int k = 0;
  for (const StoredMove& move : moves) place(placer.Place(move), ++k);
}
