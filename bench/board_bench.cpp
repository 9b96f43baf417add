// The board display on the real code path: every picture is read from fld2/
// each time, as the program does.
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "collection/record_parsing.h"
#include "features/game_replay.h"

namespace {

// One board reset: 10 tile files read, 370 cells copied, shown once.
void BM_BoardReset(benchmark::State& state) {
  Canvas canvas(BuiltProgramFolder().ImageFolder());
  BoardRenderer left(canvas, Board::kLeft);
  for (auto _ : state) {
    left.Clear();
    benchmark::DoNotOptimize(canvas.drawing().constBits());
  }
}
BENCHMARK(BM_BoardReset)->Unit(benchmark::kMicrosecond);

// One numbered stone on the left board next to a white group that has a
// liberty, so that the capture check tests a group; taken back cheaply after.
void BM_PlacementWithCaptureCheck(benchmark::State& state) {
  Canvas canvas(BuiltProgramFolder().ImageFolder());
  BoardRenderer left(canvas, Board::kLeft);
  BoardState board;
  left.Clear();
  // White (4, 3) and (4, 4) with one liberty at (4, 5); black at (5, 3) fills the
  // last empty neighbour of (4, 3), so the check tests the group.
  for (Point p : {Point{4, 3}, Point{4, 4}}) PlaceLeftMove(left, board, p, 1);
  for (Point p : {Point{3, 3}, Point{4, 2}, Point{3, 4}, Point{5, 4}})
    PlaceLeftMove(left, board, p, 2);
  const Point move{5, 3};
  int n = 1;
  for (auto _ : state) {
    PlaceLeftMove(left, board, move, 2 * n);
    board.at(move) = 0;
    RemoveStone(board, move, nullptr);
    n = n % 27 + 1;
  }
}
BENCHMARK(BM_PlacementWithCaptureCheck)->Unit(benchmark::kMicrosecond);

// A white block of 8 x 5 stones surrounded by black but for one point; black
// takes it: 40 removals, each repainting its tile from disk.
void BM_CaptureOf40StoneGroup(benchmark::State& state) {
  Canvas canvas(BuiltProgramFolder().ImageFolder());
  BoardRenderer left(canvas, Board::kLeft);
  BoardState board;
  left.Clear();
  for (int row = 3; row <= 7; ++row)
    for (int column = 3; column <= 10; ++column) PlaceLeftMove(left, board, {column, row}, 1);
  for (int column = 3; column <= 10; ++column) {
    PlaceLeftMove(left, board, {column, 2}, 2);
    PlaceLeftMove(left, board, {column, 8}, 2);
  }
  for (int row = 3; row <= 7; ++row) PlaceLeftMove(left, board, {2, row}, 2);
  for (int row = 3; row <= 6; ++row) PlaceLeftMove(left, board, {11, row}, 2);
  const BoardState surrounded = board;
  for (auto _ : state) {
    board = surrounded;
    PlaceLeftMove(left, board, {11, 7}, 2);
    if (board.at(3, 3) != 0) state.SkipWithError("the group was not taken");
  }
}
BENCHMARK(BM_CaptureOf40StoneGroup)->Unit(benchmark::kMicrosecond);

// One navigation step with the game at move 300: the right board reset and
// the game replayed from move 1 to 301.
void BM_NavigationStepAtMove300(benchmark::State& state) {
  Canvas canvas(BuiltProgramFolder().ImageFolder());
  BoardRenderer right(canvas, Board::kRight);
  GameReplay replay(right);
  replay.SetGame(ParseGameReference(QStringLiteral("game|240/300|") + RandomGameMoves(310)));
  replay.ShowGameRecord();
  if (replay.shownMove() != 300) state.SkipWithError("the game was not drawn");
  bool forward = true;
  for (auto _ : state) {
    forward ? replay.Forward(1) : replay.BackOneMove();  // 301, then 300 again
    forward = !forward;
  }
}
BENCHMARK(BM_NavigationStepAtMove300)->Unit(benchmark::kMillisecond);

}  // namespace
