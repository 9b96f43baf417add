#include "rules/move_layout.h"

Point TenukiPlacer::Place(StoredMove move) {
  const int row = Row(move.row);
  return {Column(move.column), row};
}

int TenukiPlacer::Row(int row) {
  if (row != kElsewhere) return row;
  switch (rule_) {
    case TenukiRule::kWalkSetup:
      return ++count_ == 1 ? 10 : 11;
    case TenukiRule::kWalkNext:
      ++count_;
      return 10;
    default:
      return 10;
  }
}

int TenukiPlacer::Column(int column) {
  if (column != kElsewhere) return column;
  switch (rule_) {
    case TenukiRule::kRecord:
      ++count_;
      return count_ == 1 ? 19 : count_ == 2 ? 18 : 17;
    case TenukiRule::kSearchRedraw:
      ++count_;
      return count_ == 1 ? 17 : count_ == 2 ? 18 : 19;
    case TenukiRule::kWalkSetup:
      return 19;
    case TenukiRule::kWalkNext:
      if (count_ == 1) return 18;
      if (count_ == 2) {
        count_ = 0;
        return 19;
      }
      return 17;
  }
  return 0;
}
