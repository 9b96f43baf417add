#pragma once
// Which games to prefer when a joseki was played in several.

#include "collection_builder/game_record.h"

// 0 for the best-known single games (the 1846 "ear-reddening" game), 1 for
// castle games, 2 for every other game.
int FameRank(const GameRecord& game);
