// The 次の一手 window on the shipped collection, headless: opened from the
// board window, following the walk and the search input, a choice playing
// its stone, the position the index does not hold, and a folder of one's
// own games added as a third source.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "features/own_games_index.h"
#include "rules/captures.h"
#include "support/test_folder.h"
#include "support/window_support.h"
#include "windows/board_display.h"
#include "windows/board_window.h"
#include "windows/explorer_window.h"
#include "windows/position_search_window.h"

namespace {

class ExplorerWindowTest : public ::testing::Test {
 protected:
  // 小目の部 of the built collection, with row 20010 selected.
  void Open(Section section = Section::kThreeFour, const QString& key = u"20010"_qs) {
    window = std::make_unique<BoardWindow>(BuiltProgramFolder(), section, messages, files);
    window->show();
    const auto& records = window->model().records();
    for (size_t i = 0; i < records.size(); ++i)
      if (records[i].caption.startsWith(key)) window->josekiList()->setCurrentRow(int(i));
  }
  QPushButton* Button(const char16_t* caption) {
    return window->button(QString::fromUtf16(caption));
  }
  void ClickRight(Point p) {
    QTest::mouseClick(window->display(), Qt::LeftButton, {}, CellCentre(Board::kRight, p));
  }
  QString Sequence() { return window->model().searchTexts().sequence.text(); }

  MessageRecorder messages;
  ChosenFiles files;
  std::unique_ptr<BoardWindow> window;
};

TEST_F(ExplorerWindowTest, TheButtonOpensItOnTheLeftBoardsWholeJoseki) {
  Open();
  ASSERT_NE(Button(u"次の一手"), nullptr);
  QTest::mouseClick(Button(u"次の一手"), Qt::LeftButton);
  ExplorerWindow* explorer = window->explorer();
  ASSERT_NE(explorer, nullptr);
  EXPECT_TRUE(explorer->isVisible());
  EXPECT_TRUE(explorer->heading()->text().contains(u"小目・小ゲイマガカリ・コスミ"_qs))
      << explorer->heading()->text().toStdString();
  const Exploration& shown = explorer->model().view().exploration;
  ASSERT_TRUE(shown.held) << shown.summary.toStdString();
  EXPECT_GT(explorer->continuations()->count(), 0);
  EXPECT_TRUE(explorer->summary()->text().contains(u"プロ"_qs));
  // Every lettered point is empty on the board it was read from, and the
  // letters run a, b, c, … down the list, the book's own lines included.
  char16_t letter = u'a';
  for (const ExplorerLine& line : shown.lines) {
    if (line.boardPoint) {
      EXPECT_EQ(shown.board.at(*line.boardPoint), 0);
      EXPECT_EQ(line.label, QString(QChar(letter++)));
    }
  }
  // In a lower corner the diagram's last line is the board's edge: no line goes past it.
  Exploration lowerCorner;
  lowerCorner.corner = 3;
  PlaceStone(lowerCorner.board, {12, 12}, Colour::kWhite);  // drawn centred at (58, 58)
  explorer->diagram()->Show(lowerCorner);
  const QImage diagram = explorer->diagram()->grab().toImage();
  int pastTheEdge = 0;
  for (int x = 0; x < diagram.width(); ++x)
    pastTheEdge += diagram.pixelColor(x, diagram.height() - 4) != QColor(222, 184, 120);
  EXPECT_EQ(pastTheEdge, 0);
  // A stone stays inside its cell.
  EXPECT_EQ(diagram.pixelColor(58, 52), QColor(Qt::white));
  for (QPoint beside : {QPoint(69, 60), QPoint(60, 69)})
    EXPECT_EQ(diagram.pixelColor(beside), QColor(222, 184, 120)) << beside.x() << "," << beside.y();
}

TEST_F(ExplorerWindowTest, ItFollowsTheSearchInputAndAChoicePlaysItsStone) {
  Open();
  window->OpenExplorer(ExplorerSource::kRightBoard);
  QTest::mouseClick(Button(u"検索手順の入力開始"), Qt::LeftButton);
  ClickRight({4, 3});
  ExplorerWindow* explorer = window->explorer();
  EXPECT_TRUE(explorer->heading()->text().contains(u"検索手順 1 手"_qs));
  ASSERT_GT(explorer->continuations()->count(), 0);
  const ExplorerLine first = explorer->model().view().exploration.lines.front();
  explorer->Choose(-1);  // no such line: nothing happens
  explorer->Choose(explorer->continuations()->count());
  EXPECT_EQ(Sequence().size(), 3);
  explorer->Choose(0);
  EXPECT_EQ(Sequence().size(), 6) << Sequence().toStdString();
  EXPECT_TRUE(explorer->heading()->text().contains(u"検索手順 2 手"_qs));
  if (first.boardPoint) {
    EXPECT_NE(explorer->model().view().exploration.board.at(*first.boardPoint), 0);
  }
}

TEST_F(ExplorerWindowTest, AChoiceOnTheLeftBoardWalksOnOrGoesOnAsASearchSequence) {
  Open();
  window->OpenExplorer(ExplorerSource::kLeftBoard);
  QTest::mouseClick(Button(u"手順表示開始"), Qt::LeftButton);
  QTest::mouseClick(Button(u"次手を表示"), Qt::LeftButton);
  const StoredMove next = window->model().shownRecord().numberedMoves.at(1);
  const auto& lines = window->explorer()->model().view().exploration.lines;
  const auto lineOf = [&](bool isNext) {
    for (size_t i = 0; i < lines.size(); ++i)
      if ((lines[i].boardPoint == Point{next.column, next.row}) == isNext) return int(i);
    return -1;
  };
  const int other = lineOf(false);
  window->explorer()->Choose(lineOf(true));
  EXPECT_TRUE(window->explorer()->heading()->text().contains(u"2 手目まで"_qs));
  EXPECT_EQ(window->explorer()->model().view().source, ExplorerSource::kLeftBoard);

  QTest::mouseClick(Button(u"手順表示開始"), Qt::LeftButton);
  QTest::mouseClick(Button(u"次手を表示"), Qt::LeftButton);
  window->explorer()->Choose(other);
  EXPECT_EQ(Sequence().size(), 9) << "the corner stone, the approach and the choice";
  EXPECT_EQ(window->explorer()->model().view().source, ExplorerSource::kRightBoard);
}

TEST_F(ExplorerWindowTest, SearchByPositionListsRowsAndAChoiceSwitchesSection) {
  Open(Section::kOther, u"8"_qs);  // その他の部: its first-move rule lets a 3-4 stone stand
  window->OpenExplorer(ExplorerSource::kRightBoard);
  QTest::mouseClick(Button(u"検索手順の入力開始"), Qt::LeftButton);
  ClickRight({4, 3});
  for (QPushButton* button : window->explorer()->findChildren<QPushButton*>())
    if (button->text() == u"形で検索"_qs) QTest::mouseClick(button, Qt::LeftButton);
  PositionSearchWindow* found = window->explorer()->positionSearch();
  ASSERT_NE(found, nullptr);
  EXPECT_TRUE(found->isVisible());
  const auto& matches = window->explorer()->model().positionSearch().matches;
  ASSERT_EQ(found->matches()->count(), int(matches.size()));
  const auto threeFour = std::find_if(matches.begin(), matches.end(), [](const auto& m) {
    return m.section == Section::kThreeFour && m.move == 0;
  });
  ASSERT_NE(threeFour, matches.end()) << found->summary()->text().toStdString();
  EXPECT_TRUE(found->summary()->text().contains(u"この形が現れた対局：プロ"_qs));
  const QString id = threeFour->josekiId;
  found->Choose(int(matches.size()));  // past the list: nothing happens
  EXPECT_EQ(window->model().section(), Section::kOther);
  found->Choose(int(threeFour - matches.begin()));
  EXPECT_EQ(window->model().section(), Section::kThreeFour);
  EXPECT_EQ(window->model().shownRecord().id, id);
  EXPECT_EQ(window->josekiList()->count(), int(window->model().records().size()));
  EXPECT_EQ(window->josekiList()->currentItem()->text(), window->model().shownRecord().title);
  EXPECT_EQ(window->explorer()->model().view().source, ExplorerSource::kLeftBoard);
}

TEST_F(ExplorerWindowTest, OnAGameItsNextMoveStepsOnAndAnotherGoesOnFromItsCorner) {
  Open();
  window->OpenExplorer(ExplorerSource::kRightBoard);
  const GameReplay& replay = window->model().replay();
  ASSERT_GT(replay.moves().size(), size_t(replay.shownMove() + 1));
  const Point gameMove = replay.moves()[size_t(replay.shownMove())];
  const auto lineOf = [&](bool isGameMove) {
    const auto& lines = window->explorer()->model().view().exploration.lines;
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i].boardPoint && (*lines[i].boardPoint == gameMove) == isGameMove) return int(i);
    return -1;
  };
  const int shown = replay.shownMove();
  if (lineOf(true) >= 0) {
    window->explorer()->Choose(lineOf(true));
    EXPECT_EQ(replay.shownMove(), shown + 1);
  }
  const Exploration before = window->explorer()->model().view().exploration;
  int cornerStones = 0;
  for (int row = 1; row <= kBoardSize; ++row)
    for (int column = 1; column <= kBoardSize; ++column)
      cornerStones += before.board.at(column, row) != 0 && IsInCorner({column, row}, before.corner);
  const int other = lineOf(false);
  BoardState expected = before.board;
  PlayWithCaptures(expected, *before.lines[size_t(other)].boardPoint, before.toMove);
  window->explorer()->Choose(other);
  const Exploration& after = window->explorer()->model().view().exploration;
  EXPECT_EQ(ReadCorner(after.board, 0, after.toMove).key,
            ReadCorner(expected, before.corner, Other(before.toMove)).key);
  EXPECT_TRUE(window->explorer()->heading()->text().contains(u"検索手順"_qs))
      << messages.messages.join(u'|').toStdString();
  EXPECT_EQ(after.corner, 0) << "turned to the upper left";
  EXPECT_EQ(ReadCorner(after.board, 0, Colour::kBlack).stones, cornerStones + 1);
  EXPECT_TRUE(after.held) << after.summary.toStdString();
}

TEST_F(ExplorerWindowTest, AHandicapGameIsWhiteFirstInTheExplorerAndItsSavedRecord) {
  Open(Section::kHandicap, u"0"_qs);
  const auto& records = window->model().records();
  const auto handicap = std::find_if(records.begin(), records.end(), [](const JosekiRecord& r) {
    return !r.game.handicap.empty();
  });
  ASSERT_NE(handicap, records.end()) << "a handicap row whose game is a handicap game";
  window->model().SelectLine(int(handicap - records.begin()));
  window->OpenExplorer(ExplorerSource::kRightBoard);
  QTest::mouseClick(Button(u"初手に戻る"), Qt::LeftButton);  // white's move 1 shown
  EXPECT_EQ(window->explorer()->model().view().exploration.toMove, Colour::kBlack);
  QTest::mouseClick(Button(u"１手進む"), Qt::LeftButton);
  EXPECT_EQ(window->explorer()->model().view().exploration.toMove, Colour::kWhite);
  const QString sgf = window->model().BoardRecordSgf(Board::kRight);
  EXPECT_TRUE(sgf.contains(u"AB["_qs)) << sgf.toStdString();
  EXPECT_LT(sgf.indexOf(u";W["_qs), sgf.indexOf(u";B["_qs)) << sgf.toStdString();
}

TEST_F(ExplorerWindowTest, APositionTheIndexDoesNotHoldIsSaidSo) {
  Open(Section::kOther, u"8"_qs);  // その他の部: any first point
  window->OpenExplorer(ExplorerSource::kRightBoard);
  QTest::mouseClick(Button(u"検索手順の入力開始"), Qt::LeftButton);
  ClickRight({1, 1});
  ClickRight({2, 1});
  ClickRight({1, 2});
  const ExplorerView& view = window->explorer()->model().view();
  EXPECT_FALSE(view.exploration.held);
  EXPECT_TRUE(view.exploration.summary.contains(u"索引にありません"_qs))
      << view.exploration.summary.toStdString();
  EXPECT_EQ(window->explorer()->continuations()->count(), 0);
}

}  // namespace
