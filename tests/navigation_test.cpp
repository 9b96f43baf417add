// The six stepping buttons under the right board, the end notice and its
// timer, the label size button, and when the stepping buttons are usable.
#include <gtest/gtest.h>

#include "support/loaded_window.h"
#include "support/move_text.h"
#include "support/pixels.h"

namespace {

constexpr int kGameLength = 10;
constexpr int kJosekiLast = 6;

class NavigationTest : public ::testing::Test {
 protected:
  NavigationTest() { ShowGame(GamePairs(ApartPoints(kGameLength)), 3, kJosekiLast); }

  void ShowGame(const QString& moves, int first, int last) {
    window.ShownReference = QString("heading|%1/%2|%3").arg(first).arg(last).arg(moves);
    window.ReadGameReference();
  }
  // Puts the right board at move m as a step there would.
  void GoTo(int m) {
    window.ResetRightBoard();
    window.ReplayGameTo(m);
  }
  // The right board of the game at move m.
  QImage GameAt(int m) const {
    BoardWindow reference;
    reference.GameMoves = window.GameMoves;
    reference.FirstGameMove = window.FirstGameMove;
    reference.LastGameMove = window.LastGameMove;
    reference.ResetRightBoard();
    reference.ReplayGameTo(m);
    return reference.canvas.master();
  }
  const QImage& master() const { return window.canvas.master(); }

  BoardWindow window;
};

using Button = void (BoardWindow::*)();

struct StepCase {
  const char* name;
  Button button;
  int from;
  int to;  // the move shown afterwards
  bool notice;
};

class StepTest : public NavigationTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(StepTest, ButtonShowsTheMoveItAsksFor) {
  GoTo(GetParam().from);
  const QImage before = master();
  (window.*GetParam().button)();
  EXPECT_EQ(window.RightMoveCount, GetParam().to);
  EXPECT_TRUE(AreaEqual(master(), GameAt(GetParam().to), kRightBoardArea));
  EXPECT_EQ(window.controls.Image2Visible, GetParam().notice);
  EXPECT_EQ(window.controls.Timer2Enabled, GetParam().notice);
  EXPECT_FALSE(window.controls.Image1Visible);
  if (GetParam().notice) {
    EXPECT_TRUE(AreaEqual(master(), before, master().rect()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, StepTest,
    ::testing::Values(
        StepCase{"ForwardOne", &BoardWindow::Command3_Click, 4, 5, false},
        StepCase{"ForwardOneToTheLast", &BoardWindow::Command3_Click, 9, 10, false},
        StepCase{"ForwardOneAtTheEnd", &BoardWindow::Command3_Click, 10, 10, true},
        StepCase{"ForwardFive", &BoardWindow::Command17_Click, 5, 10, false},
        StepCase{"ForwardFiveThreeBeforeTheEnd", &BoardWindow::Command17_Click, 7, 7, true},
        StepCase{"BackOne", &BoardWindow::Command20_Click, 6, 5, false},
        StepCase{"BackOneAtTheFirst", &BoardWindow::Command20_Click, 1, 1, false},
        StepCase{"BackOneFromNothing", &BoardWindow::Command20_Click, 0, 0, false},
        StepCase{"BackFive", &BoardWindow::Command21_Click, 8, 3, false},
        StepCase{"BackFiveAtThree", &BoardWindow::Command21_Click, 3, 1, false},
        StepCase{"BackFiveFromNothing", &BoardWindow::Command21_Click, 0, 1, false},
        StepCase{"First", &BoardWindow::Command22_Click, 9, 1, false},
        StepCase{"FirstFromNothing", &BoardWindow::Command22_Click, 0, 1, false},
        StepCase{"JosekiFromBeyond", &BoardWindow::Command2_Click, 9, kJosekiLast, false},
        StepCase{"JosekiFromBefore", &BoardWindow::Command2_Click, 1, kJosekiLast, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NavigationTest, JosekiButtonShowsTheWholeGameWhenItIsShorter) {
  ShowGame(GamePairs(ApartPoints(4)), 1, 30);
  GoTo(1);
  window.Command2_Click();
  EXPECT_EQ(window.RightMoveCount, 4);
  EXPECT_TRUE(RightPointShows(master(), 7, 1, "zshiro4.gif"));
}

TEST_F(NavigationTest, JosekiButtonReturnsToTheNumberedStones) {
  const QImage shown = master();
  window.Command3_Click();
  window.Command3_Click();
  ASSERT_EQ(window.RightMoveCount, kJosekiLast + 2);
  window.Command2_Click();
  EXPECT_TRUE(AreaEqual(master(), shown, master().rect()));
}

TEST_F(NavigationTest, AnIncompleteLastMoveIsNotAMove) {
  ShowGame(GamePairs(ApartPoints(4)) + "5", 1, 4);
  ASSERT_EQ(window.RightMoveCount, 4);
  window.Command3_Click();
  EXPECT_EQ(window.RightMoveCount, 4);
  EXPECT_TRUE(window.controls.Image2Visible);
}

TEST_F(NavigationTest, NoMoveOnTheBoardAfterARangeEndingAtZero) {
  ShowGame(GamePairs(ApartPoints(4)), 0, 0);
  ASSERT_EQ(window.RightMoveCount, 0);
  window.Command20_Click();
  EXPECT_EQ(window.TargetMove, -1);
  EXPECT_EQ(window.RightMoveCount, 0);
  EXPECT_EQ(window.RightCounts, BoardState{});
  window.Command21_Click();
  EXPECT_EQ(window.RightMoveCount, 1);
}

TEST_F(NavigationTest, TimerTickHidesBothNoticesAndStopsItself) {
  GoTo(kGameLength);
  window.Command3_Click();
  window.controls.Image1Visible = true;  // the walk's notice under the left board
  ASSERT_TRUE(window.controls.Timer2Enabled);
  window.Timer2_Timer();
  EXPECT_FALSE(window.controls.Timer2Enabled);
  EXPECT_FALSE(window.controls.Image1Visible);
  EXPECT_FALSE(window.controls.Image2Visible);
  EXPECT_EQ(window.RightMoveCount, kGameLength);
}

TEST_F(NavigationTest, StepsNeedAGameReference) {
  window.ShownReference.clear();
  window.GameMoves.clear();
  GoTo(3);
  const QImage before = master();
  for (Button button : {&BoardWindow::Command22_Click, &BoardWindow::Command20_Click,
                        &BoardWindow::Command21_Click, &BoardWindow::Command3_Click,
                        &BoardWindow::Command17_Click, &BoardWindow::Command2_Click}) {
    (window.*button)();
    EXPECT_EQ(window.RightMoveCount, 3);
    EXPECT_FALSE(window.controls.Image2Visible);
  }
  EXPECT_TRUE(AreaEqual(master(), before, master().rect()));
}

TEST_F(NavigationTest, StepsLeaveTheLeftBoardAlone) {
  window.ShownMoves = Triples({{3, 4}, {4, 3}});
  window.ShowJoseki();
  const QImage before = master();
  const BoardState counts = window.LeftCounts;
  for (Button button : {&BoardWindow::Command22_Click, &BoardWindow::Command3_Click,
                        &BoardWindow::Command17_Click, &BoardWindow::Command20_Click,
                        &BoardWindow::Command21_Click, &BoardWindow::Command2_Click}) {
    (window.*button)();
    EXPECT_TRUE(AreaEqual(master(), before, kLeftBoardArea));
    EXPECT_EQ(window.LeftCounts, counts);
  }
}

TEST_F(NavigationTest, LabelSizeAlternatesBetweenFourteenAndEleven) {
  EXPECT_EQ(window.controls.Label1FontSize, 11.25);
  EXPECT_EQ(window.controls.Label2FontSize, 11.25);
  for (double expected : {14.0, 11.0, 14.0, 11.0}) {
    window.Command13_Click();
    EXPECT_EQ(window.controls.Label1FontSize, expected);
    EXPECT_EQ(window.controls.Label2FontSize, expected);
  }
}

// ---- when the stepping buttons are usable ----------------------------------

class GameButtonsTest : public LoadedWindowTest {
 protected:
  void SetUp() override {
    TestRow withGame = Row(Triple({3, 3}), "0", "game|1/2|" + GamePairs(ApartPoints(4)));
    withGame.five = "2a";
    TestRow withoutGame = Row(Triple({4, 4}));
    withoutGame.five = "2b";
    TestRow brokenGame = Row(Triple({5, 5}), "0", "broken|1/3|1133x3");
    brokenGame.five = "2c";
    TestRow otherGame = Row(Triple({6, 6}), "0", "other|1/1|55");
    otherGame.five = "2d";
    Load({withGame, withoutGame, brokenGame, otherGame});
  }
  bool enabled() const { return window->controls.GameButtonsEnabled; }
};

TEST_F(GameButtonsTest, UsableExactlyWhileTheSelectedJosekisGameIsShown) {
  EXPECT_TRUE(enabled());  // record 1 after loading
  Click(1);
  EXPECT_FALSE(enabled());
  Click(0);
  EXPECT_TRUE(enabled());
  Click(2);
  EXPECT_FALSE(enabled());
  Click(3);
  EXPECT_TRUE(enabled());
  window->SetText6("4D2");
  EXPECT_FALSE(enabled());
  Click(0);
  EXPECT_TRUE(enabled());
}

TEST_F(GameButtonsTest, DisabledDuringSearchInputAndBackAfterASelection) {
  window->Command1_Click();
  EXPECT_FALSE(enabled());
  Click(0);
  EXPECT_TRUE(enabled());
  EXPECT_EQ(window->RightMoveCount, 2);
}

TEST_F(GameButtonsTest, RedrawButtonRestoresTheWholeJoseki) {
  const QImage shown = window->canvas.master();
  window->Command6_Click();
  window->Command5_Click();
  window->Command3_Click();
  window->Command12_Click();
  EXPECT_TRUE(AreaEqual(window->canvas.master(), shown, shown.rect()));
  EXPECT_EQ(window->RightMoveCount, 2);
}

}  // namespace
