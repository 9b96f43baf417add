#include "collection_builder/corner_sources.h"

#include <QDir>

#include "collection/sgf_error.h"
#include "collection_builder/build_error.h"
#include "collection_builder/game_record.h"
#include "collection_builder/joseki_reader.h"

namespace {

// The points of a setup property (single points only, as the records write them).
void AddSetup(const SgfNode& node, const QString& id, Colour colour, CornerGame& game) {
  const SgfProperty* property = node.Find(id);
  if (!property) return;
  for (const QString& value : property->values) {
    BoardPoint point;
    if (ParseSgfMove(value, point) && !point.IsTenuki())
      game.setup.push_back({{point.column, point.row}, colour});
  }
}

// The move of a node, or false for a node without one; a pass or a bad value
// ends the line (ended set).
bool NodeMove(const SgfNode& node, ColouredMove& move, bool& ended) {
  const bool black = node.Has(QStringLiteral("B"));
  if (!black && !node.Has(QStringLiteral("W"))) return false;
  BoardPoint point;
  if (!ParseSgfMove(node.Value(black ? QStringLiteral("B") : QStringLiteral("W")), point) ||
      point.IsTenuki()) {
    ended = true;
    return false;
  }
  move = {{point.column, point.row}, black ? Colour::kBlack : Colour::kWhite};
  return true;
}

}  // namespace

CornerGame CornerGameOf(const std::vector<SgfNode>& mainLine) {
  CornerGame game;
  if (mainLine.empty()) return game;
  const SgfNode& root = mainLine.front();
  AddSetup(root, QStringLiteral("AB"), Colour::kBlack, game);
  AddSetup(root, QStringLiteral("AW"), Colour::kWhite, game);
  GameRecord dated;
  dated.date = root.Value(QStringLiteral("DT")).trimmed();
  game.year = dated.Year();
  bool ended = false;
  for (const SgfNode& node : mainLine) {
    ColouredMove move;
    if (NodeMove(node, move, ended)) game.moves.push_back(move);
    if (ended) break;
  }
  return game;
}

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
