// The windows, clicked as a user would, headless: the widgets mirror the
// model and pass events on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextBoundaryFinder>
#include <algorithm>

#include "support/board_pictures.h"
#include "support/joseki_text.h"
#include "support/test_folder.h"
#include "support/window_support.h"
#include "windows/board_display.h"
#include "windows/board_window.h"
#include "windows/fonts.h"
#include "windows/game_reading_window.h"
#include "windows/menu_window.h"
#include "windows/startup.h"

namespace {

void Click(QWidget* widget) {
  ASSERT_TRUE(widget);
  QTest::mouseClick(widget, Qt::LeftButton);
}

void DeleteClosedWindows() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The board window's picture of the right board, as its tokens at the points.
std::vector<std::string> RightBoardTokens(BoardWindow& window,
                                          std::initializer_list<Point> points) {
  std::vector<std::string> tokens;
  for (Point p : points)
    tokens.push_back(PrintPoint(window.model().shownDiagram(Board::kRight).at(p)));
  return tokens;
}

// Pressed while the board window shows another section, a section button
// brings that section whole: its list, its first joseki, its first-move rule
// and marks; the window stays where it was.
TEST(MenuWindow, ASectionButtonSwitchesTheOpenBoardWindowToItsSection) {
  MessageRecorder messages;
  TestFolder folder;
  folder.WriteCollection({Row(u"小目・一"_qs, "2A", Moves({{4, 3}, {3, 5}})),
                          Row(u"小目・二"_qs, "2B", Moves({{3, 4}, {5, 3}})),
                          Row(u"三々・一"_qs, "6A", Moves({{3, 3}, {4, 3}})),
                          Row(u"三々・二"_qs, "6B", Moves({{3, 3}, {3, 4}}))});
  ChosenFiles files;
  MenuWindow menu(folder.folder(), messages, files);
  menu.show();
  Click(menu.sectionButton(Section::kThreeFour));
  QPointer<BoardWindow> smallPoint = menu.boardWindow();
  smallPoint->move(40, 30);
  smallPoint->josekiList()->setCurrentRow(1);
  Click(smallPoint->button(u"検索手順の入力開始"_qs));
  EXPECT_EQ(RightBoardTokens(*smallPoint, {{4, 3}, {3, 3}}), (std::vector<std::string>{"*", "."}));

  Click(menu.sectionButton(Section::kThreeThree));
  DeleteClosedWindows();
  EXPECT_FALSE(smallPoint);
  BoardWindow* threeThree = menu.boardWindow();
  ASSERT_TRUE(threeThree && threeThree->isVisible());
  EXPECT_EQ(threeThree->pos(), QPoint(40, 30));
  EXPECT_EQ(threeThree->model().section(), Section::kThreeThree);
  ASSERT_EQ(threeThree->josekiList()->count(), 2);
  EXPECT_EQ(threeThree->josekiList()->item(1)->text(), u"三々・二"_qs);
  EXPECT_EQ(threeThree->josekiList()->currentRow(), 0);
  EXPECT_EQ(threeThree->commentary()->text(), u"三々・一の解説"_qs);
  EXPECT_EQ(PrintPoint(threeThree->model().shownDiagram(Board::kLeft).at({3, 3})), "X");
  Click(threeThree->button(u"検索手順の入力開始"_qs));
  EXPECT_EQ(RightBoardTokens(*threeThree, {{4, 3}, {3, 3}}), (std::vector<std::string>{".", "*"}));
  QTest::mouseClick(threeThree->display(), Qt::LeftButton, {}, CellCentre(Board::kRight, {4, 3}));
  EXPECT_EQ(messages.messages, QStringList{u"一手目は三々に打ってください。"_qs});
  threeThree->close();
}

class BoardWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.WriteCollection(
        {Row(u"一"_qs, "2A0", Moves({{4, 3}, {3, 5}})),
         Row(u"二"_qs, "2A1", Moves({{4, 3}, {3, 5}}), u"黒 甲　白 乙|2/3|4433342531"_qs),
         Row(u"三"_qs, "2A2", Moves({{4, 3}, {3, 5}, {3, 4}, {4, 4}, {5, 4}, {5, 5}}))});
    window = std::make_unique<BoardWindow>(folder.folder(), Section::kThreeFour, messages, files);
    window->show();
  }
  QPushButton* Button(const char16_t* caption) {
    return window->button(QString::fromUtf16(caption));
  }

  TestFolder folder;
  MessageRecorder messages;
  ChosenFiles files;
  std::unique_ptr<BoardWindow> window;
};

TEST_F(BoardWindowTest, TheWidgetsMirrorTheSelectedJoseki) {
  EXPECT_EQ(window->josekiList()->count(), 3);
  EXPECT_EQ(window->josekiList()->currentRow(), 0);
  EXPECT_EQ(window->commentary()->text(), u"一の解説"_qs);
  EXPECT_TRUE(window->commentary()->wordWrap() && window->gameHeading()->wordWrap());
  EXPECT_EQ(window->caption()->text(), u"2A0"_qs);
  EXPECT_FALSE(Button(u"１手進む")->isEnabled());
  window->josekiList()->setCurrentRow(1);
  EXPECT_EQ(window->gameHeading()->text(), u"黒 甲　白 乙"_qs);
  for (const char16_t* caption :
       {u"棋譜の表示", u"１手進む", u"１手戻る", u"初手に戻る", u"５手進む", u"５手戻る"})
    EXPECT_TRUE(Button(caption)->isEnabled());
  const QImage shown = window->display()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_TRUE(shown == window->model().canvas().shown());
  Click(Button(u"文字拡大"));
  EXPECT_EQ(window->commentary()->font().pointSizeF(), 14);
  EXPECT_EQ(window->gameHeading()->font().pointSizeF(), 14);
  EXPECT_TRUE(messages.messages.isEmpty());
}

// A click on another button while the notice shows does not start its second
// again; the timer hides it.
TEST_F(BoardWindowTest, TheEndNoticeShowsForASecondThatAnotherClickDoesNotProlong) {
  window->josekiList()->setCurrentRow(1);
  Click(Button(u"５手進む"));  // past the end of a five-move game
  EXPECT_TRUE(window->rightEndNotice()->isVisible());
  ASSERT_TRUE(window->endNoticeTimer().isActive());
  QTest::qSleep(250);  // a second of a coarse timer is 950 to 1050 ms
  Click(Button(u"文字拡大"));
  EXPECT_LE(window->endNoticeTimer().remainingTime(), 875);
  window->endNoticeTimer().setInterval(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->rightEndNotice()->isVisible(); }, 1000));
  EXPECT_FALSE(window->endNoticeTimer().isActive());
  Click(Button(u"手順表示開始"));
  Click(Button(u"次手を表示"));
  EXPECT_TRUE(window->leftEndNotice()->isVisible());
}

// After the search input cleared the right board, a click on the line still
// selected draws its joseki and game again.
TEST_F(BoardWindowTest, AClickOnTheSelectedLineDrawsItAgain) {
  window->josekiList()->setCurrentRow(1);
  Click(Button(u"検索手順の入力開始"));
  ASSERT_FALSE(Button(u"１手進む")->isEnabled());
  const auto clickLine = [&](int row) {
    const int before = window->model().canvas().refreshCount();
    const QRect line = window->josekiList()->visualItemRect(window->josekiList()->item(row));
    QTest::mouseClick(window->josekiList()->viewport(), Qt::LeftButton, {}, line.center());
    QTest::qWait(QApplication::doubleClickInterval());  // the next click is not a double click
    return window->model().canvas().refreshCount() - before;
  };
  const int drawing = clickLine(1);
  EXPECT_GT(drawing, 0);
  EXPECT_TRUE(Button(u"１手進む")->isEnabled());
  EXPECT_EQ(window->model().replay().shownMove(), 3);
  const int changing = clickLine(0);
  EXPECT_EQ(clickLine(0), changing);  // a click that changes the line draws once too
}

// What a board shows, as on the screen.
QImage OnScreen(BoardWindow& window, Board board) {
  return window.display()
      ->grab()
      .toImage()
      .convertToFormat(QImage::Format_RGB32)
      .copy(BoardArea(board));
}

TEST_F(BoardWindowTest, EachBoardsMenuSavesItsPictureAndRecordOrCopiesThePicture) {
  window->josekiList()->setCurrentRow(1);
  QMenu* menu = window->BoardMenu(Board::kRight);
  const QList<QAction*> actions = menu->actions();
  ASSERT_EQ(actions.size(), 4);
  EXPECT_EQ(actions[1]->text(), u"棋譜を保存（SGF）…"_qs);
  EXPECT_EQ(actions[3]->text(), u"次の一手…"_qs);
  files.paths = {folder.path("right.png"), folder.path("right.sgf")};
  actions[0]->trigger();
  EXPECT_TRUE(QImage(folder.path("right.png")).convertToFormat(QImage::Format_RGB32) ==
              OnScreen(*window, Board::kRight));
  actions[1]->trigger();
  EXPECT_EQ(ReadGameFile(folder.path("right.sgf")).game.moves.size(), 3u);
  EXPECT_EQ(files.offered, QStringList({u"二（実戦）"_qs, u"二（実戦）"_qs}));
  actions[2]->trigger();
  EXPECT_TRUE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32) ==
              OnScreen(*window, Board::kRight));
  menu->close();
  window->josekiList()->setCurrentRow(0);  // no game: nothing to save as SGF on the right
  EXPECT_FALSE(window->BoardMenu(Board::kRight)->actions()[1]->isEnabled());
  window->BoardMenu(Board::kLeft)->actions()[1]->trigger();  // cancelled
  EXPECT_TRUE(messages.messages.isEmpty());
}

// Where a line may break in text: the pieces between break opportunities.
QStringList LinePieces(const QString& text) {
  QStringList pieces;
  QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
  for (qsizetype start = 0, end = breaks.toNextBoundary(); end > 0;
       start = end, end = breaks.toNextBoundary())
    pieces << text.mid(start, end - start);
  return pieces;
}

TEST(MenuWindow, AGameOpenedListsItsCornersAndAChosenLineShowsItInItsSection) {
  MessageRecorder messages;
  ChosenFiles files;
  TestFolder folder;
  folder.WriteCollection(
      {Row(u"小目"_qs, "2A", Moves({{4, 3}, {3, 5}, {5, 5}})), Row(u"五の五"_qs, "8A", "552")});
  MenuWindow menu(folder.folder(), messages, files);
  EXPECT_EQ(menu.gameButton()->text(), u"棋譜を読み込む"_qs);
  files.paths = {folder.Write("game.sgf", "(;PB[Kuro]PW[Shiro];B[dc];W[ce];B[ee];W[pd])")};
  Click(menu.gameButton());
  GameReadingWindow* reading = menu.readingWindow();
  ASSERT_TRUE(reading && reading->isVisible());
  EXPECT_EQ(reading->heading()->text(), u"game.sgf　黒 Kuro　白 Shiro"_qs);
  EXPECT_EQ(reading->corners()->item(0)->text(), u"左上隅　小目　定石どおり"_qs);
  EXPECT_FALSE(reading->corners()->item(1)->flags() & Qt::ItemIsEnabled);

  Click(menu.sectionButton(Section::kOther));
  const QRect line = reading->corners()->visualItemRect(reading->corners()->item(0));
  QTest::mouseClick(reading->corners()->viewport(), Qt::LeftButton, {}, line.center());
  DeleteClosedWindows();
  BoardWindow* board = menu.boardWindow();
  ASSERT_TRUE(board);
  EXPECT_EQ(board->josekiList()->currentItem()->text(), u"小目"_qs);
  EXPECT_EQ(board->gameHeading()->text(), u"黒 Kuro　白 Shiro\n左上隅：1手目～3手目"_qs);
  EXPECT_EQ(PrintPoint(board->model().shownDiagram(Board::kRight).at({5, 5})), "b2");

  // A file that is no game, dropped on the board window or chosen: a message, nothing else.
  QMimeData dropped;
  dropped.setUrls({QUrl::fromLocalFile(folder.path("fld1/goc.db"))});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(board, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(board, &drop);
  QCoreApplication::processEvents();
  files.paths = {folder.path("none.sgf")};
  Click(menu.gameButton());
  ASSERT_EQ(messages.messages.size(), 2) << messages.messages.join("|").toStdString();
  EXPECT_TRUE(messages.messages[0].endsWith(u"SGF形式の棋譜ではありません。"_qs));
  EXPECT_TRUE(messages.messages[1].endsWith(u"ファイルを開けません。"_qs));
  EXPECT_EQ(reading->corners()->item(0)->text(), u"左上隅　小目　定石どおり"_qs);
  board->close();
}

TEST(TextLayout, ALineNeverBreaksInsideAMoveNumber) {
  const QString text = u"黒１０と白１１、黒８。"_qs;
  EXPECT_TRUE(LinePieces(text).contains(u"１"_qs)) << "kanji rules would split 「１１」";
  const QStringList kept = LinePieces(WithNumbersKeptWhole(text));
  for (const char16_t* number : {u"１\u2060０", u"１\u2060１"})
    EXPECT_TRUE(std::any_of(kept.begin(), kept.end(), [&](const QString& piece) {
      return piece.contains(QString::fromUtf16(number));
    })) << QString::fromUtf16(number).toStdString();
  EXPECT_EQ(WithNumbersKeptWhole(text).remove(u'\u2060'), text);
}

}  // namespace
