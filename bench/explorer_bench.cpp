// 次の一手 following the boards of the 小目 section of the shipped collection:
// each step of every row's walk, and each step forward through every row's
// game, timed with the board's drawing and the explorer's lookup together
// (p95 and maximum as counters, in ms); and 形で検索 at each step of every
// walk: the rows through the position, with their titles, as the window lists them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "bench/bench_support.h"
#include "model/explorer_model.h"

namespace {

struct Silent : MessageSink {
  void ShowMessage(const QString&) override {}
};

constexpr Section kKomokuSection = Section::kThreeFour;

double Milliseconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

void ReportSteps(benchmark::State& state, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  state.counters["steps"] = double(times.size());
  state.counters["p95_ms"] = times[times.size() * 95 / 100];
  state.counters["max_ms"] = times.back();
}

// Walks every row of the section step by step; timed(board, explorer) at
// each step gives the milliseconds that step counts.
template <typename Timed>
void TimeEveryWalkStep(benchmark::State& state, Timed timed) {
  Silent silent;
  BoardWindowModel board(BuiltProgramFolder(), kKomokuSection, silent);
  board.Load();
  ExplorerModel explorer(board, silent);
  std::vector<double> times;
  for (auto _ : state) {
    times.clear();
    for (int line = 0; line < int(board.records().size()); ++line) {
      board.SelectLine(line);
      board.StartWalk();
      for (size_t move = 0; move < board.records()[size_t(line)].numberedMoves.size(); ++move)
        times.push_back(timed(board, explorer));
    }
  }
  ReportSteps(state, times);
}

void BM_ExplorerFollowsTheWalk(benchmark::State& state) {
  TimeEveryWalkStep(state, [](BoardWindowModel& board, ExplorerModel& explorer) {
    const auto start = std::chrono::steady_clock::now();
    board.ShowNextMove();
    explorer.Follow();
    return Milliseconds(start);
  });
}
BENCHMARK(BM_ExplorerFollowsTheWalk)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ExplorerFollowsTheGame(benchmark::State& state) {
  Silent silent;
  BoardWindowModel board(BuiltProgramFolder(), kKomokuSection, silent);
  board.Load();
  ExplorerModel explorer(board, silent);
  explorer.SetSource(ExplorerSource::kRightBoard);
  std::vector<double> times;
  for (auto _ : state) {
    times.clear();
    for (int line = 0; line < int(board.records().size()); ++line) {
      board.SelectLine(line);
      if (!board.view().gameButtonsEnabled) continue;
      for (int step = 0; step < 10; ++step) {
        const auto start = std::chrono::steady_clock::now();
        board.ForwardOneMove();
        explorer.Follow();
        times.push_back(Milliseconds(start));
      }
    }
  }
  ReportSteps(state, times);
}
BENCHMARK(BM_ExplorerFollowsTheGame)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SearchByPositionAtEveryWalkStep(benchmark::State& state) {
  TimeEveryWalkStep(state, [](BoardWindowModel& board, ExplorerModel& explorer) {
    board.ShowNextMove();
    explorer.Follow();
    const auto start = std::chrono::steady_clock::now();
    explorer.SearchByPosition();
    return Milliseconds(start);
  });
}
BENCHMARK(BM_SearchByPositionAtEveryWalkStep)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
