// The board display on the real code path: every picture is read from fld2/
// each time, as the program does.
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "shell/program_folder.h"

namespace {

void UseProgramFolder() {
  ProgramFolder::SetRoot(QStringLiteral(PROGRAM_DIR));
}

// One board reset: 10 tile files read, 370 cells copied, shown once.
void BM_BoardReset(benchmark::State& state) {
  UseProgramFolder();
  BoardWindow window;
  for (auto _ : state) {
    window.ResetLeftBoard();
    benchmark::DoNotOptimize(window.canvas.master().constBits());
  }
}
BENCHMARK(BM_BoardReset)->Unit(benchmark::kMicrosecond);

// One numbered stone on the left board next to a white group that has a
// liberty, so that the capture check tests a group; taken back cheaply after.
void BM_PlacementWithCaptureCheck(benchmark::State& state) {
  UseProgramFolder();
  BoardWindow window;
  window.ResetLeftBoard();
  // White (4, 3) and (4, 4) with one liberty at (4, 5); black at (5, 3) fills the
  // last empty neighbour of (4, 3), so the check tests the group.
  const BenchPoint whites[] = {{4, 3}, {4, 4}};
  const BenchPoint blacks[] = {{3, 3}, {4, 2}, {3, 4}, {5, 4}};
  int n = 1;
  for (BenchPoint p : whites) PlaceLeftMove(window, p, 1);
  for (BenchPoint p : blacks) PlaceLeftMove(window, p, 2);
  const BenchPoint move{5, 3};
  for (auto _ : state) {
    PlaceLeftMove(window, move, 2 * n);
    window.LeftCounts.at(move.column, move.row) = 0;
    RemoveStone(window.LeftCounts, move.column, move.row, nullptr);
    n = n % 27 + 1;
  }
}
BENCHMARK(BM_PlacementWithCaptureCheck)->Unit(benchmark::kMicrosecond);

// A white block of 8 x 5 stones surrounded by black but for one point; black
// takes it: 40 removals, each repainting its tile from disk.
void BM_CaptureOf40StoneGroup(benchmark::State& state) {
  UseProgramFolder();
  BoardWindow window;
  window.ResetLeftBoard();
  for (int row = 3; row <= 7; ++row)
    for (int column = 3; column <= 10; ++column) PlaceLeftMove(window, {column, row}, 1);
  for (int column = 3; column <= 10; ++column) {
    PlaceLeftMove(window, {column, 2}, 2);
    PlaceLeftMove(window, {column, 8}, 2);
  }
  for (int row = 3; row <= 7; ++row) PlaceLeftMove(window, {2, row}, 2);
  for (int row = 3; row <= 6; ++row) PlaceLeftMove(window, {11, row}, 2);
  const BoardState surrounded = window.LeftCounts;
  for (auto _ : state) {
    window.LeftCounts = surrounded;
    PlaceLeftMove(window, {11, 7}, 2);
    if (window.LeftCounts.at(3, 3) != 0) state.SkipWithError("the group was not taken");
  }
}
BENCHMARK(BM_CaptureOf40StoneGroup)->Unit(benchmark::kMicrosecond);

// One navigation step with the game at move 300: the right board reset and
// the game replayed from move 1 to 301.
void BM_NavigationStepAtMove300(benchmark::State& state) {
  UseProgramFolder();
  BoardWindow window;
  window.ShownReference = QStringLiteral("game|240/300|") + RandomGameMoves(310);
  window.ReadGameReference();
  if (window.RightMoveCount != 300) state.SkipWithError("the game was not drawn");
  bool forward = true;
  for (auto _ : state) {
    forward ? window.Command3_Click() : window.Command20_Click();  // 301, then 300 again
    forward = !forward;
  }
}
BENCHMARK(BM_NavigationStepAtMove300)->Unit(benchmark::kMillisecond);

}  // namespace
