// The corner position index: a position looked up with its continuations
// listed and search by position, both over every position of every row of
// the shipped collection (p95 as a counter, in ms); and the index build from
// the data folder.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>

#include "bench/bench_support.h"
#include "collection/corner_index_db.h"
#include "collection/corner_index_reader.h"
#include "collection_builder/collection_build.h"
#include "collection_builder/corner_index_build.h"

namespace {

const QString kDataDir = QStringLiteral(SOURCE_DIR "/data");

// The board after every stage of every row (the rows lie in the upper left).
const std::vector<std::pair<BoardState, Colour>>& RowStages() {
  static const auto stages = [] {
    std::vector<std::pair<BoardState, Colour>> boards;
    for (const Joseki& row : LoadCollection(kDataDir).joseki) {
      BoardState board;
      for (size_t k = 0; k < row.stones.size(); ++k) {
        const Colour colour = ColourOfNth(static_cast<int>(k) + 1);
        if (!row.stones[k].IsTenuki())
          PlayWithCaptures(board, {row.stones[k].column, row.stones[k].row}, colour);
        boards.push_back({board, ColourOfNth(static_cast<int>(k) + 2)});
      }
    }
    return boards;
  }();
  return stages;
}

double Percentile95(std::vector<double> milliseconds) {
  std::sort(milliseconds.begin(), milliseconds.end());
  return milliseconds[milliseconds.size() * 95 / 100];
}

// Times work(board, toMove) once per stage and reports the p95 and the maximum.
template <typename Work>
void TimeEveryStage(benchmark::State& state, Work work) {
  std::vector<double> times;
  for (auto _ : state) {
    times.clear();
    for (const auto& [board, toMove] : RowStages()) {
      const auto start = std::chrono::steady_clock::now();
      work(board, toMove);
      times.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count());
    }
  }
  state.counters["positions"] = static_cast<double>(times.size());
  state.counters["p95_ms"] = Percentile95(times);
  state.counters["max_ms"] = *std::max_element(times.begin(), times.end());
}

void BM_CornerLookupWithContinuations(benchmark::State& state) {
  const CornerIndexReader index(BuiltProgramFolder().CollectionFile());
  TimeEveryStage(state, [&](const BoardState& board, Colour toMove) {
    const CornerPosition position = ReadCorner(board, 0, toMove);
    auto record = index.Lookup(position.key);
    if (record)
      std::sort(record->continuations.begin(), record->continuations.end(),
                [](const ContinuationRecord& a, const ContinuationRecord& b) {
                  return a.games + a.engineGames > b.games + b.engineGames;
                });
    benchmark::DoNotOptimize(record);
  });
}
BENCHMARK(BM_CornerLookupWithContinuations)->Unit(benchmark::kMillisecond)->Iterations(3);

// Search by position: the four corners of the board read and each looked up for its rows.
void BM_SearchByPosition(benchmark::State& state) {
  const CornerIndexReader index(BuiltProgramFolder().CollectionFile());
  TimeEveryStage(state, [&](const BoardState& board, Colour toMove) {
    for (int corner = 0; corner < kCorners; ++corner) {
      const CornerPosition position = ReadCorner(board, corner, toMove);
      if (position.IsEmpty()) continue;
      auto rows = index.RowsThrough(position.key);
      benchmark::DoNotOptimize(rows);
    }
  });
}
BENCHMARK(BM_SearchByPosition)->Unit(benchmark::kMillisecond)->Iterations(3);

// The whole index from data/ (rows, both engine trees, every game of games/),
// written as the collection's tables into a database in memory.
void BM_CornerIndexBuild(benchmark::State& state) {
  const std::vector<Joseki> joseki = LoadCollection(kDataDir).joseki;
  for (auto _ : state) {
    const CornerIndex index = BuildCornerIndexFromData(kDataDir, joseki);
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    WriteCornerTables(db, QStringLiteral(":memory:"), index);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    state.counters["positions"] = static_cast<double>(index.positions.size());
    state.counters["games"] = index.games;
  }
}
BENCHMARK(BM_CornerIndexBuild)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
