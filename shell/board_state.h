#pragma once
// The count array of one board: 21 x 21 codes indexed (column, row).
// Indices 1..19 are the points, 0 and 20 the border ring. A stone's code is
// its colour (1 black, 2 white) plus 2 per occupied orthogonal neighbour, the
// ring counting as occupied; 11 and 12 exist only while a capture test runs.

#include <array>
#include <cstdint>

constexpr int kBoardSize = 19;
constexpr int kRing = kBoardSize + 1;  // index of the far border ring

struct BoardState {
  std::array<std::array<int16_t, kRing + 1>, kRing + 1> code{};  // code[column][row]

  int16_t& at(int column, int row) { return code[column][row]; }
  int16_t at(int column, int row) const { return code[column][row]; }
  void clear() { code = {}; }
  bool operator==(const BoardState&) const = default;

  static bool IsPoint(int column, int row) {
    return column >= 1 && column <= kBoardSize && row >= 1 && row <= kBoardSize;
  }
};
