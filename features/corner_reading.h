#pragma once
// A game read for joseki, corner by corner. A corner's stones are the game's
// stones in its quarter of the board in the order played; the first may be a
// handicap stone. Every row of the collection is followed from the corner's
// first stone, turned to the corner in either orientation, its colours
// exchanged when that stone is white: each stone played in the corner must be
// the row's next stone; a move elsewhere is passed over, unless the row's next
// stone is a move elsewhere of the same colour, which it then stands for. The
// lines beside the middle are shared by two corners, and a stone there counts
// only where the row has it.

#include <QString>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "collection/joseki_record.h"
#include "collection/played_game.h"
#include "collection/section.h"

enum class Corner { kUpperLeft, kUpperRight, kLowerLeft, kLowerRight };

// 左上隅, 右上隅, 左下隅, 右下隅.
QString CornerName(Corner corner);

// A row of the collection and the section that lists it.
struct BookRow {
  Section section = Section::kHandicap;
  const JosekiRecord* joseki = nullptr;
};

// A stone of the game that the right board shows with a number.
struct NumberedStone {
  int move = 0;  // the game's move number
  int number = 0;
  bool operator==(const NumberedStone&) const = default;
};

struct CornerReading {
  Corner corner = Corner::kUpperLeft;
  int firstMove = -1;  // the game's move number of the corner's first stone; 0 a setup stone,
                       // -1 an empty corner
  std::optional<size_t> row;  // the row followed furthest (index into the book), if one begins so
  int followedStones = 0;     // stones of that row the game played, moves elsewhere included
  int leftBookAt = 0;         // the game's move number that no row continues; 0 when none did
  int lastShownMove = 0;      // the game is shown up to this move
  // The row's numbered moves as the game played them, numbered as in the
  // joseki, and the move that left the book with the next number.
  std::vector<NumberedStone> numbers;
};

// Reads the four corners of game against the rows of book, in the order of Corner.
std::array<CornerReading, 4> ReadCorners(const PlayedGame& game, const std::vector<BookRow>& book);
