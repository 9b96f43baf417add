#include "collection/corner_game.h"

#include <QCryptographicHash>
#include <QRegularExpression>

#include "rules/sgf_point.h"

namespace {

std::optional<Point> PointOfValue(const QString& value) {
  const QString letters = value.trimmed();
  return PointOfSgfLetters(
      {reinterpret_cast<const char16_t*>(letters.utf16()), size_t(letters.size())});
}

// The points of a setup property (single points only, as the records write them).
void AddSetup(const SgfNode& node, const QString& id, Colour colour, CornerGame& game) {
  const SgfProperty* property = node.Find(id);
  if (!property) return;
  for (const QString& value : property->values)
    if (const auto point = PointOfValue(value)) game.setup.push_back({*point, colour});
}

// The move of a node, or false for a node without one; a pass or a bad value
// ends the line (ended set).
bool NodeMove(const SgfNode& node, ColouredMove& move, bool& ended) {
  const bool black = node.Has(QStringLiteral("B"));
  if (!black && !node.Has(QStringLiteral("W"))) return false;
  const auto point = PointOfValue(node.Value(black ? QStringLiteral("B") : QStringLiteral("W")));
  if (!point) {
    ended = true;
    return false;
  }
  move = {*point, black ? Colour::kBlack : Colour::kWhite};
  return true;
}

}  // namespace

int YearOfDate(const QString& date) {
  static const QRegularExpression year(QStringLiteral("^\\s*(\\d{4})"));
  const auto match = year.match(date);
  return match.hasMatch() ? match.captured(1).toInt() : 0;
}

CornerGame CornerGameOf(const std::vector<SgfNode>& mainLine) {
  CornerGame game;
  if (mainLine.empty()) return game;
  const SgfNode& root = mainLine.front();
  AddSetup(root, QStringLiteral("AB"), Colour::kBlack, game);
  AddSetup(root, QStringLiteral("AW"), Colour::kWhite, game);
  game.year = YearOfDate(root.Value(QStringLiteral("DT")).trimmed());
  bool ended = false;
  for (const SgfNode& node : mainLine) {
    ColouredMove move;
    if (NodeMove(node, move, ended)) game.moves.push_back(move);
    if (ended) break;
  }
  return game;
}

CornerGame CornerGameOf(const PlayedGame& played) {
  CornerGame game;
  for (Point p : played.blackSetup) game.setup.push_back({p, Colour::kBlack});
  for (Point p : played.whiteSetup) game.setup.push_back({p, Colour::kWhite});
  game.year = YearOfDate(played.date);
  for (const PlayedMove& move : played.moves) {
    if (!IsOnBoard(move.point)) break;
    game.moves.push_back({move.point, move.colour});
  }
  return game;
}

QByteArray GameFingerprint(const CornerGame& game) {
  // Setup and moves as bytes, a marker between them so that a stone set up
  // never reads as a move played.
  QByteArray bytes;
  bytes.reserve(int(2 * (game.setup.size() + game.moves.size()) + 1));
  const auto add = [&bytes](const ColouredMove& m) {
    bytes.append(char(m.point.column + (m.colour == Colour::kWhite ? 32 : 0)));
    bytes.append(char(m.point.row));
  };
  for (const ColouredMove& m : game.setup) add(m);
  bytes.append('|');
  for (const ColouredMove& m : game.moves) add(m);
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}
