#pragma once
// Every game a joseki was played in: for each row one honest occurrence per
// game whose players have kanji names, the row's reference game first.

#include <vector>

#include "collection_builder/game_matcher.h"
#include "collection_builder/game_record.h"
#include "collection_builder/joseki.h"

struct GameOccurrence {
  size_t game = 0;  // index into the games searched
  Occurrence place;
};

using OccurrenceLists = std::vector<std::vector<GameOccurrence>>;  // one list per joseki

// For each joseki one occurrence per game of games that has a kanji heading
// (within a game the first after which play leaves the corner, else the
// first), the games ordered by year (undated last), then path.
OccurrenceLists FindOccurrences(const std::vector<Joseki>& joseki,
                                const std::vector<GameRecord>& games);

// Puts game at the front of list with exactly this place, added when missing.
void PutReferenceFirst(std::vector<GameOccurrence>& list, size_t game, const Occurrence& place);
