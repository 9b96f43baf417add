#pragma once
// Points and stone colours of a 19 x 19 board.

constexpr int kBoardSize = 19;

// A point by column (from the left) and row (from the top), 1..19 each on the board.
struct Point {
  int column = 0;
  int row = 0;
  bool operator==(const Point&) const = default;
};

// Whether p is one of the 361 points.
constexpr bool IsOnBoard(Point p) {
  return p.column >= 1 && p.column <= kBoardSize && p.row >= 1 && p.row <= kBoardSize;
}

// The code a stone starts with in a count board.
enum class Colour { kBlack = 1, kWhite = 2 };

// Black for odd n, white for even n: the colour of the n-th stone of a
// sequence that opens with black.
constexpr Colour ColourOfNth(int n) {
  return n % 2 != 0 ? Colour::kBlack : Colour::kWhite;
}

// The colour that plays against colour.
constexpr Colour Other(Colour colour) {
  return colour == Colour::kBlack ? Colour::kWhite : Colour::kBlack;
}
