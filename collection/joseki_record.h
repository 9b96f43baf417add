#pragma once
// One joseki of the collection as the program uses it: every stored text
// already cleaned and parsed (collection/record_parsing.h).

#include <QString>
#include <optional>
#include <vector>

#include "collection/stone_sequence.h"

// A mark drawn on the diagram after the moves: tag "a".."e" (a letter), "2"
// (triangle) or anything else (cross).
struct Marker {
  Point point;  // 0 where a character is not a coordinate
  char16_t tag = 0;
  bool operator==(const Marker&) const = default;
};

// The game in which the joseki was played: "heading|first/last|moves".
struct GameReference {
  bool present = false;  // false for a text shorter than 2 characters
  QString heading;       // empty when the text has no "|"
  // The game's moves that belong to the joseki; nullopt where the text has
  // no such part or the number does not fit 16 bits.
  std::optional<int> firstMove, lastMove;
  // A handicap game's black stones, set up before move 1; then move 1 is white.
  std::vector<Point> handicap;
  std::vector<Point> moves;
};

struct JosekiRecord {
  QString id;
  QString title;
  QString caption;  // the short text under the diagram (the sort key and a few words)
  QString commentary;
  std::vector<StoredMove> givenStones;    // unnumbered; the first is black
  std::vector<StoredMove> numberedMoves;  // numbered from 1; move 1 is white
  std::vector<Marker> markers;
  Sequence storedMoves;   // given stones and numbered moves: what the search compares
  QString referenceText;  // the game reference as stored: the search texts take it on selection
  GameReference game;
};
