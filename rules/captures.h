#pragma once
// Go captures on a count board: what replaying stored sequences needs, no
// legality check, no ko, no suicide rule. A stone that fills its own last
// liberty stays on the board.

#include <functional>
#include <stdexcept>

#include "rules/board_state.h"

// A placement on the border ring or outside it (bad record data). The count
// board is never addressed outside its bounds; the caller decides what ends.
struct OffBoardPlacement : std::runtime_error {
  explicit OffBoardPlacement(Point p);
};

// Called for each removed stone before its neighbours are lowered (redraw hook).
using StoneRemoved = std::function<void(Point)>;

// Writes a stone of colour at p and counts it in with AddStoneCounts; the
// point's old code is overwritten. Throws OffBoardPlacement off the board.
void PlaceStone(BoardState& board, Point p, Colour colour);

// Brings the stone at p, already written with its colour code, to its
// neighbour-counted code and raises the codes of its occupied neighbours.
// Throws OffBoardPlacement unless p is on the board.
void AddStoneCounts(BoardState& board, Point p, Colour colour);

// Removes every group of the other colour next to p that has no liberty,
// looking left, right, up, down, each group in row-then-column order.
// Throws OffBoardPlacement unless p is on the board.
void CaptureCheck(BoardState& board, Point p, Colour mover, const StoneRemoved& removed);

// Empties p: tells removed, then lowers its stone neighbours by 2.
void RemoveStone(BoardState& board, Point p, const StoneRemoved& removed);
