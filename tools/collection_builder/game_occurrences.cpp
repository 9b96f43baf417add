#include "collection_builder/game_occurrences.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <tuple>

#include "collection_builder/game_reference.h"

namespace {

// The games' indexes by year (undated last), then path.
std::vector<size_t> ChronologicalOrder(const std::vector<GameRecord>& games) {
  std::vector<size_t> order(games.size());
  std::iota(order.begin(), order.end(), size_t{0});
  auto key = [&](size_t i) {
    const int year = games[i].Year();
    return std::make_tuple(year > 0 ? year : 9999, std::cref(games[i].path));
  };
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return key(a) < key(b); });
  return order;
}

// One place per joseki played in the game, chosen as FindJosekiInGame chooses.
std::map<size_t, Occurrence> PlacesInGame(const JosekiScanner& scanner, const GameRecord& game) {
  std::map<size_t, Occurrence> chosen;
  scanner.Scan(game, [&](size_t j, const Occurrence& o) {
    const auto [it, added] = chosen.try_emplace(j, o);
    if (!added && it->second.staysLocal && !o.staysLocal) it->second = o;
  });
  return chosen;
}

}  // namespace

OccurrenceLists FindOccurrences(const std::vector<Joseki>& joseki,
                                const std::vector<GameRecord>& games) {
  const JosekiScanner scanner(joseki);
  OccurrenceLists lists(joseki.size());
  for (const size_t g : ChronologicalOrder(games)) {
    if (!HasKanjiHeading(games[g])) continue;
    for (const auto& [j, place] : PlacesInGame(scanner, games[g])) lists[j].push_back({g, place});
  }
  return lists;
}

void PutReferenceFirst(std::vector<GameOccurrence>& list, size_t game, const Occurrence& place) {
  std::erase_if(list, [&](const GameOccurrence& o) { return o.game == game; });
  list.insert(list.begin(), {game, place});
}
