#pragma once
// The game references of a build: for every joseki the game named by its JR
// or by data/games/index.tsv, the place where the joseki was played there,
// and the verified reference text.

#include <QString>
#include <QStringList>
#include <vector>

#include "collection_builder/game_folder.h"
#include "collection_builder/game_matcher.h"
#include "collection_builder/joseki.h"

struct ReferenceResult {
  std::vector<QString> references;  // one per joseki, empty when it has none
  std::vector<QString> gamePaths;   // the referenced game file per joseki, or empty
  std::vector<Occurrence> places;   // where in that game
  int found = 0;
  QStringList errors;
  QStringList warnings;
};

// Makes each joseki's reference from the games of folder (read from gamesDir,
// where index.tsv is).
// A pinned game (JR) that is missing or does not show the joseki is an error;
// an index entry that no longer fits is a warning (re-select the games). A
// reference that fails verification and a player without a kanji name are errors.
ReferenceResult MakeGameReferences(const std::vector<Joseki>& joseki, const QString& gamesDir,
                                   const GameFolder& folder);
