// The windows, clicked as a user would, headless: the widgets mirror the
// model and pass events on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBoundaryFinder>
#include <algorithm>

#include "collection/help_text.h"
#include "support/board_pictures.h"
#include "support/joseki_text.h"
#include "support/test_folder.h"
#include "windows/board_display.h"
#include "windows/board_window.h"
#include "windows/file_chooser.h"
#include "windows/fonts.h"
#include "windows/game_reading_window.h"
#include "windows/help_window.h"
#include "windows/menu_window.h"
#include "windows/startup.h"

namespace {

void Click(QWidget* widget) {
  ASSERT_TRUE(widget);
  QTest::mouseClick(widget, Qt::LeftButton);
}

// Answers each file dialog with the next path (none left: cancelled) and
// keeps the names offered for saving.
struct ChosenFiles : FileChooser {
  QString FileToOpen(QWidget*, const QString&, const QString&) override { return Next(); }
  QString FileToSave(QWidget*, const QString&, const QString& name, const QString&,
                     const QString&) override {
    offered << name;
    return Next();
  }
  QString Next() { return paths.isEmpty() ? QString() : paths.takeFirst(); }
  QStringList paths, offered;
};

void DeleteClosedWindows() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The centre of the right board's cell of p in the display.
QPoint RightCell(Point p) {
  return CellRect(Board::kRight, p).center();
}

TEST(MenuWindow, SectionButtonsOpenOneBoardWindowAtATime) {
  MessageRecorder messages;
  TestFolder folder;
  folder.WriteCollection(
      {Row(u"小目・小ゲイマガカリ"_qs, "2A", "342531"), Row(u"五の五"_qs, "8A", "552")});
  ChosenFiles files;
  MenuWindow menu(folder.folder(), messages, files);
  menu.show();
  const QStringList captions = {u"置碁の部"_qs,   u"星 の 部"_qs, u"小目の部"_qs,  u"高目の部"_qs,
                                u"目外シの部"_qs, u"三々の部"_qs, u"その他の部"_qs};
  for (Section section : kSections)
    EXPECT_EQ(menu.sectionButton(section)->text(), captions[IndexOf(section)]);
  EXPECT_EQ(QColor(menu.sectionButton(Section::kThreeFour)->grab().toImage().pixel(0, 0)),
            QColor(204, 255, 153));
  EXPECT_EQ(menu.titlePicture()->pixmap().size(), QSize(321, 233));
  EXPECT_EQ(menu.helpButton()->icon().availableSizes(), QList<QSize>{QSize(144, 33)});
  EXPECT_EQ(ProgramIcon().availableSizes(), (QList<QSize>{{48, 48}, {128, 128}}));

  Click(menu.sectionButton(Section::kThreeFour));
  ASSERT_TRUE(menu.boardWindow());
  EXPECT_TRUE(menu.boardWindow()->isVisible());
  EXPECT_EQ(menu.boardWindow()->josekiList()->item(0)->text(), u"小目・小ゲイマガカリ"_qs);
  BoardWindow* opened = menu.boardWindow();
  Click(menu.sectionButton(
      Section::kThreeFour));  // the open window of the section only comes forward
  EXPECT_EQ(menu.boardWindow(), opened);
  Click(menu.boardWindow()->button(u"メニュー"_qs));
  DeleteClosedWindows();
  EXPECT_FALSE(menu.boardWindow());
  Click(menu.sectionButton(Section::kOther));
  EXPECT_EQ(menu.boardWindow()->josekiList()->item(0)->text(), u"五の五"_qs);
  menu.boardWindow()->close();
  EXPECT_TRUE(messages.messages.isEmpty());
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
  QTest::mouseClick(threeThree->display(), Qt::LeftButton, {}, RightCell({4, 3}));
  EXPECT_EQ(messages.messages, QStringList{u"一手目は三々に打ってください。"_qs});
  threeThree->close();
}

TEST(MenuWindow, HelpShowsTheChosenTopicOrWhyTheFileCannotBeRead) {
  MessageRecorder messages;
  ChosenFiles files;
  MenuWindow menu(BuiltProgramFolder(), messages, files);
  Click(menu.helpButton());
  HelpWindow* help = menu.helpWindow();
  ASSERT_TRUE(help);
  EXPECT_EQ(help->topics()->count(), 20);
  EXPECT_EQ(help->topics()->placeholderText(), u"ボタンをクリック→"_qs);
  EXPECT_TRUE(help->topicText()->text().isEmpty());
  EXPECT_TRUE(help->topicText()->wordWrap());
  help->topics()->setCurrentIndex(12);
  help->ShowChosenTopic();
  EXPECT_EQ(help->topicText()->text(),
            HelpSection(LoadHelpText(BuiltProgramFolder().HelpFile()).text, u"定石検索"_qs));
  Click(help->findChild<QPushButton*>());  // メニューに戻り
  DeleteClosedWindows();
  EXPECT_FALSE(menu.helpWindow());

  TestFolder noHelp;
  HelpWindow missing(noHelp.folder().HelpFile());
  missing.topics()->setCurrentIndex(0);
  missing.ShowChosenTopic();
  EXPECT_TRUE(missing.topicText()->text().contains(u"resume.txt"_qs));

  auto* closing = new MenuWindow(BuiltProgramFolder(), messages, files);
  QPointer<MenuWindow> alive(closing);
  Click(closing->quitButton());
  DeleteClosedWindows();
  EXPECT_FALSE(alive);
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

TEST(BoardWindow, TextThatDoesNotFitCanStillBeRead) {
  TestFolder folder;
  const QString longTitle =
      u"小目・小ゲイマガカリ・一間高バサミ・ツケ・キリ・ノビ・オサエ・ハネ"_qs;
  TestRow longText = Row(longTitle, "2A1", Moves({{4, 3}, {3, 5}}));
  longText.commentary = QString(u"黒は隅を守り、白は上辺に開く。"_qs).repeated(16);
  folder.WriteCollection({Row(u"小目"_qs, "2A0", Moves({{4, 3}})), longText});
  MessageRecorder messages;
  ChosenFiles files;
  BoardWindow window(folder.folder(), Section::kThreeFour, messages, files);
  window.show();
  QListWidget* list = window.josekiList();
  ASSERT_EQ(list->count(), 2);
  EXPECT_TRUE(list->item(0)->toolTip().isEmpty()) << "a short title is not cut";
  EXPECT_EQ(list->item(1)->toolTip(), list->item(1)->text());
  EXPECT_GT(QFontMetrics(list->font()).horizontalAdvance(list->item(1)->text()),
            list->viewport()->width());
  // A commentary longer than its box scrolls; a short one does not.
  const auto scrollRange = [&] {
    QApplication::processEvents();
    return qobject_cast<QScrollArea*>(window.commentary()->parentWidget()->parentWidget())
        ->verticalScrollBar()
        ->maximum();
  };
  EXPECT_EQ(scrollRange(), 0);
  list->setCurrentRow(1);
  EXPECT_EQ(window.commentary()->text(), longText.commentary);
  EXPECT_GT(scrollRange(), 0);
}

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

TEST_F(BoardWindowTest, TheEndNoticeShowsAndItsTimerHidesIt) {
  window->josekiList()->setCurrentRow(1);
  window->endNoticeTimer().setInterval(1);
  Click(Button(u"５手進む"));  // past the end of a five-move game
  EXPECT_TRUE(window->rightEndNotice()->isVisible());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->rightEndNotice()->isVisible(); }, 1000));
  EXPECT_FALSE(window->endNoticeTimer().isActive());
  Click(Button(u"手順表示開始"));
  Click(Button(u"次手を表示"));
  EXPECT_TRUE(window->leftEndNotice()->isVisible());
}

// A click on another button while the notice shows does not start its second again.
TEST_F(BoardWindowTest, AnotherClickDoesNotProlongTheEndNotice) {
  window->josekiList()->setCurrentRow(1);
  Click(Button(u"５手進む"));
  ASSERT_TRUE(window->endNoticeTimer().isActive());
  QTest::qSleep(250);  // a second of a coarse timer is 950 to 1050 ms
  Click(Button(u"文字拡大"));
  EXPECT_LE(window->endNoticeTimer().remainingTime(), 875);
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

TEST_F(BoardWindowTest, AClickedSequenceFindsItsJosekiOneTickLater) {
  window->searchReportTimer().setInterval(1);
  Click(Button(u"検索手順の入力開始"));
  // The third joseki, entered in the other orientation, and one stone more.
  for (Point p : {Point{3, 4}, Point{5, 3}, Point{4, 3}, Point{4, 4}, Point{4, 5}, Point{5, 5},
                  Point{9, 9}}) {
    QTest::mouseMove(window->display(), RightCell(p));
    QTest::mouseClick(window->display(), Qt::LeftButton, {}, RightCell(p));
  }
  EXPECT_EQ(PrintPoint(window->model().shownDiagram(Board::kRight).at({4, 4})), "w4");
  // A double click is one click: the platform delivers press, release, double click, release.
  const QPointF at = RightCell({10, 9});
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                            QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    const bool down = type != QEvent::MouseButtonRelease;
    QMouseEvent event(type, at, window->display()->mapToGlobal(at), Qt::LeftButton,
                      down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window->display(), &event);
  }
  EXPECT_EQ(window->model().searchTexts().sequence.stoneCount(), 8);
  Click(Button(u"検 索 実 行"));
  EXPECT_TRUE(window->searchReportTimer().isActive());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.messages.isEmpty(); }, 2000));
  EXPECT_EQ(messages.messages, QStringList{u"検索石を２つ減らして該当ありました。"_qs});
  EXPECT_EQ(window->josekiList()->currentRow(), 2);
}

TEST_F(BoardWindowTest, TheOtherGamesOfAJosekiAndTheKeysThatStepThem) {
  folder.WriteJosekiGames(
      {{2, u"黒 甲　白 乙"_qs, "4433342531", 2, 3}, {2, u"黒 丙　白 丁"_qs, "4433342531", 1, 2}});
  window = std::make_unique<BoardWindow>(folder.folder(), Section::kThreeFour, messages, files);
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  window->josekiList()->setCurrentRow(1);
  EXPECT_EQ(window->gameCount()->text(), u"実戦 1 / 2 局"_qs);
  Click(Button(u"次の実戦"));
  EXPECT_EQ(window->gameCount()->text(), u"実戦 2 / 2 局"_qs);
  EXPECT_EQ(window->gameHeading()->text(), u"黒 丙　白 丁"_qs);
  EXPECT_TRUE(Button(u"前の実戦")->isEnabled() && !Button(u"次の実戦")->isEnabled());

  const GameReplay& replay = window->model().replay();
  const auto key = [&](Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window->josekiList(), k, modifiers);
  };
  // Shift+→ goes past the game's end: nothing moves.
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> steps[] = {
      {Qt::Key_Home, {}, 1},
      {Qt::Key_Right, {}, 2},
      {Qt::Key_Right, {}, 3},
      {Qt::Key_Left, {}, 2},
      {Qt::Key_Right, Qt::ShiftModifier, 2},
      {Qt::Key_End, {}, 2},
      {Qt::Key_Left, Qt::ShiftModifier, 1}};
  for (const auto& [k, modifiers, shownMove] : steps) {
    key(k, modifiers);
    EXPECT_EQ(replay.shownMove(), shownMove) << k;
  }
  EXPECT_EQ(window->josekiList()->currentRow(), 1);  // the list did not take the keys
  key(Qt::Key_PageUp);
  EXPECT_EQ(window->gameHeading()->text(), u"黒 甲　白 乙"_qs);
  key(Qt::Key_PageUp);  // the button is disabled: nothing happens
  EXPECT_EQ(replay.shownMove(), 3);
  Click(Button(u"手順表示開始"));
  key(Qt::Key_Space);
  EXPECT_TRUE(window->leftEndNotice()->isVisible());
  key(Qt::Key_F, Qt::ControlModifier);
  EXPECT_FALSE(Button(u"１手進む")->isEnabled());
  key(Qt::Key_Return);
  EXPECT_EQ(messages.messages, QStringList{u"検索入力がないので検索できません。"_qs});
  key(Qt::Key_Escape);
  EXPECT_TRUE(Button(u"１手進む")->isEnabled());
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

// Where a line may break in text: the pieces between break opportunities.
QStringList LinePieces(const QString& text) {
  QStringList pieces;
  QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
  for (qsizetype start = 0, end = breaks.toNextBoundary(); end > 0;
       start = end, end = breaks.toNextBoundary())
    pieces << text.mid(start, end - start);
  return pieces;
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
