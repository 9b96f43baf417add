// The move-by-move walk on the left board: 手順表示開始 (Command6) lays out the
// given stones and marks, 次手を表示 (Command5) adds one move with a red mark.
#include <gtest/gtest.h>

#include "shell/board_window.h"
#include "support/board_counts.h"
#include "support/move_text.h"
#include "support/pixels.h"

namespace {

class MoveWalkTest : public ::testing::Test {
 protected:
  void Select(const QString& setup, const QString& moves, const QString& markers = QString()) {
    window.ShownSetup = setup;
    window.ShownMoves = moves;
    window.ShownMarkers = markers;
  }
  const QImage& master() const { return window.canvas.master(); }
  ::testing::AssertionResult Shows(TestPoint p, const QString& image) const {
    return LeftPointShows(master(), p.column, p.row, image);
  }
  static QImage EmptyBoards() {
    BoardWindow empty;
    empty.ResetLeftBoard();
    return empty.canvas.master();
  }

  BoardWindow window;
};

TEST_F(MoveWalkTest, WalkThroughAJosekiWithTwoGivenStones) {
  const TestPoint one{12, 3}, two{12, 5}, three{14, 3};
  Select("4D2DD1", Triples({one, two, three}));
  window.Command6_Click();
  EXPECT_TRUE(Shows({13, 4}, "mygold.gif"));
  EXPECT_TRUE(Shows({13, 13}, "ysilver.gif"));
  EXPECT_TRUE(Shows(one, TileName(12, 3)));
  EXPECT_EQ(window.LeftCounts.at(13, 4), 1);
  EXPECT_EQ(window.LeftCounts.at(13, 13), 2);
  EXPECT_EQ(window.LeftMoveCount, 0);
  EXPECT_EQ(window.NextMoveIndex, 0);

  window.Command5_Click();
  EXPECT_TRUE(Shows(one, "zshirored.gif"));
  EXPECT_EQ(window.LeftCounts.at(12, 3), 2);
  window.Command5_Click();
  EXPECT_TRUE(Shows(one, "ysilver.gif"));
  EXPECT_TRUE(Shows(two, "zkurored.gif"));
  EXPECT_EQ(window.LeftCounts.at(12, 5), 1);
  EXPECT_FALSE(window.controls.Image1Visible);
  window.Command5_Click();
  EXPECT_TRUE(Shows(two, "mygold.gif"));
  EXPECT_TRUE(Shows(three, "zshirored.gif"));
  EXPECT_TRUE(Shows({13, 4}, "mygold.gif"));
  EXPECT_TRUE(window.controls.Image1Visible);
  EXPECT_TRUE(window.controls.Timer2Enabled);
  EXPECT_EQ(window.NextMoveIndex, 0);
  EXPECT_FALSE(window.controls.Image2Visible);
  window.Timer2_Timer();
  EXPECT_FALSE(window.controls.Image1Visible);

  // The next click begins again with move 1, over the finished walk.
  window.Command5_Click();
  EXPECT_EQ(window.NextMoveIndex, 1);
  EXPECT_TRUE(Shows(one, "zshirored.gif"));
  EXPECT_TRUE(Shows(three, "zshirored.gif"));  // no earlier move of this round to repaint
}

TEST_F(MoveWalkTest, WithoutGivenStonesTheStartShowsTheBareBoardAndTheMarks) {
  Select("", Triples({{3, 3}}), "55a");
  window.ShowJoseki();
  window.Command6_Click();
  QImage expected = EmptyBoards();
  BoardWindow marked;
  marked.ResetLeftBoard();
  marked.ShownMarkers = "55a";
  marked.DrawMarkers();
  EXPECT_TRUE(AreaEqual(master(), marked.canvas.master(), kLeftBoardArea));
  EXPECT_TRUE(Shows({5, 5}, "aa.gif"));
  EXPECT_EQ(window.LeftCounts, BoardState{});
}

TEST_F(MoveWalkTest, WithoutNumberedMovesTheNextMoveChangesNothing) {
  Select(Triples({{4, 4}}), "");
  window.Command6_Click();
  const QImage before = master();
  const BoardState counts = window.LeftCounts;
  for (int click = 1; click <= 3; ++click) {
    window.Command5_Click();
    EXPECT_EQ(window.NextMoveIndex, click);
  }
  EXPECT_TRUE(AreaEqual(master(), before, master().rect()));
  EXPECT_EQ(window.LeftCounts, counts);
  EXPECT_FALSE(window.controls.Image1Visible);
}

TEST_F(MoveWalkTest, WalkLeavesTheRightBoardAlone) {
  window.ResetRightBoard();
  window.DrawImage("\\fld2\\mygold.gif", RightCellX(4), CellY(4));
  window.RightCounts.at(4, 4) = 5;
  const QImage before = master();
  Select(Triples({{4, 4}}), Triples({{3, 3}, {5, 5}}));
  window.Command6_Click();
  window.Command5_Click();
  window.Command5_Click();
  EXPECT_TRUE(AreaEqual(master(), before, kRightBoardArea));
  EXPECT_TRUE(AreaEqual(master(), before, kStripArea));
  EXPECT_EQ(window.RightCounts.at(4, 4), 5);
}

struct TenukiWalk {
  const char* name;
  QString setup;
  QString moves;
  int clicks;
  std::vector<std::pair<TestPoint, QString>> shown;
};

class TenukiWalkTest : public MoveWalkTest, public ::testing::WithParamInterface<TenukiWalk> {};

TEST_P(TenukiWalkTest, TenukiStonesGoWhereTheWalkPutsThem) {
  window.ElsewhereCount = 0;
  Select(GetParam().setup, GetParam().moves);
  window.Command6_Click();
  for (int i = 0; i < GetParam().clicks; ++i) window.Command5_Click();
  for (const auto& [point, image] : GetParam().shown) EXPECT_TRUE(Shows(point, image));
}

INSTANTIATE_TEST_SUITE_P(
    Walks, TenukiWalkTest,
    ::testing::Values(
        // Numbered moves: 18, 19 (the count starts again), 18 again.
        TenukiWalk{"NumberedMoves",
                   "",
                   "?????????",
                   3,
                   {{{18, 10}, "zshirored.gif"}, {{19, 10}, "mygold.gif"}}},
        TenukiWalk{"TwoNumberedMoves",
                   "",
                   "?????????",
                   2,
                   {{{18, 10}, "ysilver.gif"}, {{19, 10}, "zkurored.gif"}}},
        // Given stones: column 19, row 10 first and row 11 for every later one.
        TenukiWalk{"GivenStones",
                   "?????????",
                   "",
                   0,
                   {{{19, 10}, "mygold.gif"}, {{19, 11}, "mygold.gif"}}},
        TenukiWalk{"TwoGivenStones",
                   "??????",
                   "",
                   0,
                   {{{19, 10}, "mygold.gif"}, {{19, 11}, "ysilver.gif"}}},
        // A "?" column without a "?" row before it: column 17.
        TenukiWalk{"ColumnOnly", "", "3?1", 1, {{{17, 3}, "zshirored.gif"}}},
        TenukiWalk{"RowOnly", "", "?31", 1, {{{3, 10}, "zshirored.gif"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MoveWalkTest, TenukiCountRunsOnAcrossJoseki) {
  Select("", "???");
  window.Command6_Click();
  window.Command5_Click();  // (18, 10); the count is 1
  Select("", "???");
  window.Command6_Click();
  window.Command5_Click();  // (19, 10); the count goes back to 0
  EXPECT_TRUE(Shows({19, 10}, "zshirored.gif"));
  EXPECT_EQ(window.ElsewhereCount, 0);
}

TEST_F(MoveWalkTest, CapturedStonesShowTheirTiles) {
  // Given: black (1, 1), white (10, 10). Move 1 white (2, 1), 2 black (5, 5),
  // 3 white (1, 2) takes the corner stone.
  Select(Triples({{1, 1}, {10, 10}}), Triples({{2, 1}, {5, 5}, {1, 2}}));
  window.Command6_Click();
  for (int i = 0; i < 3; ++i) window.Command5_Click();
  EXPECT_TRUE(Shows({1, 1}, "upleft23.jpg"));
  EXPECT_EQ(window.LeftCounts.at(1, 1), 0);
  EXPECT_TRUE(Shows({5, 5}, "mygold.gif"));
  EXPECT_TRUE(Shows({1, 2}, "zshirored.gif"));
}

TEST_F(MoveWalkTest, CaptureOfTheRedMarkedStoneLeavesItsTile) {
  // 1 white (1, 2), 2 black (1, 1) into the corner, 3 white (2, 1) takes it.
  Select("", Triples({{1, 2}, {1, 1}, {2, 1}}));
  window.Command6_Click();
  window.Command5_Click();
  window.Command5_Click();
  EXPECT_TRUE(Shows({1, 1}, "zkurored.gif"));
  window.Command5_Click();
  EXPECT_TRUE(Shows({1, 1}, "upleft23.jpg"));
  EXPECT_EQ(window.LeftCounts.at(1, 1), 0);
  EXPECT_EQ(window.LeftCounts.at(1, 2), 4);
  EXPECT_EQ(window.LeftCounts.at(2, 1), 4);
}

// Only the walk's own previous stone loses its red mark: a replay of the
// right board in between moves LastMoveX/LastMoveY, which the walk ignores.
TEST_F(MoveWalkTest, ReplayOnTheRightBoardBetweenClicksLeavesNoPhantomStone) {
  Select("", Triples({{12, 3}, {12, 5}}));
  window.Command6_Click();
  window.Command5_Click();
  window.ShownReference = "h|1/2|" + GamePairs({{5, 7}, {6, 8}});
  window.ReadGameReference();
  ASSERT_EQ(window.LastMoveX, 6);
  ASSERT_EQ(window.LastMoveY, 8);
  window.Command5_Click();
  EXPECT_TRUE(Shows({6, 8}, "cross23.jpg"));
  EXPECT_EQ(window.LeftCounts.at(6, 8), 0);
  EXPECT_TRUE(Shows({12, 3}, "ysilver.gif"));
  EXPECT_TRUE(Shows({12, 5}, "zkurored.gif"));
}

// The walk's previous stone belongs to the picture it was drawn on: after
// another joseki is drawn, the next click paints no stone where it stood.
TEST_F(MoveWalkTest, AnotherJosekiDrawnEndsTheWalksPreviousStone) {
  Select("", Triples({{12, 3}, {12, 5}, {14, 3}}));
  window.Command6_Click();
  window.Command5_Click();
  window.Command5_Click();
  Select("", Triples({{3, 3}, {4, 4}, {5, 5}}));
  window.ShowJoseki();
  window.Command5_Click();
  EXPECT_TRUE(Shows({5, 5}, "zshirored.gif"));
  EXPECT_TRUE(Shows({12, 5}, TileName(12, 5)));
  EXPECT_EQ(window.LeftCounts.at(12, 5), 0);
}

TEST_F(MoveWalkTest, WithoutAStartTheWalkDrawsOverTheWholeDiagram) {
  Select("", Triples({{3, 3}, {4, 4}}));
  window.ShowJoseki();
  window.NextMoveIndex = 0;
  window.Command5_Click();
  EXPECT_TRUE(Shows({3, 3}, "zshirored.gif"));
  EXPECT_TRUE(Shows({4, 4}, "zkuro2.gif"));
}

TEST_F(MoveWalkTest, AfterAShorterJosekiIsSelectedClicksWaitForTheStart) {
  Select("", Triples({{3, 3}, {4, 4}, {5, 5}}));
  window.Command6_Click();
  window.Command5_Click();
  window.Command5_Click();
  Select("", Triples({{7, 7}}));
  const QImage before = master();
  window.Command5_Click();
  window.Command5_Click();
  EXPECT_EQ(window.NextMoveIndex, 4);
  EXPECT_TRUE(AreaEqual(master(), before, master().rect()));
  window.Command6_Click();
  window.Command5_Click();
  EXPECT_TRUE(Shows({7, 7}, "zshirored.gif"));
  EXPECT_TRUE(window.controls.Image1Visible);
}

// A move that decodes to 0 ends its click without writing outside the count
// array or drawing outside the left board; the walk stays usable.
TEST_F(MoveWalkTest, MoveOffTheBoardEndsTheClick) {
  for (const QString bad : {"x31", "3x1", "001", "?x1"}) {
    SCOPED_TRACE(bad.toStdString());
    Select("", Triple({3, 3}) + bad + Triple({5, 5}));
    window.Command6_Click();
    window.Command5_Click();
    window.Command5_Click();
    EXPECT_EQ(StoneCount(window.LeftCounts), 1);
    EXPECT_TRUE(AreaEqual(master(), EmptyBoards(), kStripArea));
    window.Command6_Click();
    window.Command5_Click();
    EXPECT_TRUE(Shows({3, 3}, "zshirored.gif"));
  }
}

TEST_F(MoveWalkTest, LastMoveOffTheBoardStillEndsTheWalk) {
  Select("", Triple({3, 3}) + "x31");
  window.Command6_Click();
  window.Command5_Click();
  window.Command5_Click();
  EXPECT_TRUE(window.controls.Image1Visible);
  EXPECT_EQ(window.NextMoveIndex, 0);
  window.Command5_Click();
  EXPECT_EQ(window.NextMoveIndex, 1);
  EXPECT_TRUE(Shows({3, 3}, "zshirored.gif"));
}

}  // namespace
