#pragma once
// Finding where a joseki was played in a game: its numbered moves one after
// another in one corner, in any of the eight orientations and with either
// colour starting, its given stones already on their points with the right
// colours; a tenuki of the joseki matches a game move far from the corner.
// Handicap games (their stones set up, white first) are searched for the
// handicap section's joseki only, whose given stones stand for a handicap stone.
// Only an honest occurrence counts: when the joseki's first numbered move was
// played, no stone but the given ones stood within two lines of any point the
// joseki plays on.

#include <functional>
#include <vector>

#include "collection_builder/board_symmetry.h"
#include "collection_builder/game_record.h"
#include "collection_builder/joseki.h"
#include "rules/board_state.h"

struct Occurrence {
  int first = 0;            // game move number of the joseki's numbered move 1
  int last = 0;             // game move number of its last move
  int symmetry = 0;         // joseki point -> game point (board_symmetry.h)
  bool staysLocal = false;  // the game's next move is within two lines of the joseki
};

// The board of a game before its first move: the handicap stones (black) set up.
BoardState SetUpBoard(const std::vector<BoardPoint>& handicap);

// True when `before` holds no stone within two lines (the 5x5 square) of any
// point of the joseki in orientation s, except the given stones on their points.
bool StartsFromEmptyCorner(const BoardState& before, const std::vector<BoardPoint>& given,
                           const std::vector<BoardPoint>& numbered, int s);

class JosekiScanner {
 public:
  // Prepares the search for these joseki; the vector must outlive the scanner.
  explicit JosekiScanner(const std::vector<Joseki>& joseki);

  // Calls found(index of the joseki, occurrence) for every honest place in the
  // game where a joseki was played, in the order of the game's moves.
  void Scan(const GameRecord& game,
            const std::function<void(size_t, const Occurrence&)>& found) const;

 private:
  struct Pattern {
    size_t joseki;
    bool handicap;  // a joseki of the handicap section: handicap games are searched too
    int anchor;     // index of the first numbered move that is a point
    std::vector<BoardPoint> given, numbered;
  };
  struct Anchor {
    size_t pattern;
    int symmetry;
    Region region;  // of the pattern's points in this symmetry
  };
  struct Placement {  // the pattern's numbered moves found in the game from move `first`
    size_t pattern;
    int symmetry;
    int first;
  };

  // Where the game's moves are a pattern's numbered moves, in the order of the game's moves.
  std::vector<Placement> Placements(const GameRecord& game) const;
  // Whether the given stones stand on the board before the placement, with no other stone near.
  bool StartsHonestly(const Placement& placed, const BoardState& before,
                      const GameRecord& game) const;
  std::vector<Pattern> patterns_;
  std::vector<std::vector<Anchor>> anchors_;  // by game point index column * 21 + row
};

// The first honest place of one joseki in one game, preferring one after which
// the game leaves the corner; false when there is none.
bool FindJosekiInGame(const Joseki& joseki, const GameRecord& game, Occurrence& occurrence);
