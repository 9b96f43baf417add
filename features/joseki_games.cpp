#include "features/joseki_games.h"

#include <algorithm>

#include "collection/collection_store.h"
#include "collection/record_parsing.h"

void JosekiGames::Choose(const JosekiRecord& joseki) {
  josekiId_ = joseki.id;
  reference_ = joseki.game;
  count_ = std::max(CountJosekiGames(collectionFile_, josekiId_), reference_.present ? 1 : 0);
  Show(0);
}

// Game 0 is the joseki's own reference, already read with its record.
void JosekiGames::Show(int index) {
  shown_ = index;
  if (index == 0 && reference_.present) {
    shownGame_ = reference_;
    return;
  }
  const std::optional<JosekiOccurrence> occurrence =
      ReadJosekiGame(collectionFile_, josekiId_, index);
  shownGame_ = occurrence ? occurrence->game : GameReference{};
}

bool JosekiGames::ShowPrevious() {
  if (!hasPrevious()) return false;
  Show(shown_ - 1);
  return true;
}

bool JosekiGames::ShowNext() {
  if (!hasNext()) return false;
  Show(shown_ + 1);
  return true;
}

QString JosekiGames::CountText() const {
  return count_ == 0 ? u"実戦例なし"_qs : u"実戦 %1 / %2 局"_qs.arg(shown_ + 1).arg(count_);
}
