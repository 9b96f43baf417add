#include "collection_builder/game_matcher.h"

#include <algorithm>
#include <numeric>

#include "rules/board_state.h"
#include "rules/captures.h"

namespace {

constexpr int kPointIndexes = (kRing + 1) * (kRing + 1);

int PointIndex(const BoardPoint& p) {
  return p.column * (kRing + 1) + p.row;
}

// Plays game move k (from 0) on the board, captures applied; an occupied
// point is passed over as the game records it.
void PlayMove(BoardState& board, const GameRecord& game, int k) {
  const BoardPoint p = game.moves[k];
  const int16_t colour = game.ColourOfMove(k);
  if (board.at(p.column, p.row) != 0) return;
  board.at(p.column, p.row) = colour;
  AddStoneCounts(board, Point{p.column, p.row}, Colour(colour));
  CaptureCheck(board, Point{p.column, p.row}, Colour(colour), nullptr);
}

// The points within two lines of any of the joseki's points in orientation s.
BoardState NearPoints(const std::vector<BoardPoint>& given, const std::vector<BoardPoint>& numbered,
                      int s) {
  BoardState near;
  auto mark = [&](const BoardPoint& joseki) {
    const BoardPoint p = Transform(joseki, s);
    if (p.IsTenuki()) return;
    for (int c = p.column - kCleanMargin; c <= p.column + kCleanMargin; ++c)
      for (int r = p.row - kCleanMargin; r <= p.row + kCleanMargin; ++r)
        if (IsOnBoard(Point{c, r})) near.at(c, r) = 1;
  };
  for (const BoardPoint& p : given) mark(p);
  for (const BoardPoint& p : numbered) mark(p);
  return near;
}

}  // namespace

BoardState SetUpBoard(const std::vector<BoardPoint>& handicap) {
  BoardState board;
  for (const BoardPoint& p : handicap) {
    if (board.at(p.column, p.row) != 0) continue;
    board.at(p.column, p.row) = 1;
    AddStoneCounts(board, Point{p.column, p.row}, Colour(1));
  }
  return board;
}

bool StartsFromEmptyCorner(const BoardState& before, const std::vector<BoardPoint>& given,
                           const std::vector<BoardPoint>& numbered, int s) {
  BoardState near = NearPoints(given, numbered, s);
  for (const BoardPoint& g : given) {
    const BoardPoint p = Transform(g, s);
    if (!p.IsTenuki()) near.at(p.column, p.row) = 0;  // the given stone itself may stand there
  }
  for (int c = 1; c <= kBoardSize; ++c)
    for (int r = 1; r <= kBoardSize; ++r)
      if (near.at(c, r) && before.at(c, r) != 0) return false;
  return true;
}

JosekiScanner::JosekiScanner(const std::vector<Joseki>& joseki) : anchors_(kPointIndexes) {
  for (size_t j = 0; j < joseki.size(); ++j) {
    Pattern pattern{j, joseki[j].Section() == u'0', -1, {}, joseki[j].NumberedMoves()};
    const int given = std::min<int>(joseki[j].given, static_cast<int>(joseki[j].stones.size()));
    pattern.given.assign(joseki[j].stones.begin(), joseki[j].stones.begin() + given);
    for (size_t i = 0; i < pattern.numbered.size() && pattern.anchor < 0; ++i)
      if (!pattern.numbered[i].IsTenuki()) pattern.anchor = static_cast<int>(i);
    if (pattern.anchor < 0) continue;
    patterns_.push_back(pattern);
    for (int s = 0; s < kSymmetries; ++s) {
      const BoardPoint anchor = Transform(pattern.numbered[pattern.anchor], s);
      Region region;
      for (const BoardPoint& p : pattern.given) region.Include(Transform(p, s));
      for (const BoardPoint& p : pattern.numbered) region.Include(Transform(p, s));
      anchors_[PointIndex(anchor)].push_back({patterns_.size() - 1, s, region});
    }
  }
}

std::vector<JosekiScanner::Placement> JosekiScanner::Placements(const GameRecord& game) const {
  std::vector<Placement> placements;
  const int total = static_cast<int>(game.moves.size());
  for (int k = 1; k <= total; ++k) {
    for (const Anchor& a : anchors_[PointIndex(game.moves[k - 1])]) {
      const Pattern& pattern = patterns_[a.pattern];
      const int first = k - pattern.anchor;
      const int count = static_cast<int>(pattern.numbered.size());
      if (first < 1 || first + count - 1 > total) continue;
      bool match = true;
      for (int i = 0; i < count && match; ++i) {
        const BoardPoint want = Transform(pattern.numbered[i], a.symmetry);
        const BoardPoint got = game.moves[first - 1 + i];
        match = want.IsTenuki() ? IsElsewhere(got, a.region) : want == got;
      }
      if (match) placements.push_back({a.pattern, a.symmetry, first});
    }
  }
  return placements;
}

bool JosekiScanner::StartsHonestly(const Placement& placed, const BoardState& before,
                                   const GameRecord& game) const {
  const Pattern& pattern = patterns_[placed.pattern];
  // The joseki's move 1 is white; in the game it has the colour of move `first`.
  const int firstParity = game.ColourOfMove(placed.first - 1) == 1;  // 1: black played it
  for (size_t g = 0; g < pattern.given.size(); ++g) {
    const BoardPoint p = Transform(pattern.given[g], placed.symmetry);
    if (p.IsTenuki()) continue;
    const int code = before.at(p.column, p.row);
    const int wantParity = g % 2 == 0 ? 1 - firstParity : firstParity;  // black stone: odd code
    if (code == 0 || code % 2 != wantParity) return false;
  }
  return StartsFromEmptyCorner(before, pattern.given, pattern.numbered, placed.symmetry);
}

void JosekiScanner::Scan(const GameRecord& game,
                         const std::function<void(size_t, const Occurrence&)>& found) const {
  if (!game.Searchable() || game.moves.empty()) return;
  std::vector<Placement> placements = Placements(game);
  // Only the handicap section's joseki are looked for in handicap games.
  if (!game.even)
    std::erase_if(placements, [&](const Placement& p) { return !patterns_[p.pattern].handicap; });
  // One replay of the game, only as far as the latest placement begins.
  std::vector<size_t> byFirst(placements.size());
  std::iota(byFirst.begin(), byFirst.end(), size_t{0});
  std::stable_sort(byFirst.begin(), byFirst.end(),
                   [&](size_t a, size_t b) { return placements[a].first < placements[b].first; });
  std::vector<char> honest(placements.size(), 0);
  BoardState board = SetUpBoard(game.handicap);
  int played = 0;
  for (const size_t i : byFirst) {
    for (; played < placements[i].first - 1; ++played) PlayMove(board, game, played);
    honest[i] = StartsHonestly(placements[i], board, game);
  }
  const int total = static_cast<int>(game.moves.size());
  for (size_t i = 0; i < placements.size(); ++i) {
    if (!honest[i]) continue;
    const Placement& placed = placements[i];
    const Pattern& pattern = patterns_[placed.pattern];
    const int next = placed.first + static_cast<int>(pattern.numbered.size());  // after the joseki
    bool staysLocal = false;
    if (next <= total) {
      const BoardPoint p = game.moves[next - 1];
      staysLocal = NearPoints(pattern.given, pattern.numbered, placed.symmetry).at(p.column, p.row);
    }
    found(pattern.joseki, {placed.first, next - 1, placed.symmetry, staysLocal});
  }
}

bool FindJosekiInGame(const Joseki& joseki, const GameRecord& game, Occurrence& occurrence) {
  const std::vector<Joseki> one{joseki};
  bool any = false;
  JosekiScanner(one).Scan(game, [&](size_t, const Occurrence& o) {
    if (!any || (occurrence.staysLocal && !o.staysLocal)) occurrence = o;
    any = true;
  });
  return any;
}
