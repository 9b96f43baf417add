#pragma once
// How moves are stored as text. A row or column 1..19 is one character,
// "1".."9", "A".."F", then "G".."J". A stored move is a triple: row character,
// column character, tag; a move played elsewhere (tenuki) is "???". A game's
// moves are pairs: row, column.

#include <string_view>
#include <vector>

#include "rules/point.h"

inline constexpr char16_t kTenuki = u'?';

// Decodes one coordinate character: "G".."J" -> 16..19 (case matters), else
// the character read as a hexadecimal digit (either case); anything else -> 0.
int CoordValue(char16_t c);

// Encodes 1..19 as its coordinate character; other values give "?".
char16_t CoordChar(int value);

// A coordinate of a stored move: a value 0..19 as CoordValue decodes it
// (0 for a character that is not a coordinate), or kElsewhere for "?".
inline constexpr int kElsewhere = -1;

// One stored move, row and column decoded separately.
struct StoredMove {
  int row = 0;
  int column = 0;
  bool operator==(const StoredMove&) const = default;
};

// The triples of a move string; a last triple cut short reads its missing
// characters as 0. Tags are not read.
std::vector<StoredMove> ParseMoveString(std::u16string_view text);

// The moves of a game, two characters each, decoded with CoordValue (a point
// with a 0 coordinate is not a move); a last lone character is dropped.
std::vector<Point> ParseGameMoves(std::u16string_view text);
