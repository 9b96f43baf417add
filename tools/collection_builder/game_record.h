#pragma once
// A game record read from SGF: players, ranks, date, event, and the moves of
// its main line up to the first pass.

#include <QString>
#include <vector>

#include "collection_builder/joseki.h"

struct GameRecord {
  QString path;  // relative to the games folder, '/' separated
  QString black, white, blackRank, whiteRank, date, event;
  bool even = true;  // no handicap, no stones set up, 19x19
  // A handicap game (19x19, black stones set up in the root, white moves
  // first): its black stones; empty for any other game.
  std::vector<BoardPoint> handicap;
  std::vector<BoardPoint> moves;  // cut at the first pass or move out of turn

  // Whether the joseki search reads the game: an even or a handicap game.
  bool Searchable() const { return even || !handicap.empty(); }
  // The colour of move k (from 0): 1 black, 2 white; white begins a handicap game.
  int16_t ColourOfMove(int k) const { return (k % 2 == 0) == handicap.empty() ? 1 : 2; }
  // The year the game was played (from DT), or 0 when unknown.
  int Year() const;
};

// Reads the game at fullPath; relativePath names it in the record and in
// messages. Throws BuildError.
GameRecord ReadGameRecord(const QString& fullPath, const QString& relativePath);

// The game with its SGF C[] and GC[] comments removed, as text to copy.
// Throws BuildError.
QString StrippedGameText(const QString& fullPath);

// Every *.sgf under dir, relative '/'-separated paths, sorted.
QStringList ListSgfFiles(const QString& dir);
