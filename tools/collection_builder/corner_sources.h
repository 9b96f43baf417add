#pragma once
// The sources of the corner position index as the index reads them: the game
// records of data/games/ (even and handicap), the engine trees of data/engine/.

#include <QString>
#include <vector>

#include "collection/sgf_parser.h"
#include "rules/point.h"

struct ColouredMove {
  Point point;
  Colour colour = Colour::kBlack;
};

// A game as the index replays it: the stones set up before play (handicap
// stones), then the moves of the main line in their own colours.
struct CornerGame {
  std::vector<ColouredMove> setup;
  std::vector<ColouredMove> moves;  // cut at the first pass or unreadable move
  int year = 0;                     // from DT, 0 when unknown
};

// Every *.sgf under dir in path order; files that cannot be read are counted
// in unreadable (the collection build reports them already).
struct CornerGameFolder {
  std::vector<CornerGame> games;
  int unreadable = 0;
};
CornerGameFolder ReadCornerGames(const QString& dir);

// A game record's main line read as a CornerGame.
CornerGame CornerGameOf(const std::vector<SgfNode>& mainLine);

// The engine trees: every *.sgf of dir parsed (a missing folder holds none).
// Throws BuildError for a file that cannot be parsed.
std::vector<SgfTree> ReadEngineTrees(const QString& dir);
