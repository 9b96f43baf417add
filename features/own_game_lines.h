#pragma once
// The lines a player's own game left: each corner where the game followed a
// row of the collection and then played a move that no row continues with.
// These lines make the drill's deck 「自分の対局から」.

#include <vector>

#include "collection/played_game.h"
#include "features/corner_reading.h"

struct LeftLine {
  size_t row = 0;  // index into the book
  Corner corner = Corner::kUpperLeft;
  int leftBookAt = 0;  // the game's move that left the book
};

// The corners of game that left the book after at least one numbered move of
// their row, in the order of Corner.
std::vector<LeftLine> LinesLeftInGame(const PlayedGame& game, const std::vector<BookRow>& book);
