// The corner position key: one key for the eight orientations and for swapped
// colours, the side to move kept apart; continuation points in the key's frame.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "rules/captures.h"
#include "rules/corner_position.h"

namespace {

// A board with the upper-left corner drawn (X black, O white, rows apart by
// '|'), carried onto the board by symmetry, colours swapped when asked.
BoardState CornerBoard(const std::string& drawing, int symmetry, bool swapColours) {
  BoardState board;
  Point p{1, 1};
  for (char c : drawing) {
    if (c == '|') {
      p = {1, p.row + 1};
      continue;
    }
    if (c == 'X' || c == 'O') {
      const Colour colour = (c == 'X') != swapColours ? Colour::kBlack : Colour::kWhite;
      PlaceStone(board, TransformPoint(p, symmetry), colour);
    }
    p.column += 1;
  }
  return board;
}

// The corner that symmetry carries the upper-left corner to.
int CornerOf(int symmetry) {
  return symmetry & 3;
}

struct KeyCase {
  const char* name;
  const char* drawing;
};

const KeyCase kKeyCases[] = {
    {"komoku approach", "....|....|...X|....|..O."},
    {"hoshi with a 3-3 invasion", "......|......|..O...|...X..|......"},
    {"a capture's shape", "......|..XO..|.XO.O.|..XO..|...X.."},
    {"stones on the tenth line", ".........X|..........|..O"},
};

// Test names and failures show the drawing's name, not its bytes.
void PrintTo(const KeyCase& c, std::ostream* out) {
  *out << c.name;
}

class CornerKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(CornerKeyTest, EveryOrientationAndColourSwapGivesOneKey) {
  const CornerPosition reference =
      ReadCorner(CornerBoard(GetParam().drawing, 0, false), 0, Colour::kBlack);
  for (int symmetry = 0; symmetry < 8; ++symmetry) {
    for (bool swap : {false, true}) {
      const BoardState board = CornerBoard(GetParam().drawing, symmetry, swap);
      const Colour toMove = swap ? Colour::kWhite : Colour::kBlack;
      EXPECT_EQ(ReadCorner(board, CornerOf(symmetry), toMove).key, reference.key)
          << "symmetry " << symmetry << (swap ? ", colours swapped" : "");
    }
  }
}

TEST_P(CornerKeyTest, TheOtherSideToMoveIsAnotherPosition) {
  const BoardState board = CornerBoard(GetParam().drawing, 0, false);
  EXPECT_NE(ReadCorner(board, 0, Colour::kBlack).key, ReadCorner(board, 0, Colour::kWhite).key);
}

TEST_P(CornerKeyTest, AContinuationHasOnePointInTheKeyFrame) {
  // One answer to the drawn position, on an empty point, in every orientation.
  const Point answer{5, 6};
  std::set<std::pair<int, int>> keyPoints;
  for (int symmetry = 0; symmetry < 8; ++symmetry) {
    const CornerPosition position = ReadCorner(CornerBoard(GetParam().drawing, symmetry, false),
                                               CornerOf(symmetry), Colour::kBlack);
    const Point keyPoint = KeyFramePoint(position, TransformPoint(answer, symmetry));
    keyPoints.insert({keyPoint.column, keyPoint.row});
  }
  EXPECT_EQ(keyPoints.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Drawings, CornerKeyTest, ::testing::ValuesIn(kKeyCases),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

TEST(CornerPosition, TheKeyHoldsTheStonesAsSideToMoveAndOther) {
  const BoardState board = CornerBoard("...|..X|.O", 0, false);
  const CornerPosition position = ReadCorner(board, 0, Colour::kWhite);
  EXPECT_EQ(position.stones, 2);
  int mover = 0, other = 0;
  for (int row = 1; row <= kCornerSize; ++row) {
    for (int column = 1; column <= kCornerSize; ++column) {
      const Point keyPoint{column, row};
      const int stone = KeyStone(position.key, keyPoint);
      if (stone == 0) continue;
      const int expected = board.at(BoardPointOf(position, keyPoint)) % 2 != 0 ? 2 : 1;
      EXPECT_EQ(stone, expected);
      (stone == 1 ? mover : other) += 1;
    }
  }
  EXPECT_EQ(mover, 1);
  EXPECT_EQ(other, 1);
}

TEST(CornerPosition, OnASymmetricPositionMirrorImagesAreOneContinuation) {
  const CornerPosition hoshi =
      ReadCorner(CornerBoard("...|...|...|...X", 0, false), 0, Colour::kWhite);
  ASSERT_TRUE(hoshi.symmetric);
  EXPECT_EQ(KeyFramePoint(hoshi, {3, 6}), KeyFramePoint(hoshi, {6, 3}));
  EXPECT_NE(KeyFramePoint(hoshi, {3, 6}), KeyFramePoint(hoshi, {3, 3}));
}

TEST(CornerPosition, PointsOutsideTheRegionAreElsewhere) {
  const CornerPosition position = ReadCorner(CornerBoard("..X", 0, false), 0, Colour::kWhite);
  EXPECT_EQ(KeyFramePoint(position, {11, 3}), (Point{0, 0}));
  EXPECT_EQ(KeyFramePoint(position, {16, 16}), (Point{0, 0}));
  EXPECT_NE(KeyFramePoint(position, {10, 10}), (Point{0, 0}));
}

TEST(CornerPosition, TheTenthLinesBelongToTwoCorners) {
  EXPECT_TRUE(IsInCorner({10, 3}, 0));
  EXPECT_TRUE(IsInCorner({10, 3}, 1));
  EXPECT_FALSE(IsInCorner({10, 3}, 2));
  EXPECT_TRUE(IsInCorner({10, 10}, 3));
  EXPECT_FALSE(IsInCorner({11, 3}, 0));
}

TEST(CornerPosition, ACaptureLeavesTheRegionAsDrawn) {
  // White's stone at (2, 1) in atari; black takes it.
  BoardState board = CornerBoard(".OX|..O|..X", 0, false);
  PlayWithCaptures(board, {1, 1}, Colour::kBlack);
  PlayWithCaptures(board, {2, 2}, Colour::kBlack);
  EXPECT_EQ(ReadCorner(board, 0, Colour::kWhite).key,
            ReadCorner(CornerBoard("X.X|.XO|..X", 0, false), 0, Colour::kWhite).key);
}

}  // namespace
