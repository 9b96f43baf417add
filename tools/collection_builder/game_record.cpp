#include "collection_builder/game_record.h"

#include <QDir>
#include <QDirIterator>

#include "collection/corner_game.h"
#include "collection/sgf_error.h"
#include "collection/sgf_parser.h"
#include "collection/sgf_writer.h"
#include "collection_builder/build_error.h"
#include "collection_builder/joseki_reader.h"

namespace {

// The moves of the main line while they alternate from the first colour and are points.
std::vector<BoardPoint> MainLineMoves(const std::vector<SgfNode>& nodes, bool whiteFirst) {
  std::vector<BoardPoint> moves;
  for (size_t i = 1; i < nodes.size(); ++i) {
    const SgfNode& node = nodes[i];
    if (node.Has(QStringLiteral("AB")) || node.Has(QStringLiteral("AW")) ||
        node.Has(QStringLiteral("AE")))
      break;
    const bool black = (moves.size() % 2 == 0) != whiteFirst;
    const QString colour = black ? QStringLiteral("B") : QStringLiteral("W");
    const QString other = black ? QStringLiteral("W") : QStringLiteral("B");
    if (node.Has(other)) break;
    if (!node.Has(colour)) continue;
    BoardPoint point;
    if (!ParseSgfMove(node.Value(colour), point) || point.IsTenuki()) break;
    moves.push_back(point);
  }
  return moves;
}

void StripComments(SgfTree& tree) {
  for (SgfNode& node : tree.nodes) {
    std::erase_if(node.properties,
                  [](const SgfProperty& p) { return p.id == u"C" || p.id == u"GC"; });
  }
  for (SgfTree& variation : tree.variations) StripComments(variation);
}

// The black stones of a handicap game's root; empty when the root is no
// handicap setup (white stones set up too, a move in the root, a bad point).
std::vector<BoardPoint> HandicapStones(const SgfNode& root) {
  const SgfProperty* black = root.Find(QStringLiteral("AB"));
  if (!black || root.Has(QStringLiteral("AW")) || root.Has(QStringLiteral("AE")) ||
      root.Has(QStringLiteral("B")) || root.Has(QStringLiteral("W")))
    return {};
  std::vector<BoardPoint> stones;
  for (const QString& value : black->values) {
    BoardPoint point;
    if (!ParseSgfMove(value, point) || point.IsTenuki()) return {};
    stones.push_back(point);
  }
  return stones;
}

// Whether the main line's first move is white's.
bool WhiteMovesFirst(const std::vector<SgfNode>& nodes) {
  for (size_t i = 1; i < nodes.size(); ++i) {
    if (nodes[i].Has(QStringLiteral("W"))) return true;
    if (nodes[i].Has(QStringLiteral("B"))) return false;
  }
  return false;
}

}  // namespace

int GameRecord::Year() const {
  return YearOfDate(date);
}

GameRecord ReadGameRecord(const QString& fullPath, const QString& relativePath) {
  std::vector<SgfTree> trees;
  try {
    trees = ParseSgfFile(fullPath);
  } catch (const SgfError& error) {
    throw BuildError(QStringLiteral("games/%1: %2").arg(relativePath, error.text()));
  }
  const std::vector<SgfNode> nodes = MainLine(trees.front());
  const SgfNode& root = nodes.front();
  GameRecord game;
  game.path = relativePath;
  game.black = root.Value(QStringLiteral("PB")).trimmed();
  game.white = root.Value(QStringLiteral("PW")).trimmed();
  game.blackRank = root.Value(QStringLiteral("BR")).trimmed();
  game.whiteRank = root.Value(QStringLiteral("WR")).trimmed();
  game.date = root.Value(QStringLiteral("DT")).trimmed();
  game.event = root.Value(QStringLiteral("EV")).trimmed();
  const QString handicap = root.Value(QStringLiteral("HA"), QStringLiteral("0")).trimmed();
  game.even = (handicap == u"0" || handicap.isEmpty()) && !root.Has(QStringLiteral("AB")) &&
              !root.Has(QStringLiteral("AW")) &&
              root.Value(QStringLiteral("SZ"), QStringLiteral("19")).trimmed() == u"19";
  if (root.Has(QStringLiteral("B")) || root.Has(QStringLiteral("W"))) game.even = false;
  const bool full = root.Value(QStringLiteral("SZ"), QStringLiteral("19")).trimmed() == u"19";
  if (!game.even && full && WhiteMovesFirst(nodes)) game.handicap = HandicapStones(root);
  game.moves = MainLineMoves(nodes, !game.handicap.empty());
  return game;
}

QString StrippedGameText(const QString& fullPath) {
  std::vector<SgfTree> trees;
  try {
    trees = ParseSgfFile(fullPath);
  } catch (const SgfError& error) {
    throw BuildError(error.text());
  }
  QString text;
  for (SgfTree& tree : trees) {
    StripComments(tree);
    text += WriteSgfTree(tree);
  }
  return text;
}

QStringList ListSgfFiles(const QString& dir) {
  QStringList files;
  const QDir root(QDir(dir).absolutePath());
  QDirIterator it(root.path(), {QStringLiteral("*.sgf")}, QDir::Files,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) files << root.relativeFilePath(it.next());
  files.sort();
  return files;
}
