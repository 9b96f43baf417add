// The corner position index as the collection reads it, against the sources
// it was built from: a plain replay of every game for a few hundred random
// positions, transpositions, and search by position over every row.
#include <gtest/gtest.h>

#include <iostream>

#include <QDir>
#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <unordered_map>

#include "collection/corner_index_reader.h"
#include "collection/sgf_parser.h"
#include "collection_builder/collection_build.h"
#include "collection_builder/corner_sources.h"
#include "rules/captures.h"
#include "support/test_folder.h"

namespace {

const QString& CollectionFile() {
  static const QString file = BuiltProgramFolder().CollectionFile();
  return file;
}

const CornerGameFolder& Games() {
  static const CornerGameFolder games =
      ReadCornerGames(QDir(QStringLiteral(SOURCE_DIR)).filePath(QStringLiteral("data/games")));
  return games;
}

// The plain replay's own board: colours by point, no count codes.
using Plain = std::array<std::array<char, 20>, 20>;  // [column][row]: '.', 'B', 'W'

// Point p of the upper-left frame seen through symmetry s, written out here
// rather than taken from the rules layer: bit 2 exchanges, then bits 0 and 1 mirror.
Point Seen(Point p, int s) {
  if (s & 4) std::swap(p.column, p.row);
  if (s & 1) p.column = 20 - p.column;
  if (s & 2) p.row = 20 - p.row;
  return p;
}

// The upper-left 10x10 region of the board seen through s, the side to move's
// stones as 'M' and the other side's as 'T' (which makes swapped colours one
// reading), row by row.
std::string Region(const BoardState& board, int s, Colour toMove) {
  std::string text;
  for (int row = 1; row <= 10; ++row) {
    for (int column = 1; column <= 10; ++column) {
      const int code = board.at(Seen({column, row}, s));
      const Colour colour = code % 2 != 0 ? Colour::kBlack : Colour::kWhite;
      text += code == 0 ? '.' : colour == toMove ? 'M' : 'T';
    }
  }
  return text;
}

// The key frame's position written as Region writes it.
std::string KeyText(const CornerKey& key) {
  std::string text;
  for (int row = 1; row <= 10; ++row)
    for (int column = 1; column <= 10; ++column) text += ".MT"[KeyStone(key, {column, row})];
  return text;
}

// The point of the upper-left frame that s carries onto p, or {0, 0} outside the region.
Point FramePoint(Point p, int s) {
  for (int row = 1; row <= 10; ++row)
    for (int column = 1; column <= 10; ++column)
      if (Seen({column, row}, s) == p) return {column, row};
  return {0, 0};
}

struct Expected {
  std::set<int> games;
  std::map<std::pair<int, int>, std::set<int>> followed, left;  // (row, column) -> games
  std::map<std::pair<int, int>, std::pair<int, int>> years;
};

// Replays every game; after each move that changed a corner (and once after a
// move elsewhere that followed it), and before the first move in a corner
// that handicap stones occupy, looks the corner up among the targets in both
// of its readings.
void ReplayAll(const std::unordered_map<std::string, size_t>& targets,
               std::vector<Expected>& expected) {
  for (size_t g = 0; g < Games().games.size(); ++g) {
    const CornerGame& game = Games().games[g];
    const auto& moves = game.moves;
    BoardState board;
    for (const ColouredMove& s : game.setup) PlaceStone(board, s.point, s.colour);
    // The corner c as it stands with toMove to play moves[next].
    const auto count = [&](int c, Colour toMove, size_t next) {
      std::vector<Point> followed;
      size_t target = targets.size();
      for (int s : {c, c | 4}) {
        const auto found = targets.find(Region(board, s, toMove));
        if (found == targets.end()) continue;
        target = found->second;
        if (next < moves.size()) followed.push_back(FramePoint(moves[next].point, s));
      }
      if (target == targets.size()) return;
      Expected& e = expected[target];
      e.games.insert(static_cast<int>(g));
      if (followed.empty()) return;
      const Point p = *std::min_element(followed.begin(), followed.end(), [](Point a, Point b) {
        return std::pair(a.row, a.column) < std::pair(b.row, b.column);
      });
      const std::pair<int, int> at{p.row, p.column};
      e.followed[at].insert(static_cast<int>(g));
      if (p.column != 0 && next + 1 < moves.size() &&
          FramePoint(moves[next + 1].point, c) == Point{0, 0})
        e.left[at].insert(static_cast<int>(g));
      if (game.year != 0) {
        auto [it, fresh] = e.years.try_emplace(at, game.year, game.year);
        it->second = {std::min(it->second.first, game.year),
                      std::max(it->second.second, game.year)};
      }
    };
    std::array<std::string, 4> before;
    std::array<bool, 4> changedBefore{};
    for (int c = 0; c < 4; ++c) {
      before[c] = Region(board, c, Colour::kBlack);
      changedBefore[c] = !moves.empty() && before[c].find_first_not_of('.') != std::string::npos;
      if (changedBefore[c]) count(c, moves[0].colour, 0);
    }
    for (size_t i = 0; i < moves.size(); ++i) {
      PlayWithCaptures(board, moves[i].point, moves[i].colour);
      for (int c = 0; c < 4; ++c) {
        const std::string now = Region(board, c, Colour::kBlack);
        const bool changed = now != before[c];
        before[c] = now;
        const bool counted = changed || changedBefore[c];
        changedBefore[c] = changed;
        if (counted) count(c, Other(moves[i].colour), i + 1);
      }
    }
  }
}

// A random position of a random game: the corner a move was played in, just after it.
std::optional<CornerPosition> RandomGamePosition(std::mt19937& random) {
  const auto& games = Games().games;
  const CornerGame& game = games[random() % games.size()];
  if (game.moves.empty()) return std::nullopt;
  const size_t upTo = random() % game.moves.size();
  BoardState board;
  for (const ColouredMove& s : game.setup) PlaceStone(board, s.point, s.colour);
  for (size_t i = 0; i <= upTo; ++i)
    PlayWithCaptures(board, game.moves[i].point, game.moves[i].colour);
  for (int c = 0; c < 4; ++c)
    if (IsInCorner(game.moves[upTo].point, c))
      return ReadCorner(board, c, Other(game.moves[upTo].colour));
  return std::nullopt;
}

// The final position of 20010 小目・小ゲイマガカリ・コスミ, the book's first 3-4 row.
CornerPosition FirstKomokuRowsFinalPosition() {
  const LoadedCollection loaded = LoadCollection(QStringLiteral(SOURCE_DIR "/data"));
  const auto row = std::find_if(loaded.joseki.begin(), loaded.joseki.end(),
                                [](const Joseki& j) { return j.key == u"20010"; });
  if (row == loaded.joseki.end()) return {};
  BoardState board;
  for (size_t k = 0; k < row->stones.size(); ++k)
    PlayWithCaptures(board, {row->stones[k].column, row->stones[k].row}, ColourOfNth(int(k) + 1));
  return ReadCorner(board, 0, ColourOfNth(int(row->stones.size()) + 1));
}

// One replay of every game checks 300 random positions of the games and the
// final position of 20010 against the index.
TEST(CornerLookup, ContinuationsEqualAPlainReplayOfEveryGame) {
  const CornerIndexReader index(CollectionFile());
  ASSERT_TRUE(index.IsOpen()) << index.Error().toStdString();
  ASSERT_GT(Games().games.size(), 1000u);
  std::mt19937 random(20);
  std::vector<CornerKey> keys;
  std::vector<CornerPositionRecord> records;
  std::unordered_map<std::string, size_t> targets;
  const CornerPosition komoku = FirstKomokuRowsFinalPosition();
  ASSERT_FALSE(komoku.IsEmpty());
  const auto komokuRecord = index.Lookup(komoku.key);
  ASSERT_TRUE(komokuRecord);
  targets.emplace(KeyText(komoku.key), 0);
  keys.push_back(komoku.key);
  records.push_back(*komokuRecord);
  while (keys.size() < 301) {
    const auto position = RandomGamePosition(random);
    if (!position) continue;
    const auto record = index.Lookup(position->key);
    if (!record) {
      EXPECT_GT(position->stones, 24) << "a position of a game with few stones is indexed";
      continue;
    }
    if (!targets.emplace(KeyText(position->key), keys.size()).second) continue;
    keys.push_back(position->key);
    records.push_back(*record);
  }
  std::vector<Expected> expected(keys.size());
  ReplayAll(targets, expected);
  for (size_t t = 0; t < keys.size(); ++t) {
    SCOPED_TRACE(KeyText(keys[t]));
    EXPECT_EQ(records[t].games, static_cast<int>(expected[t].games.size()));
    std::map<std::pair<int, int>, std::vector<int>> stored, replayed;
    for (const ContinuationRecord& c : records[t].continuations)
      if (c.games > 0)
        stored[{c.point.row, c.point.column}] = {c.games, c.firstYear, c.lastYear, c.cornerLeft};
    for (const auto& [at, games] : expected[t].followed) {
      const auto years =
          expected[t].years.contains(at) ? expected[t].years.at(at) : std::pair<int, int>{0, 0};
      const int left = expected[t].left.contains(at) ? expected[t].left.at(at).size() : 0;
      replayed[at] = {static_cast<int>(games.size()), years.first, years.second, left};
    }
    EXPECT_EQ(stored, replayed);
  }
  // Both counts of 20010 for whoever reads the log (ctest -V).
  std::cout << "20010 final position: index " << records[0].games << " games, replay "
            << expected[0].games.size() << " games\n";
  for (const ContinuationRecord& c : records[0].continuations)
    if (c.games > 0)
      std::cout << "  column " << c.point.column << " row " << c.point.row << ": index " << c.games
                << ", replay "
                << (expected[0].followed.contains({c.point.row, c.point.column})
                        ? expected[0].followed.at({c.point.row, c.point.column}).size()
                        : 0)
                << "\n";
}

// The engine trees walked with their own replay: at every node whose
// position is target (read through either symmetry of the upper-right
// corner; target is not its own mirror image, so one at most matches), its
// count, and each child's count by the child's point.
struct EngineCounts {
  int64_t games = 0;
  std::map<std::pair<int, int>, int64_t> followed;  // (row, column) -> count
};

int NodeCount(const SgfNode& node) {
  const QString comment = node.Value(QStringLiteral("C"));
  const qsizetype at = comment.indexOf(QStringLiteral("\"count\":"));
  return at < 0 ? 0 : comment.mid(at + 8).section(u',', 0, 0).trimmed().toInt();
}

void WalkEngine(const SgfTree& tree, BoardState board, Colour toMove, const std::string& target,
                EngineCounts& counts) {
  // The children of the position a node leaves: the next node, or the first node of each variation.
  const auto children = [&](size_t i) {
    std::vector<const SgfNode*> next;
    if (i + 1 < tree.nodes.size()) {
      next.push_back(&tree.nodes[i + 1]);
    } else {
      for (const SgfTree& v : tree.variations)
        if (!v.nodes.empty()) next.push_back(&v.nodes.front());
    }
    return next;
  };
  for (size_t i = 0; i < tree.nodes.size(); ++i) {
    const SgfNode& node = tree.nodes[i];
    const bool black = node.Has(QStringLiteral("B"));
    if (!black && !node.Has(QStringLiteral("W"))) continue;
    const QString value = node.Value(black ? QStringLiteral("B") : QStringLiteral("W"));
    const Colour mover = black ? Colour::kBlack : Colour::kWhite;
    if (value.size() == 2 && value != u"tt")
      PlayWithCaptures(board, {value[0].unicode() - 'a' + 1, value[1].unicode() - 'a' + 1}, mover);
    toMove = Other(mover);
    bool matched = false;
    for (int s : {1, 5}) {
      if (Region(board, s, toMove) != target) continue;
      matched = true;
      for (const SgfNode* child : children(i)) {
        const bool childBlack = child->Has(QStringLiteral("B"));
        const QString move = child->Value(childBlack ? QStringLiteral("B") : QStringLiteral("W"));
        const Point p =
            move.size() == 2 && move != u"tt"
                ? FramePoint({move[0].unicode() - 'a' + 1, move[1].unicode() - 'a' + 1}, s)
                : Point{0, 0};
        counts.followed[{p.row, p.column}] += NodeCount(*child);
      }
      break;
    }
    if (matched) counts.games += NodeCount(node);
  }
  for (const SgfTree& v : tree.variations) WalkEngine(v, board, toMove, target, counts);
}

TEST(CornerLookup, TheBooksFirstKomokuRowCountsAsTheTreesDo) {
  const CornerIndexReader index(CollectionFile());
  const CornerPosition final = FirstKomokuRowsFinalPosition();
  const auto record = index.Lookup(final.key);
  ASSERT_TRUE(record);
  ASSERT_FALSE(final.symmetric);
  EngineCounts engine;
  const QString engineDir = QStringLiteral(SOURCE_DIR "/data/engine");
  for (const QString& file : QDir(engineDir).entryList({QStringLiteral("*.sgf")}))
    for (const SgfTree& tree : ParseSgfFile(QDir(engineDir).filePath(file)))
      WalkEngine(tree, BoardState{}, Colour::kBlack, KeyText(final.key), engine);
  EXPECT_EQ(record->engineGames, engine.games);
  for (const ContinuationRecord& c : record->continuations) {
    const std::pair<int, int> at{c.point.row, c.point.column};
    EXPECT_EQ(c.engineGames, engine.followed.contains(at) ? engine.followed.at(at) : 0)
        << "at column " << c.point.column << ", row " << c.point.row;
  }
  EXPECT_GT(record->games, 100);
  EXPECT_GT(record->engineGames, 1000);
}

TEST(CornerLookup, NothingIsFoundForAForeignKeyOrWithoutTheIndex) {
  const CornerIndexReader index(CollectionFile());
  EXPECT_FALSE(index.Lookup(CornerKey{}).has_value());
  CornerKey full;
  full.fill(0x55);  // every point the side to move's: no game reaches it
  EXPECT_FALSE(index.Lookup(full).has_value());
  EXPECT_TRUE(index.RowsThrough(full).empty());
  EXPECT_GT(index.PositionCount(), 100000);

  const CornerIndexReader missing(QStringLiteral("/nonexistent/goc.db"));
  EXPECT_FALSE(missing.IsOpen());
  EXPECT_FALSE(missing.Error().isEmpty());
  EXPECT_FALSE(missing.Lookup(CornerKey{}).has_value());
  EXPECT_FALSE(missing.ReadRow(1).has_value());
}

}  // namespace
