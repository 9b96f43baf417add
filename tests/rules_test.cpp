// The Go rules: captures on the count board (ASCII boards and a randomized
// comparison with a plain flood fill), move encoding and the tenuki layout,
// the board's symmetries and SGF's points.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "rules/board_symmetry.h"
#include "rules/captures.h"
#include "rules/move_encoding.h"
#include "rules/move_layout.h"
#include "rules/sgf_point.h"
#include "rules/shape_names.h"

namespace {

// The points of a drawing of the top-left corner, rows apart by '|', each with its character.
std::vector<std::pair<Point, char>> Points(const std::string& drawing) {
  std::vector<std::pair<Point, char>> points;
  Point p{1, 1};
  for (char c : drawing) {
    if (c != '|') points.push_back({p, c});
    p = c == '|' ? Point{1, p.row + 1} : Point{p.column + 1, p.row};
  }
  return points;
}

// Reads a board drawn with X (black), O (white) and . from the top left.
BoardState ReadBoard(const std::string& drawing) {
  BoardState board;
  for (auto [p, c] : Points(drawing))
    if (c != '.') PlaceStone(board, p, c == 'X' ? Colour::kBlack : Colour::kWhite);
  return board;
}

// The corner of a board that the drawing covers, drawn as ReadBoard reads it.
std::string Draw(const BoardState& board, const std::string& like) {
  std::string drawing;
  for (auto [p, c] : Points(like)) {
    if (p.column == 1 && !drawing.empty()) drawing += '|';
    drawing += board.at(p) == 0 ? '.' : board.at(p) % 2 != 0 ? 'X' : 'O';
  }
  return drawing;
}

// Every stone's code is its colour plus 2 per occupied neighbour, the edge counting.
::testing::AssertionResult CodesAreCounts(const BoardState& board) {
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      if (board.at(c, r) == 0) continue;
      int expected = 2 - board.at(c, r) % 2;
      for (Point n : {Point{c - 1, r}, Point{c + 1, r}, Point{c, r - 1}, Point{c, r + 1}})
        expected += 2 * (!IsOnBoard(n) || board.at(n) != 0);
      if (board.at(c, r) != expected)
        return ::testing::AssertionFailure() << "code " << board.at(c, r) << " at (" << c << ", "
                                             << r << "), expected " << expected;
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(Captures, RemoveTheGroupsWithoutLiberty) {
  using enum Colour;
  const struct {
    std::string before;
    Point move;
    Colour colour;
    std::string after;
  } cases[] = {
      {".X|X.", {1, 1}, kWhite, "OX|X."},                    // white: a stone without liberty stays
      {"OX|..", {1, 2}, kBlack, ".X|X."},                    // takes the corner stone
      {"XXXXX.|OOOOOX", {6, 1}, kWhite, ".....O|OOOOOX"},    // takes a long group whole
      {".OX.|OX..|X...", {1, 1}, kBlack, "X.X.|.X..|X..."},  // two groups at once
      {"OO.|X..|...", {2, 2}, kBlack, "OO.|XX.|..."},        // a group with a liberty stays
      {".O.|O..", {1, 1}, kBlack, "XO.|O.."},                // black: the same
      {"XO.OX.|.XOX..|..X...", {3, 1}, kBlack, "X.X.X.|.X.X..|..X..."},  // takes before it dies
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before);
    BoardState board = ReadBoard(c.before);
    int removed = 0;
    PlaceStone(board, c.move, c.colour);
    CaptureCheck(board, c.move, c.colour, [&](Point) { ++removed; });
    EXPECT_EQ(Draw(board, c.after), c.after);
    EXPECT_TRUE(CodesAreCounts(board));
    int emptied = 0;
    for (size_t k = 0; k < c.after.size(); ++k) emptied += c.before[k] != '.' && c.after[k] == '.';
    EXPECT_EQ(removed, emptied);
  }
}

// A plain board of stones: captures by flood fill, for comparison.
struct PlainBoard {
  std::vector<int> stones = std::vector<int>(361, 0);  // 0 empty, 1 black, 2 white
  int& at(Point p) { return stones[size_t((p.row - 1) * 19 + p.column - 1)]; }
  bool HasLiberty(Point start, std::set<std::pair<int, int>>& group) {
    std::vector<Point> todo{start};
    bool liberty = false;
    while (!todo.empty()) {
      const Point p = todo.back();
      todo.pop_back();
      if (!group.insert({p.column, p.row}).second) continue;
      for (Point n : {Point{p.column - 1, p.row}, Point{p.column + 1, p.row},
                      Point{p.column, p.row - 1}, Point{p.column, p.row + 1}}) {
        if (!IsOnBoard(n)) continue;
        if (at(n) == 0) liberty = true;
        if (at(n) == at(start)) todo.push_back(n);
      }
    }
    return liberty;
  }
  void Play(Point p, int colour) {
    at(p) = colour;
    for (Point n : {Point{p.column - 1, p.row}, Point{p.column + 1, p.row},
                    Point{p.column, p.row - 1}, Point{p.column, p.row + 1}}) {
      if (!IsOnBoard(n) || at(n) != 3 - colour) continue;
      std::set<std::pair<int, int>> group;
      if (!HasLiberty(n, group))
        for (auto [c, r] : group) at({c, r}) = 0;
    }
  }
};

TEST(Captures, RandomGamesAgreeWithAFloodFill) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    std::mt19937 random(seed);
    BoardState board;
    PlainBoard plain;
    for (int k = 1; k <= 400; ++k) {
      // Mostly near the last moves, so that groups form and die.
      const Point p{int(random() % 9) + 1 + int(seed % 3) * 5,
                    int(random() % 9) + 1 + int(seed % 2) * 10};
      if (plain.at(p) != 0) continue;
      const Colour colour = ColourOfNth(k);
      PlaceStone(board, p, colour);
      int removed = 0;
      CaptureCheck(board, p, colour, [&](Point) { ++removed; });
      const int before = int(std::count(plain.stones.begin(), plain.stones.end(), 0));
      plain.Play(p, int(colour));
      ASSERT_EQ(removed, int(std::count(plain.stones.begin(), plain.stones.end(), 0)) - before + 1)
          << "seed " << seed << " move " << k;
      for (int r = 1; r <= 19; ++r)
        for (int c = 1; c <= 19; ++c)
          ASSERT_EQ(board.at(c, r) == 0 ? 0 : 2 - board.at(c, r) % 2, plain.at({c, r}))
              << "seed " << seed << " move " << k << " at " << c << ", " << r;
      ASSERT_TRUE(CodesAreCounts(board)) << "seed " << seed << " move " << k;
    }
  }
}

TEST(Captures, PlacementsOffTheBoardAreRefused) {
  BoardState board;
  for (Point p : {Point{0, 3}, Point{3, 0}, Point{20, 1}, Point{1, 20}}) {
    EXPECT_THROW(PlaceStone(board, p, Colour::kBlack), OffBoardPlacement);
    EXPECT_THROW(CaptureCheck(board, p, Colour::kBlack, nullptr), OffBoardPlacement);
  }
  EXPECT_EQ(board, BoardState{});
}

TEST(MoveEncoding, CoordinatesRoundTripAndOtherCharactersAreZero) {
  const std::u16string characters = u"123456789ABCDEFGHIJ";
  for (int value = 1; value <= 19; ++value) {
    EXPECT_EQ(CoordChar(value), characters[size_t(value - 1)]);
    EXPECT_EQ(CoordValue(characters[size_t(value - 1)]), value);
  }
  EXPECT_EQ(CoordValue(u'a'), 10);  // hexadecimal digits in either case
  for (char16_t other : std::u16string(u"0KgZ? \u3000")) EXPECT_EQ(CoordValue(other), 0);
  for (int other : {0, 20, -1}) EXPECT_EQ(CoordChar(other), kTenuki);
}

// The code of a symmetry is what the collection stores as a game's
// orientation: each code must keep its meaning.
TEST(BoardSymmetry, EachCodeTurnsTheThreeFourPointToItsOwnPlace) {
  const Point images[Symmetry::kCount] = {{3, 4}, {17, 4}, {3, 16}, {17, 16},
                                          {4, 3}, {16, 3}, {4, 17}, {16, 17}};
  for (int code = 0; code < Symmetry::kCount; ++code)
    EXPECT_EQ(Symmetry(code)({3, 4}), images[code]) << "code " << code;
  EXPECT_EQ(Symmetry::Diagonal()({3, 4}), Symmetry(4)({3, 4}));
  for (bool right : {false, true})
    for (bool lower : {false, true})
      EXPECT_EQ(Symmetry::ToCorner(right, lower)({3, 4}), images[int(right) + 2 * int(lower)]);
}

TEST(BoardSymmetry, EverySymmetryMovesTheWholeBoardKeepingNeighbours) {
  for (int code = 0; code < Symmetry::kCount; ++code) {
    const Symmetry symmetry(code);
    std::set<std::pair<int, int>> images;
    for (int column = 1; column <= kBoardSize; ++column) {
      for (int row = 1; row <= kBoardSize; ++row) {
        const Point image = symmetry({column, row});
        ASSERT_TRUE(IsOnBoard(image)) << "code " << code;
        images.insert({image.column, image.row});
        const Point right = symmetry({column + 1, row}), below = symmetry({column, row + 1});
        EXPECT_EQ(std::abs(right.column - image.column) + std::abs(right.row - image.row), 1);
        EXPECT_EQ(std::abs(below.column - image.column) + std::abs(below.row - image.row), 1);
        EXPECT_EQ(symmetry.Inverse()(image), (Point{column, row})) << "code " << code;
        for (Symmetry second : Symmetry::All())
          EXPECT_EQ(symmetry.Then(second)({column, row}), second(image));
      }
    }
    EXPECT_EQ(images.size(), size_t(kBoardSize * kBoardSize)) << "code " << code;
  }
}

TEST(SgfPoint, TwoLettersNameColumnThenRowOfAPointOnTheBoard) {
  EXPECT_EQ(SgfLetters({1, 1}), u"aa");
  EXPECT_EQ(SgfLetters({19, 1}), u"sa");
  EXPECT_EQ(SgfLetters({4, 3}), u"dc");
  for (Point off : {Point{}, Point{20, 1}, Point{1, 20}, Point{-1, 3}})
    EXPECT_EQ(SgfLetters(off), u"");  // a pass
  for (int column = 1; column <= kBoardSize; ++column)
    for (int row = 1; row <= kBoardSize; ++row)
      EXPECT_EQ(PointOfSgfLetters(SgfLetters({column, row})), (Point{column, row}));
  for (std::u16string_view other : {u"", u"tt", u"ta", u"at", u"a", u"aaa", u"AA", u"a`"})
    EXPECT_EQ(PointOfSgfLetters(other), std::nullopt);
}

struct LayoutCase {
  TenukiRule rule;
  int startCount;
  std::vector<Point> points;  // of "???" laid out five times, then of "3?1"
};

TEST(MoveLayout, EachRulePlacesTenukiWhereItsDisplayWantsThem) {
  const std::vector<LayoutCase> cases = {
      {TenukiRule::kRecord, 0, {{19, 10}, {18, 10}, {17, 10}, {17, 10}, {17, 10}, {17, 3}}},
      {TenukiRule::kSearchRedraw, 0, {{17, 10}, {18, 10}, {19, 10}, {19, 10}, {19, 10}, {19, 3}}},
      {TenukiRule::kWalkSetup, 0, {{19, 10}, {19, 11}, {19, 11}, {19, 11}, {19, 11}, {19, 3}}},
      {TenukiRule::kWalkNext, 0, {{18, 10}, {19, 10}, {18, 10}, {19, 10}, {18, 10}, {18, 3}}},
      {TenukiRule::kWalkNext, 2, {{17, 10}, {17, 10}, {17, 10}, {17, 10}, {17, 10}, {17, 3}}},
  };
  for (const LayoutCase& c : cases) {
    TenukiPlacer placer(c.rule, c.startCount);
    std::vector<Point> points;
    LayOutMoves(ParseMoveString(u"???????????????3?1"), placer, [&](Point p, int k) {
      points.push_back(p);
      EXPECT_EQ(k, int(points.size()));
    });
    EXPECT_EQ(points, c.points) << "rule " << int(c.rule);
  }
  TenukiPlacer plain(TenukiRule::kRecord);
  EXPECT_EQ(plain.Place({4, 13}), (Point{13, 4}));
  EXPECT_EQ(plain.count(), 0);
}

// A board drawn as ReadBoard reads it with the move marked '*': the board before the move
// and the move's point.
std::pair<BoardState, Point> ReadMove(const std::string& drawing) {
  std::string stones = drawing;
  Point move{};
  for (auto [p, c] : Points(drawing))
    if (c == '*') move = p;
  std::replace(stones.begin(), stones.end(), '*', '.');
  return {ReadBoard(stones), move};
}

struct ShapeCase {
  const char* name;
  Colour colour;
  std::string drawing;  // rows from the top, '|' between them, rows may be short; '*' the move
  bool fits = true;     // false: the name must not be given
};

TEST(ShapeNames, EachNameFitsItsShapes) {
  using enum Colour;
  const ShapeCase cases[] = {
      // Contact with the opponent.
      {"上ツケ", kBlack, "........|........|.....O..|...X.*.."},
      {"ツケ", kWhite, "........|........|........|...X....|...*...."},
      {"下ツケ", kWhite, "........|........|.....*..|...X.X.."},
      {"ツケ", kBlack, "....|...*|..XO|....", false},  // a ハネ is no ツケ
      {"ハネ", kBlack, "....|...*|..XO|...."},
      {"二線ハネ", kBlack, "....|...*|..XO|...."},
      {"四線ハネ", kBlack, "......|......|......|....O*|....X.|......"},
      {"ハネ", kBlack, "....|..O*|..XO|....", false},  // across a cut: no ハネ
      {"二段バネ", kBlack, "......|....*.|...XO.|..XO..|......"},
      {"コスミツケ", kBlack, "......|......|...*O.|..X...|......"},
      {"コスミツケ", kBlack, "......|......|...*..|..X...|......", false},
      {"三々ツケ", kWhite, "......|......|..*X..|...X..|......"},
      {"上ツケ", kWhite, "......|......|..X*..|......", false},  // beside a 3-3 stone
      // Extending one's own stone.
      {"ノビ", kBlack, "....|..O.|..X*|...."},
      {"オシ", kBlack, "....|...O|..X*|...."},
      {"ヒキ", kBlack, "....|....|.*XO|...."},
      {"サガリ", kBlack, "..*.|..XO|...O"},
      {"タチ", kBlack, "....|..XO|..*O"},
      {"ハイ", kBlack, "......|.X*...|.OO...|......"},
      {"二線ハイ", kWhite, "......|..X...|.OX...|.*....|......"},
      {"ハイ", kBlack, "......|......|..OO..|..X*..|......", false},  // above the stones
      {"マガリ", kBlack, "....|..O.|..X*|..X."},
      {"マガリ", kBlack, "....|..O.|..X*|....", false},
      {"デ", kBlack, "......|.O....|..*O..|..X...|......"},
      {"キリ", kBlack, "....|....|..OX|..*O"},
      {"キリ", kBlack, "....|....|..OO|..*O", false},  // one group
      {"ワリコミ", kBlack, "......|......|..O*O.|...X..|......"},
      {"ツギ", kWhite, "......|..X...|.XOX..|..*...|......"},  // out of atari
      {"カタツギ", kBlack, "....|..O.|..X*|...X"},
      {"カケツギ", kBlack, "......|......|..X...|.*.X..|......"},
      {"アテ", kBlack, "|..................X|.................*O"},  // on the edge
      {"アテ", kWhite, "......|..O...|.OX*..|......"},
      {"アテ", kBlack, "......|......|.XO...|..*...|......", false},  // two liberties left
      {"ノゾキ", kBlack, "......|......|..O...|...*..|..O...|......"},
      {"オサエ", kBlack, "......|......|..O*..|...X..|......"},
      // At a distance from one's own stones.
      {"コスミ", kBlack, "......|......|..X...|...*..|......"},
      {"コスミ", kBlack, "......|......|..XO..|...*..|......", false},    // a ハネ
      {"コスミ出", kBlack, "......|......|..X...|...*..|......", false},  // nothing to come out of
      {"大ゲイマ", kBlack, "......|......|..X...|...*..|......", false},  // a コスミ
      {"一間トビ", kBlack, "......|......|......|...X..|......|...*..|......"},
      {"一間トビ", kBlack, "......|......|......|...X..|...O..|...*..|......", false},
      {"二間トビ", kBlack, "........|........|........|...X....|........|........|...*...."},
      {"ケイマ", kBlack, "......|......|......|..X...|....*.|......"},
      {"ケイマ", kBlack, "......|......|......|..X*..|....X.|......", false},  // touches
      {"大ゲイマ", kBlack, "........|........|........|..X.....|.....*..|........"},
      {"スベリ", kWhite, "........|..*.....|....O...|..X.....|........"},
      {"スベリ", kWhite, "........|..*.....|....O...|........|........", false},  // nothing near
      // At a distance from the opponent's stones.
      {"カタツキ", kBlack, "......|......|..O...|...*..|......"},
      {"カケ", kWhite, "||||||||........X|..........*", false},  // across the centre
      {"ボウシ", kBlack, "........|........|.....O..|........|.....*..|........"},
      {"三々入り", kWhite, "......|......|..*...|...X..|......"},
      {"三々入り", kBlack, "......|......|..*...|......|..O...|......"},  // under a 5-3 stone
      {"三々入り", kWhite, "......|..O...|..*...|...X..|......", false},  // from its own stone
      {"大斜", kWhite, "........|........|....O...|..X.....|........|...*....|........"},
      // The approaches of a corner stone.
      {"小ゲイマガカリ", kWhite, "........|........|.....*..|...X....|........"},
      {"小ゲイマガカリ", kWhite,
       "|||||||||||||||...............X|.............*"},            // in the lower right corner
      {"三々入り", kWhite, "||................*|...............X"},  // in the upper right corner
      {"一間高ガカリ", kWhite, "........|........|........|..X.*...|........"},
      {"大ゲイマガカリ", kWhite, "........|........|.....*..|..X.....|........"},
      {"大ゲイマガカリ", kWhite, "........|........|.....*..|...X....|........", false},
      {"二間高ガカリ", kWhite, "........|........|........|..X..*..|........"},
      {"一間高ガカリ", kWhite, "|||....*|..X", false},  // below a 3-5 stone
      {"両ガカリ", kWhite, "........|........|.....O..|...X....|........|..*.....|........"},
      {"両ガカリ", kWhite, "||.........O|...............X||................*", false},  // centre O
      // The enclosures.
      {"小ゲイマジマリ", kBlack, "........|........|....*...|..X.....|........"},
      {"小ゲイマ受け", kWhite, "........|........|.....*..|...O....|........", false},
      {"小ゲイマ受け", kBlack, "........|........|.....O..|...X....|........|..*.....|........"},
      {"一間ジマリ", kBlack, "........|........|........|..X.*...|........"},
      {"大ゲイマジマリ", kBlack, "........|........|.....*..|..X.....|........"},
      {"二間ジマリ", kBlack, "........|........|........|...X..*.|........"},
      {"二間高ジマリ", kBlack, "........|........|........|..X..*..|........"},
      // Pincers and extensions by distance.
      {"一間高バサミ", kBlack, "..........|..........|.....O....|...X...*..|.........."},
      {"一間低バサミ", kBlack, "..........|..........|....O.*...|..X.......|.........."},
      {"二間高バサミ", kBlack, "..........|..........|....O.....|..X....*..|.........."},
      {"二間低バサミ", kBlack, "..........|..........|....O..*..|..X.......|.........."},
      {"三間低バサミ", kBlack, "..........|..........|....O...*.|..X.......|.........."},
      {"三間高バサミ", kBlack, "...........|...........|....O......|..X.....*..|..........."},
      {"三間低バサミ", kBlack, "..........|..........|....O...*.|..........|..........", false},
      {"ハサミ返し", kWhite, "............|............|....O...X.*.|..X.........|............"},
      {"ハサミ返し", kWhite, "||........O.X.*|..X"},  // X six points beyond O
      {"一間ビラキ", kWhite, "..........|..........|....O.*...|..X.......|.........."},
      {"二間ビラキ", kWhite, "..........|..........|....O..*..|..X.......|.........."},
      {"三間ビラキ", kBlack, "...|...|...|..X|...|...|...|..*|..."},
      {"三間ビラキ", kBlack, "|||................X||||................*"},  // on the right side
      {"一間高ビラキ", kWhite, "..........|..........|..........|....O.*...|.........."},
      {"三間高ビラキ", kBlack, "....|....|....|....|...X|....|....|....|...*|...."},
      {"二間ビラキ", kBlack, "..........|..........|....X..*..|.........."},
      {"ツメ", kBlack,
       "..............|..............|.........*...O|...X..........|.............."},
  };
  for (const ShapeCase& c : cases) {
    const auto [board, move] = ReadMove(c.drawing);
    const std::vector<std::string> names = ShapeNames(board, move, c.colour);
    std::string all;
    for (const std::string& name : names) all += name + " ";
    const bool given = std::find(names.begin(), names.end(), c.name) != names.end();
    EXPECT_EQ(given, c.fits) << c.name << (c.colour == kBlack ? " (black) " : " (white) ")
                             << c.drawing << " gives: " << all;
  }
}

TEST(ShapeNames, EveryNameGivenIsListedAndAnEmptyCornerGivesNone) {
  const auto [board, move] = ReadMove("....|....|..*.|....");
  EXPECT_EQ(ShapeNames(board, move, Colour::kBlack), std::vector<std::string>{"三々"});
  EXPECT_TRUE(ShapeNames(BoardState{}, Point{10, 10}, Colour::kWhite).empty());
  EXPECT_TRUE(ShapeNames(BoardState{}, Point{0, 3}, Colour::kWhite).empty());
  const auto& all = AllShapeNames();
  EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), all.size());
}

}  // namespace
