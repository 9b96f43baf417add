// The drill window (定石練習), headless: opened from the menu, a move played
// with a click, keys for the rest, the progress kept in a temporary file.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "support/board_pictures.h"
#include "support/joseki_text.h"
#include "support/test_folder.h"
#include "support/window_support.h"
#include "windows/drill_window.h"
#include "windows/menu_window.h"

namespace {

// A book move for the user in the first row as the drill shows it.
Point RightAnswer(const LineDrill& drill) {
  const bool black = drill.setup().userColour == Colour::kBlack;
  return drill.setup().orientation(black ? Point{3, 6} : Point{6, 3});
}

class DrillWindowTest : public testing::Test {
 protected:
  DrillWindowTest() { WriteThreeRows(folder_); }
  QString progressPath() const { return data_.filePath(u"progress.sqlite"_qs); }
  TestFolder folder_;
  QTemporaryDir data_;
  MessageRecorder messages_;
};

TEST_F(DrillWindowTest, AClickOnTheBoardPlaysAndIsJudged) {
  DrillWindow window(folder_.folder(), progressPath(), messages_);
  window.show();
  EXPECT_EQ(window.windowTitle(), u"定石練習"_qs);
  EXPECT_TRUE(messages_.messages.isEmpty());
  // The seven sections, the lines got wrong, those of one's games; no two titles share a family.
  ASSERT_EQ(window.deckChoice()->count(), 9);
  EXPECT_EQ(window.deckChoice()->itemText(7), u"間違えた定石"_qs);
  EXPECT_EQ(window.deckChoice()->itemText(8), u"自分の対局から"_qs);
  const LineDrill* drill = window.model().drill();
  ASSERT_TRUE(drill);
  EXPECT_EQ(drill->drilledRow(), 0);
  EXPECT_TRUE(window.prompt()->text().contains(u"次の一手"_qs));

  const Point answer = RightAnswer(*drill);
  QTest::mouseClick(window.board(), Qt::LeftButton, {}, CellCentre(Board::kLeft, answer));
  EXPECT_EQ(drill->answers(), std::vector<bool>{true});
  EXPECT_TRUE(window.prompt()->text().startsWith(u"正解です。"_qs));
  // The user's stone stands on the board picture in the colour the user plays.
  const std::string stone = PrintPoint(window.model().shownDiagram().at(answer));
  EXPECT_EQ(stone, drill->userColourShown() == Colour::kBlack ? "X" : "O");
}

TEST_F(DrillWindowTest, KeysShowTheAnswerContinueAndStartTheNextLine) {
  DrillWindow window(folder_.folder(), progressPath(), messages_);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const LineDrill* first = window.model().drill();
  ASSERT_TRUE(first);
  QTest::keyClick(&window, Qt::Key_H);
  EXPECT_EQ(first->state(), DrillState::kBookShown);
  EXPECT_TRUE(window.prompt()->text().contains(u"定石の手は a"_qs));
  for (int key = 0; key < 20 && window.model().drill()->state() != DrillState::kLineDone; ++key) {
    const LineDrill* drill = window.model().drill();
    if (drill->state() == DrillState::kBookShown)
      QTest::keyClick(&window, Qt::Key_Space);
    else
      QTest::keyClick(&window, Qt::Key_H);
  }
  ASSERT_EQ(window.model().drill()->state(), DrillState::kLineDone);
  EXPECT_TRUE(window.result()->text().contains(u"練習・"_qs));
  EXPECT_TRUE(window.result()->text().contains(u"次の出題は 1 日後"_qs));
  EXPECT_TRUE(window.progress()->text().contains(u"よく間違える定石"_qs));
  QTest::keyClick(&window, Qt::Key_N);
  ASSERT_TRUE(window.model().drill());
  EXPECT_EQ(window.model().drill()->drilledRow(), 1);  // the next new line

  // The line's schedule is in the progress file, not only in memory.
  ProgressStore reopened(progressPath());
  ASSERT_TRUE(reopened.Schedule(u"1"_qs));
  EXPECT_EQ(reopened.Schedule(u"1"_qs)->schedule.lapses, 1);
}

TEST_F(DrillWindowTest, ADamagedProgressFileIsReportedAndKeptBeside) {
  {
    QFile file(progressPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a progress file");
  }
  DrillWindow window(folder_.folder(), progressPath(), messages_);
  ASSERT_EQ(messages_.messages.size(), 1);
  EXPECT_TRUE(messages_.messages[0].contains(u"壊れていた"_qs));
  EXPECT_EQ(QDir(data_.path()).entryList({u"progress.sqlite.damaged-*"_qs}).size(), 1);
  EXPECT_TRUE(window.model().drill());
}

TEST_F(DrillWindowTest, AFolderOfOwnGamesMakesTheDeckOfTheirCorners) {
  QTemporaryDir games;
  ASSERT_TRUE(QDir(games.path()).mkdir(u"2026"_qs));
  // Upper right: black 16-4, white 14-3, black 17-6 follow the first row
  // turned; white 15-7 leaves it.
  QFile game(games.filePath(u"2026/left.sgf"_qs));
  ASSERT_TRUE(game.open(QIODevice::WriteOnly));
  game.write("(;GM[1]FF[4]SZ[19];B[pd];W[nc];B[qf];W[og])");
  game.close();
  QFile other(games.filePath(u"notes.sgf"_qs));
  ASSERT_TRUE(other.open(QIODevice::WriteOnly));
  other.write("not a game");
  other.close();

  DrillWindow window(folder_.folder(), progressPath(), messages_);
  window.chooseGameFolder = [&](QWidget*) { return games.path(); };
  QTest::mouseClick(window.gameFolderButton(), Qt::LeftButton);
  ASSERT_EQ(messages_.messages.size(), 1);
  EXPECT_TRUE(messages_.messages[0].contains(u"棋譜 1 局を読み、定石を外れた隅 1 か所"_qs))
      << messages_.messages[0].toStdString();
  EXPECT_TRUE(messages_.messages[0].contains(u"読めなかったファイルが 1 個"_qs));
  EXPECT_EQ(window.model().deckIndex(), 0);  // the deck being drilled stays
  window.model().ChooseDeck(8);
  ASSERT_TRUE(window.model().drill());
  EXPECT_EQ(window.model().drill()->drilledRow(), 0);
}

// Every file below folder with the checksum of its bytes.
QStringList ListingWithChecksums(const QString& folder) {
  QStringList listing;
  QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    QFile file(files.next());
    const bool opened = file.open(QIODevice::ReadOnly);
    listing
        << file.fileName() + u' ' +
               (opened
                    ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex()
                    : QByteArray("unreadable"));
  }
  listing.sort();
  return listing;
}

TEST(DrillWindow, WithoutACollectionSaysSoOnceAndWaits) {
  TestFolder empty;  // no fld1/goc.db
  QTemporaryDir data;
  MessageRecorder messages;
  DrillWindow window(empty.folder(), data.filePath(u"progress.sqlite"_qs), messages);
  ASSERT_EQ(messages.messages.size(), 1);
  EXPECT_TRUE(messages.messages[0].contains(u"ファイルがありません"_qs));
  EXPECT_FALSE(window.model().drill());
  EXPECT_EQ(window.prompt()->text(), u"定石集を読み込めなかったため、練習できません。"_qs);
  QTest::keyClick(&window, Qt::Key_N);
  QTest::mouseClick(window.board(), Qt::LeftButton, {}, CellCentre(Board::kLeft, {4, 4}));
  EXPECT_EQ(messages.messages.size(), 1);
}

TEST_F(DrillWindowTest, ALineOfTheShippedCollectionLeavesTheProgramFolderAsItWas) {
  const QString programFolder = BuiltProgramFolder().root().path();
  const QStringList before = ListingWithChecksums(programFolder);
  ASSERT_GT(before.size(), 100);
  {
    DrillWindow window(BuiltProgramFolder(), progressPath(), messages_);
    for (int key = 0; key < 200 && window.model().drill() &&
                      window.model().drill()->state() != DrillState::kLineDone;
         ++key) {
      const bool shown = window.model().drill()->state() == DrillState::kBookShown;
      QTest::mouseClick(shown ? window.findChild<QPushButton*>(u"continue"_qs)
                              : window.findChild<QPushButton*>(u"answer"_qs),
                        Qt::LeftButton);
    }
    ASSERT_TRUE(window.model().drill());
    EXPECT_EQ(window.model().drill()->state(), DrillState::kLineDone);
  }
  EXPECT_TRUE(messages_.messages.isEmpty());
  EXPECT_EQ(ListingWithChecksums(programFolder), before);
  EXPECT_EQ(ProgressStore(progressPath()).schedules().size(), 1u);
}

TEST(MenuWindowDrill, TheDrillButtonOpensOneDrillWindow) {
  MessageRecorder messages;
  TestFolder folder;
  WriteThreeRows(folder);
  ChosenFiles files;
  MenuWindow menu(folder.folder(), messages, files);
  EXPECT_EQ(menu.drillButton()->text(), u"定石練習"_qs);
  QTest::mouseClick(menu.drillButton(), Qt::LeftButton);
  DrillWindow* drill = menu.drillWindow();
  ASSERT_TRUE(drill);
  EXPECT_TRUE(drill->isVisible());
  QTest::mouseClick(menu.drillButton(), Qt::LeftButton);
  EXPECT_EQ(menu.drillWindow(), drill);
  drill->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The game leaves the first row in the upper right corner (see above).
QString WriteGameLeavingTheBook(const QTemporaryDir& games) {
  QFile game(games.filePath(u"left.sgf"_qs));
  EXPECT_TRUE(game.open(QIODevice::WriteOnly));
  game.write("(;GM[1]FF[4]SZ[19];B[pd];W[nc];B[qf];W[og])");
  return game.fileName();
}

TEST(MenuWindowDrill, AGameReadFromTheMenuJoinsTheDeckOfOwnGames) {
  QFile::remove(ProgressStore::DefaultPath());  // the test data folder's (main.cpp)
  MessageRecorder messages;
  TestFolder folder;
  WriteThreeRows(folder);
  ChosenFiles files;
  QTemporaryDir games;
  const QString game = WriteGameLeavingTheBook(games);
  {
    MenuWindow menu(folder.folder(), messages, files);
    menu.OpenGame(game);  // no drill window yet: straight into the progress file
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join(u'\n').toStdString();
  }
  EXPECT_EQ(ProgressStore(ProgressStore::DefaultPath()).OwnGameLineIds(), QSet<QString>{u"1"_qs});

  QFile::remove(ProgressStore::DefaultPath());
  MenuWindow menu(folder.folder(), messages, files);
  menu.ShowDrill();
  DrillWindow* drill = menu.drillWindow();
  ASSERT_TRUE(drill);
  drill->model().ChooseDeck(8);
  EXPECT_FALSE(drill->model().drill());  // nothing from one's games yet
  menu.OpenGame(game);
  drill->model().NextLine();
  ASSERT_TRUE(drill->model().drill());
  EXPECT_EQ(drill->model().drill()->drilledRow(), 0);
  drill->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
