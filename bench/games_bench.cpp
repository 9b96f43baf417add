// Finding every game each joseki of the shipped collection was played in, as
// a build does (reading the records included): over the games of data/games,
// and over every game of the folder JOSEKI_SHARED_GAMES when it is set.
#include <benchmark/benchmark.h>

#include <QString>

#include "collection_builder/collection_build.h"
#include "collection_builder/game_folder.h"
#include "collection_builder/game_occurrences.h"

namespace {

const std::vector<Joseki>& ShippedJoseki() {
  static const LoadedCollection loaded = LoadCollection(QStringLiteral(SOURCE_DIR "/data"));
  return loaded.joseki;
}

void FindOccurrencesInFolder(benchmark::State& state, const QString& dir) {
  const std::vector<Joseki>& joseki = ShippedJoseki();
  size_t games = 0, occurrences = 0;
  for (auto _ : state) {
    const GameFolder folder = ReadGameFolder(dir);
    games = folder.games.size();
    occurrences = 0;
    for (const auto& list : FindOccurrences(joseki, folder.games)) occurrences += list.size();
  }
  state.counters["games"] = static_cast<double>(games);
  state.counters["occurrences"] = static_cast<double>(occurrences);
}

const bool kRegistered = [] {
  benchmark::RegisterBenchmark("BM_FindOccurrencesInDataGames", FindOccurrencesInFolder,
                               QStringLiteral(SOURCE_DIR "/data/games"))
      ->Unit(benchmark::kMillisecond);
  const QString shared = qEnvironmentVariable("JOSEKI_SHARED_GAMES");
  if (!shared.isEmpty())
    benchmark::RegisterBenchmark("BM_FindOccurrencesInSharedGames", FindOccurrencesInFolder, shared)
        ->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace
