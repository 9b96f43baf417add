#pragma once
// Reading a count array in tests.

#include "shell/board_state.h"

// The number of points (1..19 each) that hold a stone.
inline int StoneCount(const BoardState& board) {
  int stones = 0;
  for (int row = 1; row <= kBoardSize; ++row)
    for (int column = 1; column <= kBoardSize; ++column) stones += board.at(column, row) != 0;
  return stones;
}
