#include "collection_builder/game_references.h"

#include <QDir>
#include <QFile>
#include <map>
#include <optional>

#include "collection_builder/build_error.h"
#include "collection_builder/game_index.h"
#include "collection_builder/game_matcher.h"
#include "collection_builder/game_record.h"
#include "collection_builder/game_reference.h"

namespace {

class GameCache {
 public:
  explicit GameCache(const QString& dir) : dir_(dir) {}

  // The game at the relative path, or nullptr with the reason in error.
  const GameRecord* Get(const QString& path, QString& error) {
    auto it = games_.find(path);
    if (it == games_.end()) {
      std::optional<GameRecord> game;
      QString reason;
      const QString full = QDir(dir_).filePath(path);
      if (!QFile::exists(full)) {
        reason = QStringLiteral("games/%1 does not exist").arg(path);
      } else {
        try {
          game = ReadGameRecord(full, path);
        } catch (const BuildError& e) {
          reason = e.text();
        }
      }
      it = games_.emplace(path, std::make_pair(game, reason)).first;
    }
    error = it->second.second;
    return it->second.first ? &*it->second.first : nullptr;
  }

 private:
  QString dir_;
  std::map<QString, std::pair<std::optional<GameRecord>, QString>> games_;
};

}  // namespace

ReferenceResult MakeGameReferences(const std::vector<Joseki>& joseki, const QString& gamesDir) {
  ReferenceResult result;
  result.references.resize(joseki.size());
  GameIndex index;
  try {
    index = ReadGameIndex(QDir(gamesDir).filePath(QStringLiteral("index.tsv")));
  } catch (const BuildError& e) {
    result.errors << e.text();
    return result;
  }
  GameCache cache(gamesDir);
  for (size_t i = 0; i < joseki.size(); ++i) {
    const Joseki& j = joseki[i];
    const bool pinned = !j.pinnedGame.isEmpty();
    const QString path = pinned ? j.pinnedGame : index.count(j.key) ? index.at(j.key) : QString();
    if (path.isEmpty()) continue;
    QStringList& problems = pinned ? result.errors : result.warnings;
    const QString hint = pinned ? QStringLiteral(" (JR)")
                                : QStringLiteral(" (index.tsv is out of date: run --select-games)");
    QString error;
    const GameRecord* game = cache.Get(path, error);
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
    ++result.found;
  }
  return result;
}
