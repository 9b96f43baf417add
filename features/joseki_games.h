#pragma once
// The games in which the selected joseki was played, and which of them the
// right board shows: the joseki's reference game first, then the others the
// collection lists, stepped through one game at a time. A game is read from
// the collection only when it is shown.

#include <QString>

#include "collection/joseki_record.h"

class JosekiGames {
 public:
  explicit JosekiGames(const QString& collectionFile) : collectionFile_(collectionFile) {}

  // The games of joseki, the first of them shown: the collection's list, which
  // begins with the reference, or the reference alone where the collection
  // lists none.
  void Choose(const JosekiRecord& joseki);

  // The game shown, or nullptr when the joseki has none.
  const GameReference* shown() const { return shownGame_.present ? &shownGame_ : nullptr; }
  bool hasPrevious() const { return shown_ > 0; }
  bool hasNext() const { return shown_ + 1 < count_; }
  // Shows the previous or next game; false (nothing changes) at either end.
  bool ShowPrevious();
  bool ShowNext();

  // 「実戦 3 / 254 局」: the game shown of all the games; 「実戦例なし」 without a game.
  QString CountText() const;

 private:
  void Show(int index);

  QString collectionFile_;
  QString josekiId_;
  GameReference reference_;
  int count_ = 0;
  int shown_ = 0;
  GameReference shownGame_;
};
