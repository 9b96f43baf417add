#pragma once
// The right board showing a game the user opened: its setup stones and its
// moves up to one move, captures taken off, the stones a reading numbered
// drawn with their numbers, every other stone plain.

#include <vector>

#include "collection/played_game.h"
#include "features/corner_reading.h"
#include "pictures/board_renderer.h"

// Draws the game on a fresh right board up to lastMove. Passes, moves on an
// occupied point and pictures that cannot be read are left out. False when
// the empty board could not be drawn.
bool DrawPlayedGame(BoardRenderer& board, const PlayedGame& game, int lastMove,
                    const std::vector<NumberedStone>& numbers);
