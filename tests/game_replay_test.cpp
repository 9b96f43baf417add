// The game record on the right board: numbered and plain stones, captures,
// and the ends of a game that breaks off.
#include <gtest/gtest.h>

#include "shell/board_window.h"
#include "support/board_counts.h"
#include "support/move_text.h"
#include "support/pixels.h"

namespace {

class GameReplayTest : public ::testing::Test {
 protected:
  void SetGame(const QString& moves, int first, int last) {
    window.GameMoves = moves;
    window.FirstGameMove = first;
    window.LastGameMove = last;
  }
  void ReplayTo(int target) {
    window.ResetRightBoard();
    window.ReplayGameTo(target);
  }
  const QImage& master() const { return window.canvas.master(); }

  BoardWindow window;
};

QString Numbered(bool black, int n) {
  return QString("z%1%2.gif").arg(black ? "kuro" : "shiro").arg(n);
}

struct NumberingCase {
  const char* name;
  int first;
  int last;
  int target;
  std::vector<std::pair<int, QString>> pictures;  // game move, picture
};

class NumberingTest : public GameReplayTest, public ::testing::WithParamInterface<NumberingCase> {};

TEST_P(NumberingTest, EachMoveShowsItsPicture) {
  const std::vector<TestPoint> points = ApartPoints(GetParam().target);
  SetGame(GamePairs(points), GetParam().first, GetParam().last);
  ReplayTo(GetParam().target);
  EXPECT_EQ(window.RightMoveCount, GetParam().target);
  for (const auto& [k, picture] : GetParam().pictures) {
    const TestPoint p = points[k - 1];
    EXPECT_TRUE(RightPointShows(master(), p.column, p.row, picture)) << "game move " << k;
    EXPECT_EQ(window.RightCounts.at(p.column, p.row) % 2, k % 2) << "game move " << k;
  }
}

std::vector<std::pair<int, QString>> FirstOneToSixty() {
  std::vector<std::pair<int, QString>> pictures;
  for (int k = 1; k <= 55; ++k) pictures.emplace_back(k, Numbered(k % 2 != 0, k));
  for (int k = 56; k <= 60; ++k) pictures.emplace_back(k, "zgold.gif");
  return pictures;
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, NumberingTest,
    ::testing::Values(
        NumberingCase{"OddFirst",
                      3,
                      6,
                      8,
                      {{1, "mygold.gif"},
                       {2, "ysilver.gif"},
                       {3, "zkuro1.gif"},
                       {4, "zshiro2.gif"},
                       {5, "zkuro3.gif"},
                       {6, "zshiro4.gif"},
                       {7, "mygold.gif"},
                       {8, "ysilver.gif"}}},
        NumberingCase{"EvenFirst",
                      4,
                      70,
                      61,
                      {{3, "mygold.gif"},
                       {4, "zshiro1.gif"},
                       {5, "zkuro2.gif"},
                       {58, "zshiro55.gif"},
                       {59, "ysilver.gif"},
                       {60, "ysilver.gif"},
                       {61, "ysilver.gif"}}},
        NumberingCase{"PastFiftyFiveFromBlack", 1, 60, 61,
                      [] {
                        auto pictures = FirstOneToSixty();
                        pictures.emplace_back(61, "mygold.gif");
                        return pictures;
                      }()},
        // A first move of 0 counts as even: the numbering begins with white.
        NumberingCase{
            "FirstZero", 0, 2, 3, {{1, "zshiro1.gif"}, {2, "zkuro2.gif"}, {3, "mygold.gif"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameReplayTest, ShowGameRecordDrawsUpToTheJosekisLastMoveAsAReplayDoes) {
  SetGame(GamePairs(ApartPoints(20)), 5, 12);
  window.ShowGameRecord();
  EXPECT_EQ(window.RightMoveCount, 12);
  EXPECT_TRUE(window.controls.GameButtonsEnabled);
  const QImage shown = master();
  const BoardState counts = window.RightCounts;
  ReplayTo(12);
  EXPECT_TRUE(AreaEqual(master(), shown, master().rect()));
  EXPECT_EQ(window.RightCounts, counts);
}

TEST_F(GameReplayTest, TargetOfZeroOrLessDrawsNothing) {
  SetGame(GamePairs(ApartPoints(6)), 1, 6);
  for (int target : {0, -1, -5}) {
    ReplayTo(3);
    ReplayTo(target);
    EXPECT_EQ(window.RightMoveCount, 0);
    EXPECT_EQ(window.RightCounts, BoardState{});
    EXPECT_TRUE(AreaEqual(master(), EmptyBoards(), kRightBoardArea));
  }
}

TEST_F(GameReplayTest, LastMoveBeyondTheGameDrawsTheWholeGame) {
  SetGame(GamePairs(ApartPoints(7)), 1, 40);
  window.ShowGameRecord();
  EXPECT_EQ(window.RightMoveCount, 7);
  EXPECT_TRUE(window.controls.GameButtonsEnabled);
  EXPECT_TRUE(RightPointShows(master(), 13, 1, "zkuro7.gif"));
}

// A game that breaks off (a character that decodes to 0, or a missing column
// at the end) keeps what was drawn, blanks the heading and leaves the buttons.
struct BrokenGame {
  const char* name;
  QString moves;
  int drawn;
  int counted;
};

class BrokenGameTest : public GameReplayTest, public ::testing::WithParamInterface<BrokenGame> {};

TEST_P(BrokenGameTest, EndsAtTheBadMove) {
  for (bool enabledBefore : {false, true}) {
    window.SetGameButtonsEnabled(enabledBefore);
    window.controls.Label1 = "heading";
    SetGame(GetParam().moves, 1, 10);
    window.ShowGameRecord();
    EXPECT_EQ(window.controls.Label1, "");
    EXPECT_EQ(window.RightMoveCount, GetParam().counted);
    EXPECT_EQ(window.controls.GameButtonsEnabled, enabledBefore);
    EXPECT_EQ(StoneCount(window.RightCounts), GetParam().drawn);
    EXPECT_TRUE(AreaEqual(master(), EmptyBoards(), kStripArea));
  }
}

INSTANTIATE_TEST_SUITE_P(Games, BrokenGameTest,
                         ::testing::Values(BrokenGame{"BadRow", "1133x355", 2, 3},
                                           BrokenGame{"BadColumn", "11333x55", 2, 3},
                                           BrokenGame{"Zero", "113300", 2, 3},
                                           BrokenGame{"Tenuki", "11??", 1, 2},
                                           BrokenGame{"OddLength", "11335", 2, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

// Beyond the joseki nothing was checked: a move that decodes to 0 is skipped,
// nothing is drawn into the strip between the boards, and later moves keep
// their numbers and colours.
TEST_F(GameReplayTest, ReplaySkipsAMoveThatIsNotOnTheBoard) {
  for (const QString bad : {"x1", "1x", "00", "??"}) {
    SetGame("1133" + bad + "55", 1, 2);
    window.ShowGameRecord();
    ASSERT_TRUE(window.controls.GameButtonsEnabled);
    ReplayTo(4);
    EXPECT_EQ(window.RightMoveCount, 4);
    EXPECT_TRUE(AreaEqual(master(), EmptyBoards(), kStripArea)) << bad.toStdString();
    EXPECT_TRUE(RightPointShows(master(), 5, 5, "ysilver.gif"));  // move 4, white
    EXPECT_EQ(StoneCount(window.RightCounts), 3);
  }
}

TEST_F(GameReplayTest, CapturedStonesVanishAndComeBackWhenSteppingBack) {
  // 1 B (1, 1), 2 W (2, 1), 3 B (10, 10), 4 W (1, 2) takes (1, 1), 5 B (15, 15).
  SetGame(GamePairs({{1, 1}, {2, 1}, {10, 10}, {1, 2}, {15, 15}}), 1, 5);
  window.ShowGameRecord();
  EXPECT_TRUE(RightPointShows(master(), 1, 1, "upleft23.jpg"));
  EXPECT_EQ(window.RightCounts.at(1, 1), 0);
  EXPECT_EQ(window.RightCounts.at(2, 1), 4);
  EXPECT_TRUE(RightPointShows(master(), 1, 2, "zshiro4.gif"));
  ReplayTo(3);
  EXPECT_TRUE(RightPointShows(master(), 1, 1, "zkuro1.gif"));
  EXPECT_EQ(window.RightCounts.at(1, 1), 7);
}

TEST_F(GameReplayTest, CaptureOnTheRightBoardLeavesTheLeftBoardAlone) {
  window.ResetLeftBoard();
  window.LeftCounts.at(1, 1) = 9;
  const QImage before = master();
  SetGame(GamePairs({{1, 1}, {2, 1}, {10, 10}, {1, 2}}), 1, 4);
  window.ShowGameRecord();
  EXPECT_TRUE(AreaEqual(master(), before, kLeftBoardArea));
  EXPECT_EQ(window.LeftCounts.at(1, 1), 9);
}

}  // namespace
