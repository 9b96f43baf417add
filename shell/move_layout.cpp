#include "shell/move_layout.h"

int TenukiPlacer::Row(QChar c) {
  if (c != kTenuki) return CoordValue(c);
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

int TenukiPlacer::Column(QChar c) {
  if (c != kTenuki) return CoordValue(c);
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
