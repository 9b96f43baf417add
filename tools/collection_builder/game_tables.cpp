#include "collection_builder/game_tables.h"

#include "collection_builder/game_reference.h"

GameTables MakeGameTables(const OccurrenceLists& lists, const std::vector<GameRecord>& games) {
  std::vector<int> ids(games.size(), 0);
  for (const auto& list : lists)
    for (const GameOccurrence& o : list) ids[o.game] = 1;
  GameTables tables;
  for (size_t g = 0; g < games.size(); ++g) {
    if (ids[g] == 0) continue;
    ids[g] = static_cast<int>(tables.games.size()) + 1;
    tables.games.push_back({ids[g], GameHeading(games[g]), GameMovesText(games[g])});
  }
  for (size_t j = 0; j < lists.size(); ++j) {
    for (size_t k = 0; k < lists[j].size(); ++k) {
      const GameOccurrence& o = lists[j][k];
      tables.occurrences.push_back({static_cast<int>(j) + 1, static_cast<int>(k), ids[o.game],
                                    o.place.first, o.place.last, o.place.symmetry});
    }
  }
  return tables;
}
