#pragma once
// The corner position index: every corner position reached in the games, in
// the engine trees and in the rows of the collection, with what was played
// next and the rows that pass through it. Built with the collection and
// stored as its tables corner_positions, corner_continuations, corner_rows.

#include <QString>
#include <unordered_map>
#include <vector>

#include "collection_builder/corner_sources.h"
#include "collection_builder/joseki.h"
#include "rules/corner_position.h"

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
  void AddRow(int josekiId, const std::vector<BoardPoint>& stones, int given);
  void AddEngineTree(const SgfTree& tree);
  void AddGame(const CornerGame& game);
};

// The index of the rows (ID order), the engine trees and the games.
CornerIndex BuildCornerIndex(const std::vector<Joseki>& joseki, const std::vector<SgfTree>& engine,
                             const std::vector<CornerGame>& games);
