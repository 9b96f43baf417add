#pragma once
// The corner position index while it is counted: every corner position
// reached in the games, in the engine trees and in the rows of the
// collection, with what was played next and the rows that pass through it.
// The collection builder counts with it, and so does the program for the
// user's own games, so both files mean the same by a count.

#include <unordered_map>
#include <vector>

#include "collection/sgf_parser.h"
#include "rules/corner_position.h"

struct ColouredMove {
  Point point;
  Colour colour = Colour::kBlack;
  bool operator==(const ColouredMove&) const = default;
};

// A game as the index replays it: the stones set up before play (handicap
// stones), then the moves of the main line in their own colours.
struct CornerGame {
  std::vector<ColouredMove> setup;
  std::vector<ColouredMove> moves;  // cut at the first pass or unreadable move
  int year = 0;                     // from DT, 0 when unknown
};

// What followed a position: a point of the key's frame, or {0, 0} elsewhere.
struct ContinuationTally {
  Point point;
  int games = 0;      // games in which this move followed the position
  int firstYear = 0;  // earliest and latest dated such game, 0 when none is dated
  int lastYear = 0;
  int cornerLeft = 0;   // of those games, how many played elsewhere right after it
  int engineGames = 0;  // engine games (the trees' counts) in which it followed
  int lastGame = -1;    // the last game counted, so a game counts once
  int lastLeftGame = -1;
};

// Where a row of the collection passes through a position.
struct RowPassage {
  int joseki = 0;  // gocs.ID
  int stone = 0;   // the row's stones played so far, its given stones included
  bool operator==(const RowPassage&) const = default;
};

struct PositionTally {
  int stones = 0;
  int games = 0;              // games in which the position arose
  int gamesFromOccupied = 0;  // of those, games whose corner held stones set up before play
  int engineGames = 0;        // engine games in which it arose
  int lastGame = -1;
  std::vector<ContinuationTally> continuations;
  std::vector<RowPassage> rows;
};

struct CornerKeyHash {
  size_t operator()(const CornerKey& key) const;
};

// Positions of games with more stones in the corner than this are indexed
// only where a row or an engine tree reaches them too: beyond it a corner's
// position is nearly always one game's own, and the file would grow by tens
// of megabytes for nothing a search can use.
inline constexpr int kGameStoneLimit = 24;

struct CornerIndex {
  std::unordered_map<CornerKey, PositionTally, CornerKeyHash> positions;
  int games = 0;  // games replayed

  // Rows first, then the engine trees, then the games (the stone limit
  // above keeps every position that the rows or the trees reach).
  // A row's stones black first, given stones included; {0, 0} for a tenuki.
  void AddRow(int josekiId, const std::vector<Point>& stones, int given);
  // An engine tree (upper-right corner), each node's count in its comment {"count": N}.
  void AddEngineTree(const SgfTree& tree);
  // Counts the game's corners after each move (positions past the stone
  // limit only where the tally holds them already).
  void AddGame(const CornerGame& game);
};

// The continuation at point of a position's tally, added with no counts when new.
ContinuationTally& ContinuationAt(PositionTally& tally, Point point);

// The colour that did not just play.
inline Colour OtherColour(Colour colour) {
  return colour == Colour::kBlack ? Colour::kWhite : Colour::kBlack;
}
