#pragma once
// The count board: 21 x 21 codes indexed (column, row). Indices 1..19 are the
// points, 0 and 20 the border ring. A stone's code is its colour (1 black,
// 2 white) plus 2 per occupied orthogonal neighbour, the ring counting as
// occupied; 9 and 10 are stones without an empty neighbour, and 11 and 12
// exist only while a capture test runs.

#include <array>
#include <cstdint>

#include "rules/point.h"

constexpr int kRing = kBoardSize + 1;  // index of the far border ring

struct BoardState {
  std::array<std::array<int16_t, kRing + 1>, kRing + 1> code{};  // code[column][row]

  int16_t& at(int column, int row) { return code[column][row]; }
  int16_t at(int column, int row) const { return code[column][row]; }
  int16_t& at(Point p) { return code[p.column][p.row]; }
  int16_t at(Point p) const { return code[p.column][p.row]; }
  bool operator==(const BoardState&) const = default;
};
