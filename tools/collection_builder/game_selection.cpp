#include "collection_builder/game_selection.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <map>
#include <tuple>

#include "collection_builder/build_error.h"
#include "collection_builder/collection_build.h"
#include "collection_builder/famous_games.h"
#include "collection_builder/game_index.h"
#include "collection_builder/game_matcher.h"
#include "collection_builder/game_record.h"
#include "collection_builder/game_reference.h"

namespace {

struct Candidate {
  QString path;
  std::tuple<int, int, int, int, QString> rank;  // lower is better
};

// A game that leaves the corner after the joseki first, then for a joseki of
// the handicap section a handicap game, then fame, then the earliest year
// (undated last), then path.
std::tuple<int, int, int, int, QString> Rank(const Joseki& joseki, const GameRecord& game,
                                             const Occurrence& occurrence) {
  const int year = game.Year() > 0 ? game.Year() : 9999;
  const int unlike = joseki.Section() == u'0' && game.even ? 1 : 0;
  return {occurrence.staysLocal ? 1 : 0, unlike, FameRank(game), year, game.path};
}

using SearchResult = std::map<size_t, Candidate>;  // joseki -> its reference game

SearchResult SearchGames(const std::vector<Joseki>& joseki, const QString& dir, QTextStream& err) {
  const JosekiScanner scanner(joseki);
  SearchResult result;
  for (const QString& path : ListSgfFiles(dir)) {
    GameRecord game;
    try {
      game = ReadGameRecord(QDir(dir).filePath(path), path);
    } catch (const BuildError& e) {
      err << "warning: skipped " << e.text() << '\n';
      continue;
    }
    if (!HasKanjiHeading(game)) continue;
    scanner.Scan(game, [&](size_t j, const Occurrence& occurrence) {
      if (!joseki[j].pinnedGame.isEmpty()) return;
      const Candidate candidate{path, Rank(joseki[j], game, occurrence)};
      auto it = result.find(j);
      if (it == result.end() || candidate.rank < it->second.rank) result[j] = candidate;
    });
  }
  return result;
}

// Removes the game copies of an earlier selection (every *.sgf under dir) and
// the folders they leave empty.
void RemoveOldCopies(const QString& dir) {
  for (const QString& path : ListSgfFiles(dir)) QFile::remove(QDir(dir).filePath(path));
  QStringList folders;
  QDirIterator it(dir, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) folders << it.next();
  std::sort(folders.begin(), folders.end(),
            [](const QString& a, const QString& b) { return a.size() > b.size(); });
  for (const QString& folder : folders) QDir().rmdir(folder);  // only empty ones go
}

void CopyGame(const QString& from, const QString& to) {
  QDir().mkpath(QFileInfo(to).absolutePath());
  QSaveFile file(to);
  if (!file.open(QIODevice::WriteOnly))
    throw BuildError(QStringLiteral("%1: cannot write: %2").arg(to, file.errorString()));
  file.write(StrippedGameText(from).toUtf8());
  if (!file.commit()) throw BuildError(QStringLiteral("%1: cannot write").arg(to));
}

}  // namespace

int SelectGames(const QString& sharedGamesDir, const QString& dataDir, QTextStream& out,
                QTextStream& err) {
  const LoadedCollection loaded = LoadCollection(dataDir);
  if (!loaded.errors.isEmpty()) {
    for (const QString& e : loaded.errors) err << "error: " << e << '\n';
    err << "fix the joseki first; no game selected\n";
    err.flush();
    return 1;
  }
  if (!QFileInfo(sharedGamesDir).isDir()) {
    err << "error: " << sharedGamesDir << " is not a folder\n";
    err.flush();
    return 1;
  }
  QElapsedTimer timer;
  timer.start();
  const SearchResult found = SearchGames(loaded.joseki, sharedGamesDir, err);
  const qint64 searchMs = timer.elapsed();
  GameIndex index;
  for (const auto& [j, candidate] : found) index[loaded.joseki[j].key] = candidate.path;
  // Every game is kept, not only those of the joseki: the corner position
  // index counts what all of them played, and a joseki added later finds its
  // games without a new copy.
  const QStringList copies = ListSgfFiles(sharedGamesDir);
  const QString gamesDir = QDir(dataDir).filePath(QStringLiteral("games"));
  try {
    QDir().mkpath(gamesDir);
    RemoveOldCopies(gamesDir);
    for (const QString& path : copies)
      CopyGame(QDir(sharedGamesDir).filePath(path), QDir(gamesDir).filePath(path));
    WriteGameIndex(index, QDir(gamesDir).filePath(QStringLiteral("index.tsv")));
  } catch (const BuildError& e) {
    err << "error: " << e.text() << '\n';
    err.flush();
    return 1;
  }
  out << "joseki with a game: " << found.size() << " of " << loaded.joseki.size()
      << " (pinned by JR not counted)\n"
      << "games copied to " << gamesDir << ": " << copies.size()
      << " (every game of the collection)\n"
      << "search of " << sharedGamesDir << ": " << searchMs << " ms\n";
  out.flush();
  return 0;
}
