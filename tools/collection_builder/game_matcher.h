#pragma once
// Finding where a joseki was played in a game: its numbered moves one after
// another in one corner, in any of the eight orientations and with either
// colour starting, its given stones already on their points with the right
// colours; a tenuki of the joseki matches a game move far from the corner.

#include <functional>
#include <vector>

#include "collection_builder/board_symmetry.h"
#include "collection_builder/game_record.h"
#include "collection_builder/joseki.h"

struct Occurrence {
  int first = 0;       // game move number of the joseki's numbered move 1
  int last = 0;        // game move number of its last move
  int symmetry = 0;    // joseki point -> game point (board_symmetry.h)
  bool clean = false;  // no other stone near the joseki's stones when it began
};

class JosekiScanner {
 public:
  // Prepares the search for these joseki; the vector must outlive the scanner.
  explicit JosekiScanner(const std::vector<Joseki>& joseki);

  // Calls found(index of the joseki, occurrence) for every place in the game
  // where a joseki was played, in the order of the game's moves.
  void Scan(const GameRecord& game,
            const std::function<void(size_t, const Occurrence&)>& found) const;

 private:
  struct Pattern {
    size_t joseki;
    int anchor;  // index of the first numbered move that is a point
    std::vector<BoardPoint> given, numbered;
  };
  struct Anchor {
    size_t pattern;
    int symmetry;
  };
  std::vector<Pattern> patterns_;
  std::vector<std::vector<Anchor>> anchors_;  // by game point index column * 21 + row
};

// The best place of one joseki in one game: the first clean one, else the
// first one; false when the joseki was not played there.
bool FindJosekiInGame(const Joseki& joseki, const GameRecord& game, Occurrence& occurrence);
