#pragma once
// Go captures on a count array. Only what replaying stored sequences needs:
// no legality check, no ko, no suicide rule. A stone that fills its own last
// liberty stays on the board.

#include <functional>
#include <stdexcept>

#include "shell/board_state.h"

// A placement on the border ring or outside it (bad record data). The count
// array is never addressed outside its bounds; the caller decides what ends.
struct OffBoardPlacement : std::runtime_error {
  OffBoardPlacement(int column, int row);
};

// Called for each removed stone before its neighbours are lowered (redraw hook).
using StoneRemoved = std::function<void(int column, int row)>;

// Fills the border ring with value: (i, 0), (0, i), (20, i), (i, 20) for i = 0..20.
void FillRing(BoardState& board, int16_t value);

// Brings the new stone at (column, row), already written with its colour code,
// to its neighbour-counted code and raises the codes of its occupied
// neighbours. Throws OffBoardPlacement unless the point is 1..19 each.
void AddStoneCounts(BoardState& board, int column, int row, int16_t stoneColour);

// Removes every opponent group next to the stone just placed at (column, row)
// that has no liberty, left, right, up, down, each group in row-then-column
// order. moveCount's parity names the colour that just moved (odd: black).
void CaptureCheck(BoardState& board, int column, int row, int16_t stoneColour, int moveCount,
                  const StoneRemoved& removed);

// Every code above 10 on the points loses 2.
void ClearMarks(BoardState& board);

// Empties (column, row): tells removed, then lowers its stone neighbours by 2.
void RemoveStone(BoardState& board, int column, int row, const StoneRemoved& removed);
