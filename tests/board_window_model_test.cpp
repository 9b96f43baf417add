// The board window model: loading a section, the selection, and where the
// features meet (the search texts, the input count, resets that reopen the
// input, the end notices and the search report).
#include <gtest/gtest.h>

#include <QFile>

#include "model/board_window_model.h"
#include "support/board_pictures.h"
#include "support/joseki_text.h"
#include "support/test_folder.h"

namespace {

const QString kGame = GameMoves({{4, 3}, {16, 4}, {3, 5}, {4, 16}, {16, 16}});

class ModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.WriteCollection(
        {Row("A", "2A", Moves({{4, 3}, {3, 5}}), "heading A|2/3|" + kGame),
         Row("B", "2B", Moves({{3, 4}, {5, 3}, {4, 5}})),
         Row("C", "2C", Moves({{4, 3}, {3, 5}, {3, 4}, {4, 4}, {5, 4}, {5, 5}}))});
    model.Load();
  }
  std::string Right(Point p) const { return PrintPoint(model.shownDiagram(Board::kRight).at(p)); }
  std::string Left(Point p) const { return PrintPoint(model.shownDiagram(Board::kLeft).at(p)); }
  void Click(Point p) {
    const QPoint at = CellRect(Board::kRight, p).topLeft() + QPoint(5, 5);
    model.ClickBoardAt(at.x(), at.y());
  }
  void Click(const std::vector<Point>& points) {
    for (Point p : points) Click(p);
  }

  TestFolder folder;
  MessageRecorder messages;
  BoardWindowModel model{folder.folder(), Section::kThreeFour, messages};
};

TEST_F(ModelTest, LoadingShowsTheFirstJosekiWithItsGameAndClosesTheInput) {
  const BoardWindowView& view = model.view();
  EXPECT_EQ(view.titles, QStringList({"A", "B", "C"}));
  EXPECT_EQ(view.selectedLine, 0);
  EXPECT_EQ(view.commentary, "Aの解説");
  EXPECT_EQ(view.caption, "2A");
  EXPECT_EQ(view.gameHeading, "heading A");
  EXPECT_TRUE(view.gameButtonsEnabled);
  EXPECT_EQ(Left({4, 3}), "X");
  EXPECT_EQ(Left({3, 5}), "w1");
  EXPECT_EQ(Right({4, 3}), "X");    // game move 1, before the joseki
  EXPECT_EQ(Right({16, 4}), "w1");  // moves 2 and 3 are the joseki's
  EXPECT_EQ(Right({3, 5}), "b2");
  EXPECT_EQ(Right({4, 16}), ".");
  EXPECT_TRUE(model.inputClosed());
  Click({3, 4});
  EXPECT_EQ(Right({3, 4}), ".");
  EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ModelTest, ACollectionThatCannotBeReadIsReportedOnce) {
  TestFolder empty;
  BoardWindowModel broken(empty.folder(), Section::kThreeFour, messages);
  broken.Load();
  ASSERT_EQ(messages.messages.size(), 1);
  EXPECT_TRUE(messages.messages[0].contains(empty.path("fld1/goc.db")));
  EXPECT_TRUE(broken.view().titles.isEmpty());
  EXPECT_EQ(broken.canvas().refreshCount(), 0);
  BoardWindowModel emptySection(folder.folder(), Section::kOther, messages);
  emptySection.Load();
  EXPECT_EQ(messages.messages.size(), 1);
  EXPECT_EQ(emptySection.canvas().refreshCount(), 0);
  emptySection.ShowWholeJoseki();  // nothing selected: empty boards
  EXPECT_TRUE(SameBoard(emptySection.canvas().shown(), EmptyBoards(), Board::kRight));
}

TEST_F(ModelTest, TheSelectionPutsItsGameReferenceIntoTheSearchTexts) {
  model.SelectLine(1);
  EXPECT_EQ(model.view().gameHeading, " ");
  EXPECT_FALSE(model.view().gameButtonsEnabled);
  EXPECT_TRUE(SameBoard(model.canvas().shown(), EmptyBoards(), Board::kRight));
  EXPECT_TRUE(model.searchTexts().sequence.empty());
  model.ShowJosekiInGame();  // no game: nothing happens
  model.ForwardOneMove();
  EXPECT_TRUE(SameBoard(model.canvas().shown(), EmptyBoards(), Board::kRight));
  EXPECT_FALSE(model.view().rightEndNoticeShown);

  model.SelectLine(0);
  EXPECT_EQ(model.searchTexts().sequence.text(), "heading A|2/3|" + kGame);
  model.RunSearch();  // the reference is what a search now compares
  EXPECT_EQ(messages.messages,
            QStringList{"検索石を４つ減らして検索しましたが\r\n該当するものはありません。"});
  model.SelectLine(3);  // no such line
  EXPECT_EQ(model.view().selectedLine, 0);
}

TEST_F(ModelTest, EveryCompletedResetOfTheRightBoardReopensTheInput) {
  model.ForwardOneMove();
  EXPECT_FALSE(model.inputClosed());
  EXPECT_EQ(Right({4, 16}), "O");
  Click({3, 4});  // stone 1 of a search, over the game, after the reference text
  EXPECT_EQ(model.searchTexts().sequence.text(), "heading A|2/3|" + kGame + "432");
  EXPECT_EQ(Right({3, 4}), "b1");
  EXPECT_FALSE(model.view().gameButtonsEnabled);
}

TEST_F(ModelTest, TheWalkAndTheInputCountTheSameStones) {
  model.SelectLine(2);
  model.StartSearchInput();
  Click({{3, 4}, {5, 3}});
  model.StartWalk();
  model.ShowNextMove();  // white: the input counts on from 2
  Click({4, 5});
  EXPECT_EQ(Right({4, 5}), "b3");
  model.ShowNextMove();  // black: from 1
  Click({6, 3});
  EXPECT_EQ(Right({6, 3}), "w2");
  EXPECT_EQ(model.searchTexts().sequence.text(), "432351542361");
  for (int move = 3; move <= 5; ++move) model.ShowNextMove();
  EXPECT_TRUE(model.view().leftEndNoticeShown && model.view().endNoticeTimerRunning);
  model.HideEndNotices();
  EXPECT_FALSE(model.view().leftEndNoticeShown || model.view().endNoticeTimerRunning);
}

TEST_F(ModelTest, AFindIsShownAtTheReportTickEvenIfAnotherLineWasChosen) {
  model.StartSearchInput();
  EXPECT_FALSE(model.view().gameButtonsEnabled);
  EXPECT_EQ(Right({3, 4}), "*");
  Click({{3, 4}, {5, 3}, {4, 3}, {4, 4}, {4, 5}, {5, 5}, {15, 15}});
  model.RunSearch();
  EXPECT_TRUE(messages.messages.isEmpty());
  EXPECT_TRUE(model.view().searchReportPending);
  EXPECT_TRUE(model.inputClosed());
  model.SelectLine(1);
  model.ReportSearchResult();
  EXPECT_FALSE(model.view().searchReportPending);
  EXPECT_EQ(messages.messages, QStringList{"検索石を１つ減らして該当ありました。"});
  EXPECT_EQ(model.view().selectedLine, 2);
  EXPECT_EQ(Left({5, 5}), "w5");
  model.ReportSearchResult();  // a second tick shows nothing more
  EXPECT_EQ(messages.messages.size(), 1);
}

TEST_F(ModelTest, SearchInputCommands) {
  model.StartSearchInput();
  model.RunSearch();
  model.ShowSearchSequenceAgain();
  EXPECT_EQ(messages.messages, QStringList({"検索入力がないので検索できません。",
                                            "検索手順がありません。入力してください。"}));
  Click({4, 4});  // not a 3-4 point
  EXPECT_EQ(messages.messages.last(), "一手目は小目に打ってください。");
  EXPECT_TRUE(model.searchTexts().sequence.empty());
  Click({{3, 4}, {5, 3}, {4, 5}});
  model.RemoveLastSearchStone();
  EXPECT_EQ(model.searchTexts().sequence.text(), "432351");
  EXPECT_EQ(model.searchTexts().mirror.text(), "342531");
  EXPECT_EQ(Right({4, 5}), ".");
  EXPECT_EQ(Right({5, 3}), "w2");
  model.EndSearchInput();
  EXPECT_EQ(Right({3, 5}), "b2");  // the game again
  EXPECT_EQ(Right({5, 3}), ".");
  model.ContinueSearchInput();
  Click({4, 5});
  EXPECT_EQ(Right({4, 5}), "b3");
  model.ShowSearchSequenceAgain();
  EXPECT_EQ(Right({4, 5}), "b3");
  EXPECT_EQ(Right({16, 4}), ".");
  model.RemoveLastSearchStone();
  model.RemoveLastSearchStone();
  model.RunSearch();  // "432": the joseki B begins so
  EXPECT_TRUE(model.view().searchReportPending);
  model.RemoveLastSearchStone();  // the last stone too
  EXPECT_TRUE(model.searchTexts().sequence.empty());
  EXPECT_EQ(Right({3, 4}), "*");
}

// Without the board's pictures nothing can be drawn, but the input still
// opens and closes as the commands say.
TEST_F(ModelTest, WithoutPicturesTheInputStillFollowsItsCommands) {
  QFile::remove(folder.path("fld2"));
  BoardWindowModel bare(folder.folder(), Section::kThreeFour, messages);
  bare.Load();
  EXPECT_TRUE(bare.inputClosed());
  bare.EndSearchInput();
  EXPECT_FALSE(bare.inputClosed());
}

TEST_F(ModelTest, GameButtonsAndTheirEndNotice) {
  model.ForwardFiveMoves();  // at move 3 of 5
  EXPECT_TRUE(model.view().rightEndNoticeShown && model.view().endNoticeTimerRunning);
  model.ForwardOneMove();
  model.ForwardOneMove();
  EXPECT_EQ(model.replay().shownMove(), 5);
  model.BackFiveMoves();
  EXPECT_EQ(model.replay().shownMove(), 1);
  model.ShowJosekiInGame();
  EXPECT_EQ(model.replay().shownMove(), 3);
  model.BackOneMove();
  model.GoToFirstMove();
  EXPECT_EQ(model.replay().shownMove(), 1);
  model.ToggleTextSize();
  EXPECT_EQ(model.view().textSize, 14);
  model.ToggleTextSize();
  EXPECT_EQ(model.view().textSize, 11);
}

TEST_F(ModelTest, AGameThatBreaksOffLosesItsHeadingAndKeepsItsButtonsOff) {
  folder.WriteCollection({Row("A", "2A", Moves({{4, 3}}), "heading|1/3|4C0J4D")});
  BoardWindowModel broken(folder.folder(), Section::kThreeFour, messages);
  broken.Load();
  EXPECT_TRUE(broken.view().gameHeading.isEmpty());
  EXPECT_FALSE(broken.view().gameButtonsEnabled);
}

// A joseki's games come from the tables of games, which list its reference
// first; without the tables it has its reference alone.
TEST_F(ModelTest, TheOtherGamesOfAJosekiAreShownOneAfterAnother) {
  EXPECT_EQ(model.view().gameCount, "実戦 1 / 1 局");  // a collection without the tables
  const QString later = GameMoves({{16, 16}, {4, 3}, {3, 5}, {4, 4}});
  folder.WriteJosekiGames({{1, "heading A", kGame, 2, 3},
                           {1, "heading B", later, 2, 3},
                           {1, "heading C", kGame, 1, 2},
                           {3, "heading B", later, 2, 3}});
  BoardWindowModel games(folder.folder(), Section::kThreeFour, messages);
  games.Load();
  const BoardWindowView& view = games.view();
  // The count, the heading, and whether 前の実戦 and 次の実戦 are enabled.
  const auto shown = [&] {
    return u"%1 %2 %3%4"_qs.arg(view.gameCount, view.gameHeading)
        .arg(view.previousGameEnabled)
        .arg(view.nextGameEnabled);
  };
  EXPECT_EQ(shown(), "実戦 1 / 3 局 heading A 01");
  games.ForwardOneMove();
  games.ShowNextGame();  // drawn as the reference game is, up to the joseki's end
  EXPECT_EQ(shown(), "実戦 2 / 3 局 heading B 11");
  EXPECT_TRUE(view.gameButtonsEnabled);
  EXPECT_EQ(PrintPoint(games.shownDiagram(Board::kRight).at({16, 16})), "X");
  EXPECT_EQ(PrintPoint(games.shownDiagram(Board::kRight).at({3, 5})), "b2");
  games.ForwardOneMove();
  EXPECT_EQ(PrintPoint(games.shownDiagram(Board::kRight).at({4, 4})), "O");
  games.ForwardOneMove();
  EXPECT_TRUE(view.rightEndNoticeShown);
  games.ShowNextGame();
  games.ShowNextGame();  // past the last game: nothing changes
  EXPECT_EQ(shown(), "実戦 3 / 3 局 heading C 10");
  games.ShowPreviousGame();
  games.ShowPreviousGame();
  EXPECT_EQ(shown(), "実戦 1 / 3 局 heading A 01");
  games.SelectLine(1);
  EXPECT_EQ(shown(), "実戦例なし   00");
  games.SelectLine(2);  // no reference of its own: the stored game is its first
  EXPECT_EQ(shown(), "実戦 1 / 1 局 heading B 00");
  folder.Execute("DROP TABLE games");  // an older file: the list of occurrences alone
  BoardWindowModel older(folder.folder(), Section::kThreeFour, messages);
  older.Load();
  EXPECT_EQ(older.view().gameCount, "実戦 1 / 1 局");
  EXPECT_FALSE(older.view().previousGameEnabled || older.view().nextGameEnabled);
}

}  // namespace
