#include "collection_builder/game_references.h"

#include <QDir>

#include "collection_builder/build_error.h"
#include "collection_builder/game_index.h"
#include "collection_builder/game_reference.h"

ReferenceResult MakeGameReferences(const std::vector<Joseki>& joseki, const QString& gamesDir,
                                   const GameFolder& folder) {
  ReferenceResult result;
  result.references.resize(joseki.size());
  result.gamePaths.resize(joseki.size());
  result.places.resize(joseki.size());
  GameIndex index;
  try {
    index = ReadGameIndex(QDir(gamesDir).filePath(QStringLiteral("index.tsv")));
  } catch (const BuildError& e) {
    result.errors << e.text();
    return result;
  }
  for (size_t i = 0; i < joseki.size(); ++i) {
    const Joseki& j = joseki[i];
    const bool pinned = !j.pinnedGame.isEmpty();
    const QString path = pinned ? j.pinnedGame : index.count(j.key) ? index.at(j.key) : QString();
    if (path.isEmpty()) continue;
    QStringList& problems = pinned ? result.errors : result.warnings;
    const QString hint = pinned ? QStringLiteral(" (JR)")
                                : QStringLiteral(" (index.tsv is out of date: run --select-games)");
    QString error;
    const GameRecord* game = folder.Find(path, error);
    if (!game) {
      problems << QStringLiteral("%1: %2%3").arg(j.Label(), error, hint);
      continue;
    }
    Occurrence occurrence;
    if (!FindJosekiInGame(j, *game, occurrence)) {
      problems << QStringLiteral("%1: not played from an empty corner in games/%2%3")
                      .arg(j.Label(), path, hint);
      continue;
    }
    QString reference;
    try {
      reference = MakeGameReference(*game, occurrence);
    } catch (const BuildError& e) {
      result.errors << QStringLiteral("%1: games/%2: %3").arg(j.Label(), path, e.text());
      continue;
    }
    const QString wrong = VerifyGameReference(j, reference);
    if (!wrong.isEmpty()) {
      result.errors << QStringLiteral("%1: reference to games/%2: %3").arg(j.Label(), path, wrong);
      continue;
    }
    result.references[i] = reference;
    result.gamePaths[i] = path;
    result.places[i] = occurrence;
    ++result.found;
  }
  return result;
}
