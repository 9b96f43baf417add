#include "features/joseki_games.h"

void JosekiGames::Choose(const JosekiRecord& joseki, const std::vector<GameReference>& stored) {
  games_.clear();
  shown_ = 0;
  if (joseki.game.present) games_.push_back(joseki.game);
  for (const GameReference& game : stored)
    if (game.present && game != joseki.game) games_.push_back(game);
}

const GameReference* JosekiGames::shown() const {
  return games_.empty() ? nullptr : &games_[shown_];
}

bool JosekiGames::ShowPrevious() {
  if (!hasPrevious()) return false;
  --shown_;
  return true;
}

bool JosekiGames::ShowNext() {
  if (!hasNext()) return false;
  ++shown_;
  return true;
}

QString JosekiGames::CountText() const {
  return games_.empty() ? u"実戦例なし"_qs : u"実戦 %1 局"_qs.arg(games_.size());
}
