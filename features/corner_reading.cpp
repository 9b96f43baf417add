#include "features/corner_reading.h"

#include <algorithm>
#include <tuple>

#include "rules/board_symmetry.h"

namespace {

// A corner's own quarter is nine lines from each of its edges; the lines up
// to the thirteenth, as far as the collection's rows reach, are shared with
// the corners beside it.
constexpr int kOwnLines = 9;
constexpr int kSharedLines = 13;

enum class Zone { kOwn, kShared, kElsewhere };

// A stone of the game as one corner sees it: the point turned so that the
// corner lies upper left, where the collection's rows lie.
struct CornerStone {
  int move = 0;  // 0 for a setup stone
  Colour colour = Colour::kBlack;
  Point point;
  Zone zone = Zone::kElsewhere;
};

Point Turned(Corner corner, Point p) {
  if (!IsOnBoard(p)) return {};
  const bool right = corner == Corner::kUpperRight || corner == Corner::kLowerRight;
  const bool lower = corner == Corner::kLowerLeft || corner == Corner::kLowerRight;
  return Symmetry::ToCorner(right, lower)(p);  // its own inverse: the corner to the upper left
}

CornerStone Stone(Corner corner, int move, Colour colour, Point p) {
  const Point q = Turned(corner, p);
  const int reach = std::max(q.column, q.row);
  const Zone zone = !IsOnBoard(q)           ? Zone::kElsewhere
                    : reach <= kOwnLines    ? Zone::kOwn
                    : reach <= kSharedLines ? Zone::kShared
                                            : Zone::kElsewhere;
  return {move, colour, q, zone};
}

// The corner's stones from its first own stone on: a setup stone of the
// corner first (only one: a handicap stone), then every move of the game.
std::vector<CornerStone> CornerStones(const PlayedGame& game, Corner corner) {
  std::vector<CornerStone> stones;
  for (auto [setup, colour] :
       {std::pair{&game.blackSetup, Colour::kBlack}, std::pair{&game.whiteSetup, Colour::kWhite}}) {
    for (Point p : *setup) {
      const CornerStone stone = Stone(corner, 0, colour, p);
      if (stones.empty() && stone.zone == Zone::kOwn) stones.push_back(stone);
    }
  }
  for (size_t k = 0; k < game.moves.size(); ++k) {
    const CornerStone stone = Stone(corner, int(k) + 1, game.moves[k].colour, game.moves[k].point);
    if (!stones.empty() || stone.zone == Zone::kOwn) stones.push_back(stone);
  }
  return stones;
}

// The given stones and numbered moves of a joseki as one sequence.
class RowStones {
 public:
  explicit RowStones(const JosekiRecord& joseki) : joseki_(joseki) {}
  int size() const { return given() + int(joseki_.numberedMoves.size()); }
  int given() const { return int(joseki_.givenStones.size()); }
  const StoredMove& operator[](int j) const {
    return j < given() ? joseki_.givenStones[size_t(j)]
                       : joseki_.numberedMoves[size_t(j - given())];
  }

 private:
  const JosekiRecord& joseki_;
};

bool IsElsewhere(const StoredMove& move) {
  return move.row == kElsewhere || move.column == kElsewhere;
}

Point RowPoint(const StoredMove& move, bool mirrored) {
  const Point p{move.column, move.row};
  return mirrored ? Symmetry::Diagonal()(p) : p;
}

// How far the game followed one row in one orientation.
struct Walk {
  enum class End { kLeftTheBook, kUnfinished, kComplete };  // worst to best
  int followed = 0;
  End end = End::kUnfinished;
  int leftAt = 0;          // the move that no stone of the row fits
  std::vector<int> moves;  // the game's move of each followed stone, when asked for
};

// The row followed further, or as far and then to a better end, or else the
// shorter row: the one whose stones the game played most closely.
bool Closer(const Walk& walk, int rowSize, const Walk& other, int otherSize) {
  return std::tuple(walk.followed, walk.end, -rowSize) >
         std::tuple(other.followed, other.end, -otherSize);
}

Walk Follow(const std::vector<CornerStone>& stones, const RowStones& row, bool mirrored,
            bool keepMoves) {
  Walk walk;
  const bool swapped = stones.front().colour == Colour::kWhite;
  const auto follow = [&](const CornerStone& stone) {
    ++walk.followed;
    if (keepMoves) walk.moves.push_back(stone.move);
  };
  follow(stones.front());
  for (size_t i = 1; i < stones.size() && walk.followed < row.size(); ++i) {
    const CornerStone& stone = stones[i];
    const StoredMove& next = row[walk.followed];
    const bool colourFits = (stone.colour == ColourOfNth(walk.followed + 1)) != swapped;
    const bool fits =
        IsElsewhere(next) ? stone.zone != Zone::kOwn : stone.point == RowPoint(next, mirrored);
    if (fits && colourFits) {
      follow(stone);
    } else if (stone.zone == Zone::kOwn) {
      walk.end = Walk::End::kLeftTheBook;
      walk.leftAt = stone.move;
      return walk;
    }
  }
  if (walk.followed == row.size()) walk.end = Walk::End::kComplete;
  return walk;
}

void Number(CornerReading& reading, const Walk& walk, int given) {
  for (int j = given; j < walk.followed; ++j)
    reading.numbers.push_back({walk.moves[size_t(j)], j - given + 1});
  reading.lastShownMove = walk.moves.back();
  if (walk.end != Walk::End::kLeftTheBook) return;
  reading.leftBookAt = reading.lastShownMove = walk.leftAt;
  if (walk.followed >= given) reading.numbers.push_back({walk.leftAt, walk.followed - given + 1});
}

CornerReading ReadCorner(const PlayedGame& game, Corner corner, const std::vector<BookRow>& book) {
  CornerReading reading;
  reading.corner = corner;
  const std::vector<CornerStone> stones = CornerStones(game, corner);
  if (stones.empty()) return reading;
  reading.firstMove = stones.front().move;
  Walk best;
  int bestSize = 0;
  bool bestMirrored = false;
  for (size_t r = 0; r < book.size(); ++r) {
    const RowStones row(*book[r].joseki);
    for (bool mirrored : {false, true}) {
      if (row.size() == 0 || IsElsewhere(row[0]) ||
          RowPoint(row[0], mirrored) != stones.front().point)
        continue;
      const Walk walk = Follow(stones, row, mirrored, false);
      if (reading.row && !Closer(walk, row.size(), best, bestSize)) continue;
      best = walk;
      bestSize = row.size();
      bestMirrored = mirrored;
      reading.row = r;
    }
  }
  if (!reading.row) return reading;
  const RowStones chosen(*book[*reading.row].joseki);
  best = Follow(stones, chosen, bestMirrored, true);
  reading.followedStones = best.followed;
  Number(reading, best, chosen.given());
  return reading;
}

}  // namespace

QString CornerName(Corner corner) {
  switch (corner) {
    case Corner::kUpperLeft:
      return u"左上隅"_qs;
    case Corner::kUpperRight:
      return u"右上隅"_qs;
    case Corner::kLowerLeft:
      return u"左下隅"_qs;
    case Corner::kLowerRight:
      return u"右下隅"_qs;
  }
  return {};
}

std::array<CornerReading, 4> ReadCorners(const PlayedGame& game, const std::vector<BookRow>& book) {
  std::array<CornerReading, 4> readings;
  for (Corner corner :
       {Corner::kUpperLeft, Corner::kUpperRight, Corner::kLowerLeft, Corner::kLowerRight})
    readings[size_t(corner)] = ReadCorner(game, corner, book);
  return readings;
}
