// Drawing a selected joseki on the left board (stones, numbers, tenuki,
// marks, captures), reading its game reference, and the selection itself.
#include <gtest/gtest.h>

#include "support/board_counts.h"
#include "support/loaded_window.h"
#include "support/move_text.h"
#include "support/pixels.h"

namespace {

// A window that draws joseki set directly, without a collection.
class JosekiDrawingTest : public ::testing::Test {
 protected:
  void Show(const QString& setup, const QString& moves, const QString& markers = QString()) {
    window.ShownSetup = setup;
    window.ShownMoves = moves;
    window.ShownMarkers = markers;
    window.ShowJoseki();
  }
  const QImage& master() const { return window.canvas.master(); }

  BoardWindow window;
};

TEST_F(JosekiDrawingTest, NumberedMovesOpenWithWhiteAndCarryTheirNumbers) {
  Show("", Triples({{4, 3}, {3, 5}, {10, 3}}));
  EXPECT_TRUE(LeftPointShows(master(), 4, 3, "zshiro1.gif"));
  EXPECT_TRUE(LeftPointShows(master(), 3, 5, "zkuro2.gif"));
  EXPECT_TRUE(LeftPointShows(master(), 10, 3, "zshiro3.gif"));
  EXPECT_EQ(window.LeftCounts.at(4, 3), 2);
  EXPECT_EQ(window.LeftCounts.at(3, 5), 1);
  EXPECT_EQ(window.LeftCounts.at(10, 3), 2);
  EXPECT_EQ(window.LeftMoveCount, 0);
}

TEST_F(JosekiDrawingTest, GivenStonesArePlainAndOpenWithBlack) {
  Show(Triples({{4, 4}, {16, 4}, {4, 16}}), Triples({{3, 6}}));
  EXPECT_TRUE(LeftPointShows(master(), 4, 4, "mygold.gif"));
  EXPECT_TRUE(LeftPointShows(master(), 16, 4, "ysilver.gif"));
  EXPECT_TRUE(LeftPointShows(master(), 4, 16, "mygold.gif"));
  EXPECT_TRUE(LeftPointShows(master(), 3, 6, "zshiro1.gif"));
  EXPECT_EQ(window.LeftCounts.at(4, 4), 1);
  EXPECT_EQ(window.LeftCounts.at(16, 4), 2);
}

TEST_F(JosekiDrawingTest, PastTheFiftyFifthMoveEveryStoneIsThePlainWhitePicture) {
  const std::vector<TestPoint> points = ApartPoints(57);
  Show("", Triples(points));
  for (int n = 1; n <= 57; ++n) {
    const TestPoint p = points[n - 1];
    const bool white = n % 2 != 0;
    const QString expected =
        n > 55 ? QString("ysilver.gif") : QString("z%1%2.gif").arg(white ? "shiro" : "kuro").arg(n);
    EXPECT_TRUE(LeftPointShows(master(), p.column, p.row, expected)) << "move " << n;
    EXPECT_EQ(window.LeftCounts.at(p.column, p.row) % 2, white ? 0 : 1) << "move " << n;
  }
}

struct TenukiCase {
  const char* name;
  QString setup;
  QString moves;
  std::vector<std::pair<TestPoint, QString>> shown;
};

class TenukiLayoutTest : public JosekiDrawingTest,
                         public ::testing::WithParamInterface<TenukiCase> {};

TEST_P(TenukiLayoutTest, TenukiStonesGoToTheRightEdge) {
  Show(GetParam().setup, GetParam().moves);
  for (const auto& [point, image] : GetParam().shown) {
    EXPECT_TRUE(LeftPointShows(master(), point.column, point.row, image));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, TenukiLayoutTest,
    ::testing::Values(
        // One count runs over the whole pass: 19, 18, then 17 for every later one.
        TenukiCase{"Moves",
                   "",
                   "???????????1",
                   {{{19, 10}, "zshiro1.gif"},
                    {{18, 10}, "zkuro2.gif"},
                    {{17, 10}, "zkuro4.gif"}}},  // the third and fourth share (17, 10)
        TenukiCase{"SetupFirst",
                   "???",
                   "??????",
                   {{{19, 10}, "mygold.gif"}, {{18, 10}, "zshiro1.gif"}, {{17, 10}, "zkuro2.gif"}}},
        TenukiCase{"RowOnly", "", "?D1", {{{13, 10}, "zshiro1.gif"}}},
        // A "?" column alone takes the tenuki column and advances the count.
        TenukiCase{
            "ColumnOnly", "", "3?1???", {{{19, 3}, "zshiro1.gif"}, {{18, 10}, "zkuro2.gif"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(JosekiDrawingTest, MarkersDrawTheirPicturesOverWhatTheCellHolds) {
  const QString markers = "3Ca4Cb5Cc6Cd7Ce8C29CX3D?";
  Show("", Triples({{12, 3}}), markers);
  const char* expected[] = {"aa.gif", "ab.gif",         "ac.gif",       "ad.gif",
                            "ae.gif", "shiroshiro.gif", "kurokuro.gif", "kurokuro.gif"};
  for (int i = 0; i < 8; ++i) {
    EXPECT_TRUE(LeftPointShows(master(), i < 7 ? 12 : 13, i < 7 ? 3 + i : 3, expected[i]));
  }
  EXPECT_EQ(window.LeftCounts.at(12, 3), 2);  // the mark leaves the stone's count alone
}

TEST_F(JosekiDrawingTest, MarkerOffTheBoardDrawsNothing) {
  Show("", "", "?Ca3?a0Cb");
  EXPECT_TRUE(AreaEqual(master(), EmptyBoards(), master().rect()));
}

TEST_F(JosekiDrawingTest, CapturesRemoveStonesBeforeTheNextMoveButGivenStonesNeverCapture) {
  // Given: black (1, 1), white (2, 1), black (10, 10), white (1, 2): black in
  // the corner has no liberty but stays, as given stones never capture.
  Show(Triples({{1, 1}, {2, 1}, {10, 10}, {1, 2}}), "");
  EXPECT_TRUE(LeftPointShows(master(), 1, 1, "mygold.gif"));
  EXPECT_EQ(window.LeftCounts.at(1, 1), 9);

  // Numbered: white 1 at (2, 1) takes black (1, 1); black 2 then plays there.
  Show(Triples({{1, 1}, {10, 10}}), Triples({{2, 1}, {5, 5}, {1, 2}}));
  EXPECT_TRUE(LeftPointShows(master(), 1, 1, "upleft23.jpg"));
  EXPECT_EQ(window.LeftCounts.at(1, 1), 0);
  EXPECT_EQ(window.LeftCounts.at(2, 1), 4);
  EXPECT_EQ(window.LeftCounts.at(1, 2), 4);
  Show(Triples({{1, 1}, {10, 10}}), Triples({{2, 1}, {5, 5}, {1, 2}, {1, 1}}));
  EXPECT_TRUE(LeftPointShows(master(), 1, 1, "zkuro4.gif"));
  EXPECT_EQ(window.LeftCounts.at(1, 1), 9);
}

TEST_F(JosekiDrawingTest, RightBoardIsClearedWhenThereIsNoGame) {
  window.GameMoves = "4D3C";
  window.LastGameMove = 2;
  window.ShownReference = "h|1/2|4D3C";
  Show("", Triples({{4, 3}}));
  EXPECT_EQ(window.RightCounts.at(13, 4), 1);
  window.ShownReference = "x";
  window.SetGameButtonsEnabled(true);
  Show("", Triples({{4, 3}}));
  EXPECT_TRUE(AreaEqual(master(), EmptyBoards(), kRightBoardArea));
  EXPECT_EQ(window.RightCounts, BoardState{});
  EXPECT_FALSE(window.controls.GameButtonsEnabled);
}

// A stone whose row or column decodes to 0 ends the drawing: no markers, no
// game, and nothing written outside the count array.
struct BadStone {
  const char* name;
  QString setup;
  QString moves;
};

class BadStoneTest : public JosekiDrawingTest, public ::testing::WithParamInterface<BadStone> {};

TEST_P(BadStoneTest, EndsTheDrawing) {
  window.ShownReference = "heading|1/1|4D";
  window.controls.Label1 = " ";
  Show(GetParam().setup, GetParam().moves, "55a");
  EXPECT_TRUE(
      LeftPointShows(master(), 3, 3, GetParam().setup.isEmpty() ? "zshiro1.gif" : "mygold.gif"));
  EXPECT_TRUE(LeftPointShows(master(), 5, 5, "cross23.jpg"));  // no marker
  EXPECT_EQ(window.controls.Label1, " ");                      // no game
  EXPECT_EQ(window.RightCounts, BoardState{});
  EXPECT_EQ(StoneCount(window.LeftCounts), 1);
  EXPECT_NE(window.LeftCounts.at(3, 3), 0);
  // The rest of the left board stays bare.
  QImage expected = EmptyBoards();
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 22; ++x) expected.setPixel(44 + x, 46 + y, master().pixel(44 + x, 46 + y));
  EXPECT_TRUE(AreaEqual(master(), expected, kLeftBoardArea));
}

INSTANTIATE_TEST_SUITE_P(
    Stones, BadStoneTest,
    ::testing::Values(BadStone{"MoveColumn", "", "3313x1"}, BadStone{"MoveRow", "", "331x31"},
                      BadStone{"MoveZero", "", "331001"}, BadStone{"ShortLastTriple", "", "3314"},
                      BadStone{"SetupColumn", "331", "3x1"}, BadStone{"SetupRow", "331x51", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The display shows the board as of the last finished step, never half a drawing.
TEST_F(JosekiDrawingTest, AFailedDrawingLeavesTheDisplayAtItsLastRefresh) {
  Show("", Triple({3, 3}) + "x31");
  EXPECT_TRUE(LeftPointShows(master(), 3, 3, "zshiro1.gif"));
  EXPECT_TRUE(AreaEqual(window.canvas.shown(), EmptyBoards(), kLeftBoardArea));
  Show("", Triple({3, 3}));
  EXPECT_TRUE(AreaEqual(window.canvas.shown(), master(), master().rect()));
}

// ---- the game reference ----------------------------------------------------

class GameReferenceTest : public JosekiDrawingTest {
 protected:
  void Read(const QString& reference) {
    window.FirstGameMove = 7;
    window.LastGameMove = 9;
    window.ShownReference = reference;
    window.ReadGameReference();
  }
};

TEST_F(GameReferenceTest, HeadingRangeAndMovesAreSplitAtTheirSeparators) {
  Read("Heading one|12/30|4D 3C　5E6F");
  EXPECT_EQ(window.controls.Label1, "Heading one");
  EXPECT_EQ(window.FirstGameMove, 12);
  EXPECT_EQ(window.LastGameMove, 30);
  EXPECT_EQ(window.GameMoves, "4D3C5E6F");  // first blank and first full-width blank gone
  EXPECT_EQ(window.RightMoveCount, 4);      // the whole game: it is shorter than 30 moves
  EXPECT_TRUE(RightPointShows(master(), 13, 4, "mygold.gif"));
  EXPECT_TRUE(window.controls.GameButtonsEnabled);
}

struct BadReference {
  const char* name;
  QString reference;
  QString label;
  int first;
  int last;
  QString moves;
};

class BadReferenceTest : public GameReferenceTest,
                         public ::testing::WithParamInterface<BadReference> {};

// A part that cannot be cut out or read keeps its old value; the game is still drawn.
TEST_P(BadReferenceTest, KeepsWhatCannotBeRead) {
  Read(GetParam().reference);
  EXPECT_EQ(window.controls.Label1, GetParam().label);
  EXPECT_EQ(window.FirstGameMove, GetParam().first);
  EXPECT_EQ(window.LastGameMove, GetParam().last);
  EXPECT_EQ(window.GameMoves, GetParam().moves);
}

INSTANTIATE_TEST_SUITE_P(
    References, BadReferenceTest,
    ::testing::Values(BadReference{"NoBar", "4D3C5E", "", 7, 9, "4D3C5E"},
                      // "12/30" becomes the moves; its "/" ends the drawing and blanks the heading.
                      BadReference{"OneBar", "Head|12/30", "", 7, 9, "12/30"},
                      BadReference{"NoSlash", "Head|1230|4D3C", "Head", 7, 9, "4D3C"},
                      BadReference{"FirstNotANumber", "Head|x/5|4D3C", "Head", 7, 5, "4D3C"},
                      BadReference{"LastNotANumber", "Head|2/y|4D3C", "Head", 2, 9, "4D3C"},
                      BadReference{"EmptyParts", "||", "", 7, 9, ""},
                      // Move numbers are 16-bit: what does not fit is not a number.
                      BadReference{"LastTooLarge", "Head|2/2000000000|4D3C", "Head", 2, 9, "4D3C"},
                      BadReference{"FirstTooSmall", "Head|-40000/5|4D3C", "Head", 7, 5, "4D3C"},
                      BadReference{"LargestThatFits", "Head|32767/32767|4D", "Head", 32767, 32767,
                                   "4D"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameReferenceTest, ShortReferenceClearsTheRightBoardAndDisablesTheButtons) {
  for (const QString& reference : {QString(), QString("x")}) {
    Read("h|1/2|4D3C");
    ASSERT_TRUE(window.controls.GameButtonsEnabled);
    Read(reference);
    EXPECT_FALSE(window.controls.GameButtonsEnabled);
    EXPECT_EQ(window.RightCounts, BoardState{});
    EXPECT_TRUE(AreaEqual(master(), EmptyBoards(), kRightBoardArea));
  }
}

TEST_F(GameReferenceTest, NegativeLastMoveLeavesAnEmptyRightBoard) {
  Read("h|1/2|4D3C");
  Read("h|1/-2|4D3C");
  EXPECT_EQ(window.RightCounts, BoardState{});
  EXPECT_TRUE(AreaEqual(master(), EmptyBoards(), kRightBoardArea));
}

// ---- selection -------------------------------------------------------------

using SelectionTest = LoadedWindowTest;

struct CleanUp {
  QString stored;
  QString shown;
};

class MovesCleanUpTest : public LoadedWindowTest, public ::testing::WithParamInterface<CleanUp> {};

TEST_P(MovesCleanUpTest, SelectionTrimsToWholeTriplesThenDropsOneBlankOfEachKind) {
  TestRow other = Row("4D1");
  other.five = "2a";
  TestRow row = Row(GetParam().stored);
  row.five = "2b";
  Load({other, row});
  Click(1);
  EXPECT_EQ(window->ShownMoves, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MovesCleanUpTest,
    ::testing::Values(CleanUp{"4D13C2", "4D13C2"}, CleanUp{"4D1", "4D1"}, CleanUp{"4D13", "4D1"},
                      CleanUp{"4D13C", "4D1"},
                      CleanUp{"4D1 3C2 5E", "4D13C2 5"},  // the second blank stays
                      CleanUp{"4D1 3C　5E1", "4D13C5E"},  // one of each kind goes
                      CleanUp{"4D1　3C2", "4D13C"}, CleanUp{"", ""}));

TEST_F(SelectionTest, ClickOnALineSelectsItsRecord) {
  std::vector<TestRow> rows;
  for (int i = 1; i <= 6; ++i) {
    TestRow row = Row(Triple({i, 3}));
    row.title = QString("joseki %1").arg(i);
    row.five = QString("2%1").arg(i);
    row.commentary = QString("commentary %1").arg(i);
    rows.push_back(row);
  }
  Load(rows);
  Click(5);
  EXPECT_EQ(window->CurrentRecord, 6);
  EXPECT_EQ(window->controls.Label2, "commentary 6");
  EXPECT_EQ(window->controls.Label3, "26");
  EXPECT_EQ(window->ShownMoves, Triple({6, 3}));
  EXPECT_TRUE(LeftPointShows(window->canvas.master(), 6, 3, "zshiro1.gif"));
  EXPECT_EQ(window->controls.Text6, "");
  Click(0);
  EXPECT_EQ(window->CurrentRecord, 1);
  EXPECT_TRUE(LeftPointShows(window->canvas.master(), 6, 3, "cross23.jpg"));
  EXPECT_TRUE(LeftPointShows(window->canvas.master(), 1, 3, "zshiro1.gif"));
}

TEST_F(SelectionTest, ReportOfASearchShowsTheRecordBefore) {
  std::vector<TestRow> rows;
  for (int i = 1; i <= 6; ++i) {
    TestRow row = Row(Triple({i, 3}), "0", QString("game %1|1/1|3%2").arg(i).arg(i));
    row.five = QString("2%1").arg(i);
    rows.push_back(row);
  }
  Load(rows);
  window->CurrentRecord = 6;  // the search found the 5th record
  window->ShowRecordBefore();
  EXPECT_EQ(window->CurrentRecord, 5);
  EXPECT_EQ(window->controls.List1Index, 4);
  EXPECT_EQ(window->controls.Label1, "game 5");
  EXPECT_EQ(window->controls.Text6, "game 5|1/1|35");
  EXPECT_TRUE(LeftPointShows(window->canvas.master(), 5, 3, "zshiro1.gif"));
  EXPECT_TRUE(RightPointShows(window->canvas.master(), 5, 3, "zkuro1.gif"));
  EXPECT_TRUE(window->controls.GameButtonsEnabled);
}

TEST_F(SelectionTest, RecordWithoutGameLeavesNoMovesAndAnEmptyRightBoard) {
  TestRow with = Row(Triple({3, 3}), "0", "game|1/2|4D3C");
  with.five = "2a";
  TestRow without = Row(Triple({4, 4}));
  without.five = "2b";
  Load({with, without});
  ASSERT_EQ(window->GameMoves, "4D3C");
  Click(1);
  EXPECT_TRUE(window->GameMoves.isEmpty());
  EXPECT_EQ(window->RightCounts, BoardState{});
  EXPECT_FALSE(window->controls.GameButtonsEnabled);
  EXPECT_EQ(window->controls.Label1, " ");
}

}  // namespace
