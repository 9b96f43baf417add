#pragma once
// The collection file's tables of games: each game once (heading and moves as
// in a game reference), and each joseki's occurrences in order.

#include <QString>
#include <vector>

#include "collection_builder/game_occurrences.h"

struct StoredGame {
  int id = 0;
  QString heading;  // GameHeading
  QString moves;    // GameMovesText
};

struct StoredOccurrence {
  int joseki = 0;  // gocs.ID
  int ordinal = 0;
  int game = 0;  // StoredGame::id
  int first = 0, last = 0;
  int orientation = 0;  // the symmetry of board_symmetry.h
};

struct GameTables {
  std::vector<StoredGame> games;
  std::vector<StoredOccurrence> occurrences;
};

// The rows of both tables: joseki IDs count from 1 in the order of lists, and
// only the games that occur are stored, with ids from 1 in the order of games.
// Throws BuildError when a heading cannot be written in kanji.
GameTables MakeGameTables(const OccurrenceLists& lists, const std::vector<GameRecord>& games);
