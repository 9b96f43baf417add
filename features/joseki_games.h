#pragma once
// The games in which the selected joseki was played, and which of them the
// right board shows: the joseki's reference game first, then the others the
// collection lists, stepped through one game at a time.

#include <QString>
#include <vector>

#include "collection/joseki_record.h"

class JosekiGames {
 public:
  // The games of joseki: its reference (when it has one), then every stored
  // game that is not the reference again. The first is shown.
  void Choose(const JosekiRecord& joseki, const std::vector<GameReference>& stored);

  // The game shown, or nullptr when the joseki has none.
  const GameReference* shown() const;
  int count() const { return int(games_.size()); }
  bool hasPrevious() const { return shown_ > 0; }
  bool hasNext() const { return shown_ + 1 < games_.size(); }
  // Shows the previous or next game; false (nothing changes) at either end.
  bool ShowPrevious();
  bool ShowNext();

  // 「実戦 N 局」, or 「実戦例なし」 without a game.
  QString CountText() const;

 private:
  std::vector<GameReference> games_;
  size_t shown_ = 0;
};
