#include "collection/corner_tally.h"

#include <algorithm>
#include <array>

#include "rules/captures.h"
#include "rules/sgf_point.h"

namespace {

using CornerFlags = std::array<bool, kCorners>;

void MarkCorners(Point p, CornerFlags& flags) {
  for (int corner = 0; corner < kCorners; ++corner) flags[corner] |= IsInCorner(p, corner);
}

// Plays a game move; flags the corners whose region it changed (its point, its captures).
void PlayGameMove(BoardState& board, const ColouredMove& move, CornerFlags& changed) {
  PlaceStone(board, move.point, move.colour);
  MarkCorners(move.point, changed);
  CaptureCheck(board, move.point, move.colour, [&](Point q) { MarkCorners(q, changed); });
}

// The engine trees' game count of a node: its comment {"count": N, ...}.
int EngineCount(const SgfNode& node) {
  const QString comment = node.Value(QStringLiteral("C"));
  const QString field = QStringLiteral("\"count\":");
  const qsizetype at = comment.indexOf(field);
  if (at < 0) return 0;
  qsizetype end = at + field.size();
  while (end < comment.size() && comment[end] == u' ') ++end;
  qsizetype digits = end;
  while (digits < comment.size() && comment[digits].isDigit()) ++digits;
  return comment.mid(end, digits - end).toInt();
}

// The move of an engine tree's node: false without one or with a value that
// is no point; {0, 0} for a tenuki (an empty value or "tt").
bool EngineMove(const SgfNode& node, Point& point, Colour& colour) {
  const bool black = node.Has(QStringLiteral("B"));
  if (!black && !node.Has(QStringLiteral("W"))) return false;
  colour = black ? Colour::kBlack : Colour::kWhite;
  const QString value = node.Value(black ? QStringLiteral("B") : QStringLiteral("W")).trimmed();
  if (value.isEmpty() || value == u"tt") {
    point = {0, 0};
    return true;
  }
  const auto p =
      PointOfSgfLetters({reinterpret_cast<const char16_t*>(value.utf16()), size_t(value.size())});
  if (p) point = *p;
  return p.has_value();
}

// Where the engine trees stand while they are walked: the position before the next node.
struct EngineStep {
  BoardState board;
  PositionTally* tally = nullptr;  // nullptr at the empty corner
  CornerPosition position;
};

// The engine trees' sequences lie in the upper-right corner.
constexpr int kEngineCorner = 1;

}  // namespace

size_t CornerKeyHash::operator()(const CornerKey& key) const {
  size_t hash = 1469598103934665603ull;
  for (uint8_t byte : key) hash = (hash ^ byte) * 1099511628211ull;
  return hash;
}

ContinuationTally& ContinuationAt(PositionTally& tally, Point point) {
  for (ContinuationTally& c : tally.continuations)
    if (c.point == point) return c;
  tally.continuations.push_back({.point = point});
  return tally.continuations.back();
}

void CornerIndex::AddRow(int josekiId, const std::vector<Point>& stones, int given) {
  BoardState board;
  for (size_t k = 0; k < stones.size(); ++k) {
    const Colour colour = ColourOfNth(static_cast<int>(k) + 1);
    const Point p = stones[k];
    if (p.column != 0) {
      PlaceStone(board, p, colour);
      if (static_cast<int>(k) >= given) CaptureCheck(board, p, colour, nullptr);
    }
    const CornerPosition position = ReadCorner(board, 0, OtherColour(colour));
    if (position.IsEmpty()) continue;
    PositionTally& tally = positions[position.key];
    tally.stones = position.stones;
    tally.rows.push_back({josekiId, static_cast<int>(k) + 1});
  }
}

void CornerIndex::AddEngineTree(const SgfTree& tree) {
  // Depth first with an explicit stack of (tree, where it starts).
  std::vector<std::pair<const SgfTree*, EngineStep>> pending{{&tree, EngineStep{}}};
  while (!pending.empty()) {
    auto [sequence, step] = std::move(pending.back());
    pending.pop_back();
    for (const SgfNode& node : sequence->nodes) {
      Point p;
      Colour colour;
      if (!EngineMove(node, p, colour)) continue;
      const int count = EngineCount(node);
      if (step.tally)
        ContinuationAt(*step.tally, KeyFramePoint(step.position, p)).engineGames += count;
      if (p.column != 0 && IsOnBoard(p)) PlayWithCaptures(step.board, p, colour);
      step.position = ReadCorner(step.board, kEngineCorner, OtherColour(colour));
      step.tally = step.position.IsEmpty() ? nullptr : &positions[step.position.key];
      if (!step.tally) continue;
      step.tally->stones = step.position.stones;
      step.tally->engineGames += count;
    }
    for (auto it = sequence->variations.rbegin(); it != sequence->variations.rend(); ++it)
      pending.push_back({&*it, step});
  }
}

void CornerIndex::AddGame(const CornerGame& game) {
  const int gameId = games++;
  BoardState board;
  CornerFlags occupied{};
  for (const ColouredMove& stone : game.setup) {
    if (!IsOnBoard(stone.point)) continue;
    PlaceStone(board, stone.point, stone.colour);
    MarkCorners(stone.point, occupied);
  }
  const auto& moves = game.moves;
  // A position is counted after a move that changed its corner, and once more
  // after one move elsewhere (the other side to move), so a tenuki's answer is known.
  auto record = [&](int corner, Colour toMove, size_t next) {
    const CornerPosition position = ReadCorner(board, corner, toMove);
    if (position.IsEmpty()) return;
    auto found = positions.find(position.key);
    if (found == positions.end()) {
      if (position.stones > kGameStoneLimit) return;
      found =
          positions
              .emplace(position.key,
                       PositionTally{.stones = position.stones, .continuations = {}, .rows = {}})
              .first;
    }
    PositionTally& tally = found->second;
    if (tally.lastGame != gameId) {
      tally.lastGame = gameId;
      ++tally.games;
      tally.gamesFromOccupied += occupied[corner];
    }
    if (next >= moves.size()) return;
    ContinuationTally& c = ContinuationAt(tally, KeyFramePoint(position, moves[next].point));
    if (c.lastGame != gameId) {
      c.lastGame = gameId;
      ++c.games;
      if (game.year != 0) {
        c.firstYear = c.firstYear == 0 ? game.year : std::min(c.firstYear, game.year);
        c.lastYear = std::max(c.lastYear, game.year);
      }
    }
    const bool left = c.point.column != 0 && next + 1 < moves.size() &&
                      !IsInCorner(moves[next + 1].point, corner);
    if (left && c.lastLeftGame != gameId) {
      c.lastLeftGame = gameId;
      ++c.cornerLeft;
    }
  };
  // Handicap stones count as the move before the first: their corners are
  // counted with the first move's side to play, and once more after it.
  CornerFlags changedBefore{};
  if (!moves.empty()) {
    changedBefore = occupied;
    for (int corner = 0; corner < kCorners; ++corner)
      if (occupied[corner]) record(corner, moves[0].colour, 0);
  }
  for (size_t i = 0; i < moves.size(); ++i) {
    if (!IsOnBoard(moves[i].point)) break;
    CornerFlags changed{};
    PlayGameMove(board, moves[i], changed);
    for (int corner = 0; corner < kCorners; ++corner)
      if (changed[corner] || changedBefore[corner])
        record(corner, OtherColour(moves[i].colour), i + 1);
    changedBefore = changed;
  }
}
