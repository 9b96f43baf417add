#pragma once
// Shared by the benchmarks: the built program folder, a reproducible game of
// random play, and one stone placed on the left board as the diagram does.

#include <QString>
#include <random>
#include <vector>

#include "collection/program_folder.h"
#include "pictures/board_renderer.h"
#include "pictures/canvas.h"
#include "pictures/image_catalogue.h"
#include "rules/captures.h"
#include "rules/move_encoding.h"

inline ProgramFolder BuiltProgramFolder() {
  return ProgramFolder(QDir(QStringLiteral(PROGRAM_DIR)));
}

// A game of n moves on empty points, with captures applied as they happen,
// written as a game's moves (row, column per move). The same seed gives the same game.
inline QString RandomGameMoves(int n, unsigned seed = 7) {
  std::mt19937 random(seed);
  BoardState board;
  QString moves;
  for (int k = 1; k <= n; ++k) {
    std::vector<Point> empty;
    for (int row = 1; row <= kBoardSize; ++row)
      for (int column = 1; column <= kBoardSize; ++column)
        if (board.at(column, row) == 0) empty.push_back({column, row});
    const Point p = empty[random() % empty.size()];
    PlaceStone(board, p, ColourOfNth(k));
    CaptureCheck(board, p, ColourOfNth(k), nullptr);
    moves += QString(QChar(CoordChar(p.row))) + QChar(CoordChar(p.column));
  }
  return moves;
}

// Numbered move n at p on the left board: picture from disk, cell copy,
// refresh, counts, captures repainting their points.
inline void PlaceLeftMove(BoardRenderer& left, BoardState& board, Point p, int n) {
  const Colour colour = n % 2 != 0 ? Colour::kWhite : Colour::kBlack;
  left.Draw(p, StonePoint(colour, n));
  left.Refresh();
  PlaceStone(board, p, colour);
  CaptureCheck(board, p, colour, [&](Point q) { left.Erase(q); });
}
