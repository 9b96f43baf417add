// Captures on the board window's boards: the tile painted back at each
// removed point, the rest of both boards untouched, and long groups.
#include <gtest/gtest.h>

#include "shell/board_window.h"
#include "support/move_text.h"
#include "support/pixels.h"

namespace {

int CellX(Side side, int column) {
  return side == Side::kLeft ? LeftCellX(column) : RightCellX(column);
}

// Places a stone of colour (1 black, 2 white) on a board as the placement
// pipeline does; capture runs the capture check afterwards.
void Place(BoardWindow& window, Side side, TestPoint p, int colour, bool capture) {
  window.MoveX = p.column;
  window.MoveY = p.row;
  window.StoneColour = colour;
  (side == Side::kLeft ? window.LeftMoveCount : window.RightMoveCount) = colour;
  window.DrawImage(colour == 1 ? "\\fld2\\mygold.gif" : "\\fld2\\ysilver.gif",
                   CellX(side, p.column), CellY(p.row));
  (side == Side::kLeft ? window.LeftCounts : window.RightCounts).at(p.column, p.row) = colour;
  window.AddStoneCounts(side);
  if (capture) window.CaptureCheck(side);
}

std::vector<TestPoint> Neighbours(TestPoint p) {
  std::vector<TestPoint> result;
  for (const TestPoint n : {TestPoint{p.column - 1, p.row}, TestPoint{p.column + 1, p.row},
                            TestPoint{p.column, p.row - 1}, TestPoint{p.column, p.row + 1}}) {
    if (BoardState::IsPoint(n.column, n.row)) result.push_back(n);
  }
  return result;
}

struct CapturedAt {
  int column;
  int row;
  const char* tile;
};

class CaptureRedrawTest : public ::testing::TestWithParam<std::tuple<Side, CapturedAt>> {};

TEST_P(CaptureRedrawTest, CapturedPointShowsItsBareTile) {
  const auto [side, at] = GetParam();
  BoardWindow window;
  window.ResetLeftBoard();
  window.ResetRightBoard();
  const TestPoint point{at.column, at.row};
  Place(window, side, point, 1, true);
  const std::vector<TestPoint> around = Neighbours(point);
  for (const TestPoint& n : around) Place(window, side, n, 2, true);
  const BoardState& counts = side == Side::kLeft ? window.LeftCounts : window.RightCounts;
  EXPECT_EQ(counts.at(at.column, at.row), 0);
  EXPECT_TRUE(CellShows(window.canvas.master(), CellX(side, at.column), CellY(at.row), at.tile));
  EXPECT_EQ(QString(at.tile), TileName(at.column, at.row));
}

INSTANTIATE_TEST_SUITE_P(
    Points, CaptureRedrawTest,
    ::testing::Combine(
        ::testing::Values(Side::kLeft, Side::kRight),
        ::testing::Values(CapturedAt{1, 1, "upleft23.jpg"}, CapturedAt{19, 1, "upright23.jpg"},
                          CapturedAt{1, 19, "bottomleft23.jpg"},
                          CapturedAt{19, 19, "bottomright23.jpg"}, CapturedAt{7, 1, "top23.jpg"},
                          CapturedAt{7, 19, "bottom23.jpg"}, CapturedAt{1, 7, "left23.jpg"},
                          CapturedAt{19, 10, "right23.jpg"}, CapturedAt{4, 16, "crossdot23.jpg"},
                          CapturedAt{4, 15, "cross23.jpg"}, CapturedAt{10, 10, "crossdot23.jpg"})));

TEST(CaptureRedraw, ThreeStonesGoAndNothingElseChanges) {
  BoardWindow window;
  window.ResetLeftBoard();
  window.ResetRightBoard();
  // Black (5, 5), (6, 5), (7, 5) surrounded by white but for (8, 5).
  for (int column : {5, 6, 7}) Place(window, Side::kRight, {column, 5}, 1, true);
  for (int column : {5, 6, 7}) {
    Place(window, Side::kRight, {column, 4}, 2, true);
    Place(window, Side::kRight, {column, 6}, 2, true);
  }
  Place(window, Side::kRight, {4, 5}, 2, true);
  Place(window, Side::kLeft, {6, 5}, 1, true);  // the same point on the other board
  const QImage before = window.canvas.master();
  Place(window, Side::kRight, {8, 5}, 2, true);
  const QImage& after = window.canvas.master();
  for (int column : {5, 6, 7}) {
    EXPECT_TRUE(RightPointShows(after, column, 5, "cross23.jpg"));
    EXPECT_EQ(window.RightCounts.at(column, 5), 0);
  }
  for (int row = 1; row <= 19; ++row) {
    for (int column = 1; column <= 19; ++column) {
      const bool changed = row == 5 && column >= 5 && column <= 8;
      if (!changed) {
        EXPECT_TRUE(AreaEqual(after, before, QRect(RightCellX(column), CellY(row), 22, 23)));
      }
    }
  }
  EXPECT_TRUE(AreaEqual(after, before, kLeftBoardArea));
  EXPECT_TRUE(AreaEqual(after, before, kStripArea));
  EXPECT_EQ(window.LeftCounts.at(6, 5), 1);
}

// A staircase of white stones running up and to the left: marking it takes
// one pass over the board per step, far more than nine. It is taken whole.
TEST(CaptureRedraw, GroupNeedingManyMarkingPassesIsTakenWhole) {
  std::vector<TestPoint> stairs{{15, 15}};
  while (stairs.back().column > 5) {
    const TestPoint last = stairs.back();
    stairs.push_back({last.column - 1, last.row});
    stairs.push_back({last.column - 1, last.row - 1});
  }
  ASSERT_EQ(stairs.size(), 21u);
  const auto onStairs = [&](TestPoint p) {
    for (const TestPoint& s : stairs)
      if (s.column == p.column && s.row == p.row) return true;
    return false;
  };
  const TestPoint lastLiberty{16, 15};
  for (Side side : {Side::kLeft, Side::kRight}) {
    BoardWindow window;
    window.ResetLeftBoard();
    window.ResetRightBoard();
    for (const TestPoint& s : stairs) Place(window, side, s, 2, false);
    BoardState& counts = side == Side::kLeft ? window.LeftCounts : window.RightCounts;
    for (const TestPoint& s : stairs) {
      for (const TestPoint& n : Neighbours(s)) {
        if (!onStairs(n) && counts.at(n.column, n.row) == 0 &&
            !(n.column == lastLiberty.column && n.row == lastLiberty.row)) {
          Place(window, side, n, 1, false);
        }
      }
    }
    Place(window, side, lastLiberty, 1, true);
    for (const TestPoint& s : stairs) {
      EXPECT_EQ(counts.at(s.column, s.row), 0) << s.column << ", " << s.row;
      EXPECT_TRUE(CellShows(window.canvas.master(), CellX(side, s.column), CellY(s.row),
                            TileName(s.column, s.row)));
    }
    for (int row = 1; row <= 19; ++row)
      for (int column = 1; column <= 19; ++column) EXPECT_LE(counts.at(column, row), 10);
  }
}

TEST(CaptureRedraw, SameSequenceGivesTheSameCountsOnBothBoards) {
  BoardWindow window;
  const std::vector<TestPoint> moves{{4, 4}, {4, 5}, {5, 5}, {3, 4}, {4, 6}, {5, 4},
                                     {3, 5}, {4, 3}, {3, 3}, {5, 6}, {4, 5}};
  for (Side side : {Side::kLeft, Side::kRight}) {
    for (std::size_t i = 0; i < moves.size(); ++i)
      Place(window, side, moves[i], i % 2 ? 2 : 1, true);
  }
  EXPECT_EQ(window.LeftCounts, window.RightCounts);
}

}  // namespace
