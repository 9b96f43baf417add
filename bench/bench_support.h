#pragma once
// Shared by the benchmarks: a reproducible game of random play, and the board
// window's placement pipeline for one stone on the left board.

#include <QString>
#include <random>
#include <vector>

#include "collection/stone_images.h"
#include "rules/captures.h"
#include "shell/board_window.h"
#include "shell/move_encoding.h"

struct BenchPoint {
  int column;
  int row;
};

// A game of n moves on empty points, with captures applied as they happen,
// written as GameMoves (row, column per move). The same seed gives the same game.
inline QString RandomGameMoves(int n, unsigned seed = 7) {
  std::mt19937 random(seed);
  BoardState board;
  QString moves;
  for (int k = 1; k <= n; ++k) {
    std::vector<BenchPoint> empty;
    for (int row = 1; row <= kBoardSize; ++row)
      for (int column = 1; column <= kBoardSize; ++column)
        if (board.at(column, row) == 0) empty.push_back({column, row});
    const BenchPoint p = empty[random() % empty.size()];
    const int16_t colour = k % 2 != 0 ? 1 : 2;
    board.at(p.column, p.row) = colour;
    AddStoneCounts(board, p.column, p.row, colour);
    CaptureCheck(board, p.column, p.row, colour, k, nullptr);
    moves += QString(CoordChar(p.row)) + CoordChar(p.column);
  }
  return moves;
}

// Places numbered move n at p on the left board as the joseki diagram does:
// picture from disk, cell copy, refresh, counts, neighbour counts, captures.
inline void PlaceLeftMove(BoardWindow& window, BenchPoint p, int n) {
  window.MoveX = p.column;
  window.MoveY = p.row;
  window.DrawImage(JosekiMoveImage(n), LeftCellX(p.column), CellY(p.row));
  window.canvas.Refresh();
  window.StoneColour = window.LeftMoveCount = n % 2 != 0 ? 2 : 1;
  window.LeftCounts.at(p.column, p.row) = int16_t(window.StoneColour);
  window.LastMoveX = p.column;
  window.LastMoveY = p.row;
  window.AddStoneCounts(Side::kLeft);
  window.CaptureCheck(Side::kLeft);
}
