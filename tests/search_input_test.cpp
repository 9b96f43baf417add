// Entering, shortening, extending, redrawing and ending a search sequence on
// the right board.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "search_test_support.h"
#include "shell/messages.h"

using namespace search_test;

namespace {

const QString kStarMessage = u"一手目は星に打ってください。"_qs;

// Clicks point by point after starting the input.
void Enter(BoardWindow& window, std::initializer_list<BoardPoint> points) {
  for (const BoardPoint& p : points) ClickRight(window, p.column, p.row);
}

// A program folder whose fld2 lacks one picture (links to the real ones).
class ProgramFolderWithout {
 public:
  explicit ProgramFolderWithout(const QString& missing) {
    const QDir source(QStringLiteral(PROGRAM_DIR "/fld2"));
    QDir(dir_.path()).mkdir(u"fld2"_qs);
    for (const QString& name : source.entryList(QDir::Files)) {
      if (name != missing) QFile::link(source.filePath(name), dir_.path() + u"/fld2/"_qs + name);
    }
  }
  QString path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

// The part of a picture that a cell copy shows.
QImage CellOf(const QString& name) {
  return ImageFile(name).copy(1, 0, 22, 23);
}

TEST(SearchInputTest, PicturesTellTheCellsApart) {
  // The pixel checks below rely on these pictures differing.
  const QString pictures[] = {u"zkuro1.gif"_qs,     u"zshiro2.gif"_qs,  u"zkuro3.gif"_qs,
                              u"ysilver.gif"_qs,    u"mmmcross.gif"_qs, u"newcross.gif"_qs,
                              u"crossdot23.jpg"_qs, u"cross23.jpg"_qs};
  for (const QString& a : pictures) {
    ASSERT_FALSE(CellOf(a).isNull()) << a.toStdString();
    for (const QString& b : pictures) {
      if (a != b) {
        EXPECT_NE(CellOf(a), CellOf(b)) << a.toStdString();
      }
    }
  }
}

TEST(SearchInputTest, MousePositionNamesTheCell) {
  struct Case {
    double x, y;
    int column, row;
  };
  const Case cases[] = {
      {0, 0, 1, 1},       {21.4, 22.4, 1, 1}, {21.6, 0, 2, 1},  {418, 0, 20, 1},
      {430, 200, 20, 9},  {439, 436, 20, 19}, {440, 0, 21, 1},  {506, 46, 24, 3},
      {857, 436, 39, 19}, {10, 22.5, 1, 1},   {10, 45.5, 1, 3}, {10, 23.5, 1, 2},
  };
  BoardWindow window;
  for (const Case& c : cases) {
    window.Display_MouseMove(c.x, c.y);
    EXPECT_EQ(window.InputColumn, c.column) << c.x << "," << c.y;
    EXPECT_EQ(window.InputRow, c.row) << c.x << "," << c.y;
  }
}

TEST(SearchInputTest, FirstStoneFollowsTheSectionRule) {
  struct Rule {
    int section;
    std::vector<BoardPoint> allowed;  // empty: every point
    QString message;
  };
  const Rule rules[] = {
      {1, {{4, 4}}, kStarMessage},
      {2, {{4, 4}}, kStarMessage},
      {3, {{4, 3}, {3, 4}}, u"一手目は小目に打ってください。"_qs},
      {4, {{5, 4}, {4, 5}}, u"一手目は高目に打ってください。"_qs},
      {5, {{5, 3}, {3, 5}}, u"一手目は目外しに打ってください。"_qs},
      {6, {{3, 3}}, u"一手目は三々に打ってください。"_qs},
      {7, {}, {}},
  };
  const BoardPoint probes[] = {{4, 4}, {3, 4},   {4, 3},   {5, 4},   {4, 5},   {5, 3}, {3, 5},
                               {3, 3}, {17, 10}, {18, 10}, {19, 10}, {10, 10}, {1, 1}, {19, 19}};
  for (const Rule& rule : rules) {
    for (const BoardPoint& probe : probes) {
      SCOPED_TRACE(testing::Message() << "section " << rule.section << " point (" << probe.column
                                      << ", " << probe.row << ")");
      ScopedSection section(rule.section);
      ScopedMessageRecorder recorder;
      BoardWindow window;
      window.Command1_Click();
      ClickRight(window, probe.column, probe.row);
      const bool allowed =
          rule.allowed.empty() ||
          std::any_of(rule.allowed.begin(), rule.allowed.end(), [&](const BoardPoint& p) {
            return p.column == probe.column && p.row == probe.row;
          });
      if (allowed) {
        EXPECT_TRUE(recorder.messages.isEmpty());
        EXPECT_EQ(window.LeftMoveCount, 1);
        EXPECT_EQ(window.controls.Text6, Entered({probe}).first);
        EXPECT_EQ(window.controls.Text7, Entered({probe}).second);
        EXPECT_TRUE(
            RightPointShows(window.canvas.master(), probe.column, probe.row, u"zkuro1.gif"_qs));
      } else {
        EXPECT_EQ(recorder.messages, QStringList{rule.message});
        EXPECT_EQ(window.LeftMoveCount, 0);
        EXPECT_TRUE(window.controls.Text6.isEmpty());
        EXPECT_TRUE(window.controls.Text7.isEmpty());
      }
    }
  }
}

TEST(SearchInputTest, RefusedFirstStoneResetsTheBoardAndStartsAgain) {
  ScopedSection section(5);
  ScopedMessageRecorder recorder;
  BoardWindow window;
  window.Command1_Click();
  ASSERT_TRUE(CellShows(window.canvas.master(), 528, 46, u"mmmcross.gif"_qs));
  ClickRight(window, 4, 4);
  EXPECT_EQ(recorder.messages, QStringList{u"一手目は目外しに打ってください。"_qs});
  // The marks go with the reset; the refused stone was never drawn.
  EXPECT_TRUE(CellShows(window.canvas.master(), 528, 46, u"cross23.jpg"_qs));
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 4, 4, u"crossdot23.jpg"_qs));
  EXPECT_FALSE(window.InputClosed);

  ClickRight(window, 5, 3);
  EXPECT_EQ(recorder.messages.size(), 1);
  EXPECT_EQ(window.LeftMoveCount, 1);
  EXPECT_EQ(window.controls.Text6, u"352"_qs);
  EXPECT_EQ(window.controls.Text7, u"532"_qs);
}

TEST(SearchInputTest, ThreeFourFirstStoneWritesRowColumnAndTag) {
  ScopedSection section(3);
  BoardWindow window;
  window.Command1_Click();
  const int refreshes = window.canvas.refreshCount();
  window.Display_MouseMove(506, 46);
  window.Display_Click();
  EXPECT_EQ(window.controls.Text6, u"342"_qs);
  EXPECT_EQ(window.controls.Text7, u"432"_qs);
  EXPECT_TRUE(CellShows(window.canvas.master(), 506, 46, u"zkuro1.gif"_qs));
  EXPECT_GT(window.canvas.refreshCount(), refreshes);
}

TEST(SearchInputTest, StonesAlternateTagsAndPictures) {
  ScopedSection section(2);
  BoardWindow window;
  window.Command1_Click();
  Enter(window, {{4, 4}, {3, 6}, {6, 3}});
  EXPECT_EQ(window.controls.Text6, u"442631362"_qs);
  EXPECT_EQ(window.controls.Text7, u"442361632"_qs);
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 4, 4, u"zkuro1.gif"_qs));
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 3, 6, u"zshiro2.gif"_qs));
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 6, 3, u"zkuro3.gif"_qs));

  window.LeftMoveCount = 54;
  Enter(window, {{9, 9}, {15, 15}});
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 9, 9, u"zkuro55.gif"_qs));
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 15, 15, u"ysilver.gif"_qs));
  EXPECT_TRUE(window.controls.Text6.endsWith(u"992FF1"_qs));
  EXPECT_EQ(window.LeftMoveCount, 56);
}

TEST(SearchInputTest, TenukiCellsEnterAMovePlayedElsewhere) {
  ScopedSection section(2);
  BoardWindow window;
  window.Command1_Click();
  Enter(window, {{4, 4}, {18, 10}});
  EXPECT_EQ(window.controls.Text6, u"442???"_qs);
  EXPECT_EQ(window.controls.Text7, u"442???"_qs);
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 18, 10, u"zshiro2.gif"_qs));

  // Column 16 of row 10 and column 18 of row 9 are ordinary points.
  Enter(window, {{16, 10}, {18, 9}, {17, 10}, {19, 10}});
  EXPECT_EQ(window.controls.Text6, u"442???AG29I1??????"_qs);
  EXPECT_EQ(window.controls.Text7, u"442???GA2I91??????"_qs);
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 19, 10, u"zshiro6.gif"_qs));
}

TEST(SearchInputTest, ClicksOffTheRightBoardOrWhileClosedChangeNothing) {
  ScopedSection section(7);
  ScopedMessageRecorder recorder;
  BoardWindow window;
  window.Command1_Click();
  Enter(window, {{4, 4}});
  const QImage before = window.canvas.master();
  const int refreshes = window.canvas.refreshCount();

  const std::pair<double, double> offBoard[] = {{430, 100}, {100, 100}, {417, 436}, {439, 0}};
  for (const auto& [x, y] : offBoard) {
    window.Display_MouseMove(x, y);
    window.Display_Click();
  }
  window.InputClosed = true;
  ClickRight(window, 5, 5);

  EXPECT_EQ(window.controls.Text6, u"442"_qs);
  EXPECT_EQ(window.LeftMoveCount, 1);
  EXPECT_EQ(window.canvas.master(), before);
  EXPECT_EQ(window.canvas.refreshCount(), refreshes);
  EXPECT_TRUE(recorder.messages.isEmpty());
}

TEST(SearchInputTest, OnlyARealChangeOfText6DisablesTheGameButtons) {
  BoardWindow window;
  window.SetText6(u"abc"_qs);
  window.SetGameButtonsEnabled(true);
  window.SetText6(u"abc"_qs);
  EXPECT_TRUE(window.controls.GameButtonsEnabled);
  window.SetText6(u"abcd"_qs);
  EXPECT_FALSE(window.controls.GameButtonsEnabled);

  ScopedSection section(7);
  window.Command1_Click();
  window.SetGameButtonsEnabled(true);
  Enter(window, {{4, 4}});
  EXPECT_FALSE(window.controls.GameButtonsEnabled);
}

TEST(SearchInputTest, UnreadableStonePictureKeepsTheExtendedTexts) {
  ProgramFolderWithout folder(u"zkuro1.gif"_qs);
  ScopedProgramRoot root(folder.path());
  ScopedSection section(2);
  BoardWindow window;
  window.Command1_Click();
  const int refreshes = window.canvas.refreshCount();
  Enter(window, {{4, 4}});
  EXPECT_EQ(window.controls.Text6, u"442"_qs);
  EXPECT_EQ(window.controls.Text7, u"442"_qs);
  EXPECT_EQ(window.LeftMoveCount, 1);
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 4, 4, u"mmmcross.gif"_qs));
  EXPECT_EQ(window.canvas.refreshCount(), refreshes);

  Enter(window, {{3, 6}});
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 3, 6, u"zshiro2.gif"_qs));
}

// ---- editing ---------------------------------------------------------------

TEST(SearchEditingTest, StartInputMarksTheSectionsFirstPoints) {
  struct Marks {
    int section;
    std::vector<std::pair<int, int>> pixels;
  };
  const Marks marks[] = {
      {1, {{506, 69}}},
      {2, {{506, 69}}},
      {3, {{484, 69}, {506, 46}}},
      {4, {{528, 69}, {506, 92}}},
      {5, {{484, 92}, {528, 46}}},
      {6, {{484, 46}}},
      {7, {}},
  };
  const QString mark = u"mmmcross.gif"_qs;
  for (const Marks& m : marks) {
    SCOPED_TRACE(testing::Message() << "section " << m.section);
    ScopedSection section(7);
    BoardWindow window;
    window.Command1_Click();
    Enter(window, {{4, 4}, {3, 3}});
    window.InputClosed = true;
    window.SetGameButtonsEnabled(true);
    window.RightCounts.at(4, 4) = 5;

    Module1::SectionCode = m.section;
    window.Command1_Click();
    for (const auto& [x, y] : m.pixels) EXPECT_TRUE(CellShows(window.canvas.master(), x, y, mark));
    // Every candidate point shows a mark only where the section allows it.
    const std::pair<int, int> candidates[] = {{506, 69}, {484, 69}, {506, 46}, {528, 69},
                                              {506, 92}, {484, 92}, {528, 46}, {484, 46}};
    for (const auto& candidate : candidates) {
      const bool marked = std::find(m.pixels.begin(), m.pixels.end(), candidate) != m.pixels.end();
      EXPECT_EQ(CellShows(window.canvas.master(), candidate.first, candidate.second, mark), marked)
          << candidate.first << "," << candidate.second;
    }
    for (const int x : {795, 817, 839}) {
      EXPECT_TRUE(ClippedCellShows(window.canvas.master(), x, 211, u"newcross.gif"_qs)) << x;
    }
    EXPECT_TRUE(window.controls.Text6.isEmpty());
    EXPECT_TRUE(window.controls.Text7.isEmpty());
    EXPECT_EQ(window.LeftMoveCount, 0);
    EXPECT_FALSE(window.InputClosed);
    EXPECT_FALSE(window.controls.GameButtonsEnabled);
    EXPECT_EQ(window.RightCounts, BoardState{});
  }
}

TEST(SearchEditingTest, ShortenRebuildsTheBoardWithoutTheLastStone) {
  ScopedSection section(2);
  BoardWindow window;
  window.Command1_Click();
  Enter(window, {{4, 4}, {3, 6}, {6, 3}});
  window.InputClosed = true;

  window.Command9_Click();
  EXPECT_EQ(window.controls.Text6, u"442631"_qs);
  EXPECT_EQ(window.controls.Text7, u"442361"_qs);
  EXPECT_EQ(window.LeftMoveCount, 2);
  EXPECT_FALSE(window.InputClosed);
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 4, 4, u"zkuro1.gif"_qs));
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 3, 6, u"zshiro2.gif"_qs));
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 6, 3, u"cross23.jpg"_qs));

  Enter(window, {{7, 7}});
  EXPECT_EQ(window.controls.Text6, u"442631772"_qs);
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 7, 7, u"zkuro3.gif"_qs));

  window.Command9_Click();
  window.Command9_Click();
  window.Command9_Click();
  EXPECT_TRUE(window.controls.Text6.isEmpty());
  EXPECT_TRUE(window.controls.Text7.isEmpty());
  EXPECT_EQ(window.LeftMoveCount, 0);
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 4, 4, u"mmmcross.gif"_qs));
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 3, 6, u"cross23.jpg"_qs));
}

TEST(SearchEditingTest, ShortenWithoutAWholeStoneLeavesEverything) {
  ScopedSection section(2);
  const std::pair<QString, QString> texts[] = {
      {QString(), QString()}, {u"44"_qs, u"442"_qs}, {u"442"_qs, u"44"_qs}};
  for (const auto& [text6, text7] : texts) {
    BoardWindow window;
    window.Command1_Click();
    window.SetText6(text6);
    window.SetText7(text7);
    window.InputClosed = true;
    window.LeftMoveCount = 7;
    window.SetGameButtonsEnabled(true);
    const QImage before = window.canvas.master();
    const int refreshes = window.canvas.refreshCount();
    window.Command9_Click();
    EXPECT_EQ(window.controls.Text6, text6);
    EXPECT_EQ(window.controls.Text7, text7);
    EXPECT_TRUE(window.InputClosed);
    EXPECT_EQ(window.LeftMoveCount, 7);
    EXPECT_TRUE(window.controls.GameButtonsEnabled);
    EXPECT_EQ(window.canvas.master(), before);
    EXPECT_EQ(window.canvas.refreshCount(), refreshes);
  }
}

TEST(SearchEditingTest, RedrawPlacesTenukiFromTheLeft) {
  ScopedSection section(2);
  BoardWindow window;
  window.Command1_Click();
  Enter(window, {{4, 4}, {19, 10}, {17, 10}});
  window.InputClosed = true;
  window.LeftMoveCount = 30;

  window.Command8_Click();
  EXPECT_EQ(window.controls.Text6, u"442??????"_qs);
  EXPECT_EQ(window.controls.Text7, u"442??????"_qs);
  EXPECT_EQ(window.LeftMoveCount, 3);
  EXPECT_FALSE(window.InputClosed);
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 4, 4, u"zkuro1.gif"_qs));
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 17, 10, u"zshiro2.gif"_qs));
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 18, 10, u"zkuro3.gif"_qs));
  EXPECT_TRUE(ClippedCellShows(window.canvas.master(), 839, 211, u"newcross.gif"_qs));
}

TEST(SearchEditingTest, RedrawWithoutASequenceOnlyOpensTheInput) {
  ScopedSection section(2);
  ScopedMessageRecorder recorder;
  BoardWindow window;
  window.Command1_Click();
  window.InputClosed = true;
  const int refreshes = window.canvas.refreshCount();
  window.Command8_Click();
  EXPECT_EQ(recorder.messages, QStringList{u"検索手順がありません。入力してください。"_qs});
  EXPECT_FALSE(window.InputClosed);
  EXPECT_EQ(window.canvas.refreshCount(), refreshes);
}

TEST(SearchEditingTest, RedrawGoesOnPastAnUnreadablePicture) {
  ProgramFolderWithout folder(u"zkuro1.gif"_qs);
  ScopedProgramRoot root(folder.path());
  ScopedSection section(2);
  BoardWindow window;
  window.Command1_Click();
  window.SetText6(u"442631"_qs);
  window.SetText7(u"442361"_qs);
  window.Command8_Click();
  EXPECT_EQ(window.LeftMoveCount, 2);
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 4, 4, u"mmmcross.gif"_qs));
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 3, 6, u"zshiro2.gif"_qs));
}

TEST(SearchEditingTest, GoOnAddingContinuesTheNumbering) {
  ScopedSection section(2);
  BoardWindow window;
  window.Command1_Click();
  Enter(window, {{4, 4}, {3, 6}, {6, 3}});
  window.InputClosed = true;
  window.LeftMoveCount = 17;  // showing a joseki reuses the counter

  window.Command10_Click();
  EXPECT_EQ(window.LeftMoveCount, 3);
  EXPECT_FALSE(window.InputClosed);
  Enter(window, {{3, 3}});
  EXPECT_EQ(window.controls.Text6, u"442631362331"_qs);
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 3, 3, u"zshiro4.gif"_qs));

  // A text without a whole stone starts again at stone 1, under the first-move rule.
  ScopedMessageRecorder recorder;
  window.SetText6(u"44"_qs);
  window.InputClosed = true;
  window.Command10_Click();
  EXPECT_EQ(window.LeftMoveCount, 0);
  Enter(window, {{3, 3}});
  EXPECT_EQ(recorder.messages, QStringList{kStarMessage});
}

TEST(SearchEditingTest, EndSearchGivesTheBoardBackToTheGame) {
  ScopedSection section(2);
  BoardWindow window;
  FillCollection(window, NumberedRows({u"442"_qs}));
  window.Command1_Click();
  Enter(window, {{4, 4}, {3, 6}});
  window.InputClosed = true;
  window.ShownReference.clear();

  window.Command11_Click();
  EXPECT_FALSE(window.InputClosed);
  EXPECT_EQ(window.controls.Text6, u"442631"_qs);
  EXPECT_EQ(window.controls.Text7, u"442361"_qs);
  EXPECT_FALSE(window.controls.GameButtonsEnabled);
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 4, 4, u"crossdot23.jpg"_qs));
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 3, 6, u"cross23.jpg"_qs));
}

}  // namespace
