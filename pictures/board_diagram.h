#pragma once
// What one board shows, point by point, as data: the features compute it,
// the renderer draws it, and tests and messages print it as a small ASCII
// board. It says what the picture shows, not the Go position behind it: a
// mark drawn on a stone hides the stone, and numbers stop where the pictures
// stop (55).

#include <array>
#include <string>
#include <string_view>

#include "rules/point.h"

// What fills a point's cell. The gold stone is the one picture a game's
// joseki moves past 55 share when its numbering begins with black.
enum class PointLook : unsigned char {
  kEmpty,
  kBlack,
  kWhite,
  kGold,
  kTriangle,       // a point mark of the diagram
  kCross,          // the other point mark
  kFirstMoveMark,  // the search input's allowed first point
};

struct DiagramPoint {
  PointLook look = PointLook::kEmpty;
  int number = 0;       // on a black or white stone, 1..55; 0 for none
  bool newest = false;  // the walk's newest stone, marked red
  char16_t letter = 0;  // a letter a..z: a..e replace the cell, later ones sit on it
  bool operator==(const DiagramPoint&) const = default;
};

// The last number a stone's picture carries.
constexpr int kLastPicturedNumber = 55;

// A stone of the colour, numbered n (0: none); past 55 the plain stone.
constexpr DiagramPoint StonePoint(Colour colour, int n = 0) {
  const PointLook look = colour == Colour::kBlack ? PointLook::kBlack : PointLook::kWhite;
  return {look, n <= kLastPicturedNumber ? n : 0};
}

struct BoardDiagram {
  std::array<DiagramPoint, kBoardSize * kBoardSize> points{};
  // The search input's marks on the three cells for a move elsewhere.
  bool tenukiMarks = false;

  DiagramPoint& at(Point p) { return points[Index(p)]; }
  const DiagramPoint& at(Point p) const { return points[Index(p)]; }
  bool operator==(const BoardDiagram&) const = default;

 private:
  static size_t Index(Point p) { return size_t((p.row - 1) * kBoardSize + (p.column - 1)); }
};

// The top-left columns x rows of the diagram, one line per row, tokens
// separated by a blank:
//   .  empty      X O  plain black, white   G  the gold stone
//   X! O!  the walk's red-marked stones     b2 w13  numbered black, white
//   a..z  a letter on an empty point        X:f  a letter on a stone
//   ^  triangle   x  cross                  *  the first-move mark
std::string PrintDiagram(const BoardDiagram& diagram, int columns = kBoardSize,
                         int rows = kBoardSize);

// One point's token, as PrintDiagram writes it.
std::string PrintPoint(const DiagramPoint& point);

// The diagram that text prints as (its top-left corner; the rest empty).
// Throws std::invalid_argument naming a token it cannot read.
BoardDiagram ParseDiagram(std::string_view text);
