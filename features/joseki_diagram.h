#pragma once
// The left board: the selected joseki drawn whole (given stones, numbered
// moves with their captures, marks), and the walk through it one move at a
// time with the newest stone marked red.

#include <optional>

#include "collection/joseki_record.h"
#include "pictures/board_renderer.h"
#include "rules/board_state.h"

class JosekiDiagram {
 public:
  explicit JosekiDiagram(BoardRenderer& board) : board_(board) {}

  // The whole joseki on a fresh board, then its marks. False when a stone
  // cannot be drawn: the drawing ends there, without marks, and the picture
  // shown stays as it was before the stones.
  bool Show(const JosekiRecord& joseki);

  // 手順表示開始: a fresh board with the given stones and the marks; the walk
  // starts again from move 1.
  void StartWalk(const JosekiRecord& joseki);

  struct WalkStep {
    bool placed = false;    // false when the walk has passed the last move
    Colour colour{};        // of the move placed
    bool lastMove = false;  // the walk has ended and starts again at the next click
  };
  // 次手を表示: the next move in red and the walk's previous stone plain
  // again. A move off the board is not placed; the last move ends the walk.
  WalkStep NextWalkMove(const JosekiRecord& joseki);

  const BoardState& counts() const { return counts_; }
  // The walk's moves placed since its start; 0 again once its last move is placed.
  int walkedMoves() const { return walkedMoves_; }

 private:
  void DrawFreshBoard();
  void DrawMarkers(const JosekiRecord& joseki);
  void Capture(Point p, Colour mover);

  BoardRenderer& board_;
  BoardState counts_;
  int walkedMoves_ = 0;
  int walkTenukiCount_ = 0;            // runs on from joseki to joseki
  std::optional<Point> walkPrevious_;  // the walk's own previous stone, while on this picture
};
