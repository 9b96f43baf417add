#include "collection_builder/corner_sources.h"

#include <QDir>

#include "collection/sgf_error.h"
#include "collection_builder/build_error.h"
#include "collection_builder/game_record.h"

CornerGameFolder ReadCornerGames(const QString& dir) {
  CornerGameFolder folder;
  for (const QString& path : ListSgfFiles(dir)) {
    try {
      const std::vector<SgfTree> trees = ParseSgfFile(QDir(dir).filePath(path));
      if (trees.empty()) {
        ++folder.unreadable;
        continue;
      }
      folder.games.push_back(CornerGameOf(MainLine(trees.front())));
    } catch (const SgfError&) {
      ++folder.unreadable;
    }
  }
  return folder;
}

std::vector<SgfTree> ReadEngineTrees(const QString& dir) {
  std::vector<SgfTree> trees;
  for (const QString& path : ListSgfFiles(dir)) {
    try {
      for (SgfTree& tree : ParseSgfFile(QDir(dir).filePath(path))) trees.push_back(std::move(tree));
    } catch (const SgfError& error) {
      throw BuildError(QStringLiteral("engine/%1: %2").arg(path, error.text()));
    }
  }
  return trees;
}
