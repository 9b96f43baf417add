#include "collection_builder/corner_index_build.h"

#include <QDir>

CornerIndex BuildCornerIndexFromData(const QString& dataDir, const std::vector<Joseki>& joseki) {
  const QDir data(dataDir);
  const std::vector<SgfTree> engine = ReadEngineTrees(data.filePath(QStringLiteral("engine")));
  const CornerGameFolder games = ReadCornerGames(data.filePath(QStringLiteral("games")));
  return BuildCornerIndex(joseki, engine, games.games);
}

QString CornerIndexMeasure(const CornerIndex& index, qint64 milliseconds) {
  size_t continuations = 0, passages = 0, fromGames = 0, fromEngine = 0, fromRows = 0;
  for (const auto& [key, tally] : index.positions) {
    continuations += tally.continuations.size();
    passages += tally.rows.size();
    fromGames += tally.games > 0;
    fromEngine += tally.engineGames > 0;
    fromRows += !tally.rows.empty();
  }
  return QStringLiteral(
             "corner index: %1 positions (%2 from games, %3 from the engine trees, %4 on rows), "
             "%5 continuations, %6 row passages, %7 games replayed, in %8 ms\n")
      .arg(index.positions.size())
      .arg(fromGames)
      .arg(fromEngine)
      .arg(fromRows)
      .arg(continuations)
      .arg(passages)
      .arg(index.games)
      .arg(milliseconds);
}
