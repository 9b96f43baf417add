#pragma once
// The sources of the corner position index as the index reads them: the game
// records of data/games/ (even and handicap), the engine trees of data/engine/.

#include <QString>
#include <vector>

#include "collection/corner_game.h"
#include "collection/sgf_parser.h"

// Every *.sgf under dir in path order; files that cannot be read are counted
// in unreadable (the collection build reports them already).
struct CornerGameFolder {
  std::vector<CornerGame> games;
  int unreadable = 0;
};
CornerGameFolder ReadCornerGames(const QString& dir);

// The engine trees: every *.sgf of dir parsed (a missing folder holds none).
// Throws BuildError for a file that cannot be parsed.
std::vector<SgfTree> ReadEngineTrees(const QString& dir);
