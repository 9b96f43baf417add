#pragma once
// The game references of a build: for every joseki the game named by its JR
// or by data/games/index.tsv, the place where the joseki was played there,
// and the verified reference text.

#include <QString>
#include <QStringList>
#include <vector>

#include "collection_builder/joseki.h"

struct ReferenceResult {
  std::vector<QString> references;  // one per joseki, empty when it has none
  int found = 0;
  QStringList errors;
  QStringList warnings;
};

// Reads the chosen games under gamesDir and makes each joseki's reference.
// A pinned game (JR) that is missing or does not show the joseki is an error;
// an index entry that no longer fits is a warning (re-select the games). A
// reference that fails verification and a player without a kanji name are errors.
ReferenceResult MakeGameReferences(const std::vector<Joseki>& joseki, const QString& gamesDir);
