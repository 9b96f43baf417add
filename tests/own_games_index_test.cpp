// The user's own games as an index: a folder read once and again (each game
// counted once, unreadable files named), a cancel that keeps the file as it
// was, and the explorer's third source.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <set>

#include "collection/corner_index_reader.h"
#include "collection/own_index_file.h"
#include "features/corner_explorer.h"
#include "features/own_games_index.h"
#include "rules/captures.h"
#include "rules/corner_position.h"
#include "support/test_folder.h"

namespace {

// Black's 4-4 in the upper right, answered at the 3-3 side (qf) twice and
// elsewhere (dp) once; the first game twice under other names; a damaged file.
const std::pair<const char*, const char*> kFiles[] = {
    {"a.sgf", "(;GM[1]SZ[19]PB[甲]DT[2001];B[pd];W[dp];B[dd])"},
    {"b.sgf", "(;GM[1]SZ[19];B[pd];W[qf])"},
    {"sub/c.sgf", "(;GM[1]SZ[19];B[pd];W[qf];B[qh])"},
    {"sub/a-again.sgf", "(;GM[1]SZ[19]PB[乙];B[pd];W[dp];B[dd])"},
    {"broken.sgf", "(;GM[1]SZ[19];B[pd"},
};

class OwnGamesIndexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& [name, text] : kFiles) {
      const QString path = games.filePath(QString::fromUtf8(name));
      QDir().mkpath(QFileInfo(path).absolutePath());
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(text);
    }
  }
  FolderReading Add() {
    FolderReadingProgress progress;
    return AddGameFolder(games.path(), index, progress);
  }
  // The position after black's first stone, white to play.
  static BoardState AfterFirstStone() {
    BoardState board;
    PlayWithCaptures(board, {16, 4}, Colour::kBlack);
    return board;
  }

  QTemporaryDir games, data;
  const QString index = data.filePath(u"own_games.sqlite"_qs);
};

TEST_F(OwnGamesIndexTest, EachGameCountsOnceAndAnUnreadableFileIsNamed) {
  for (int reading = 0; reading < 2; ++reading) {
    const FolderReading read = Add();
    EXPECT_EQ(read.end, FolderReadingEnd::kAdded);
    EXPECT_EQ(read.gamesAdded, reading == 0 ? 3 : 0);
    EXPECT_EQ(read.duplicates, reading == 0 ? 1 : 4);
    EXPECT_EQ(read.gamesHeld, 3);
    ASSERT_EQ(read.unreadable.size(), 1);
    EXPECT_TRUE(read.unreadable[0].contains(u"broken.sgf"_qs)) << read.unreadable[0].toStdString();
  }
  // Another folder's new game through the same position adds to its counts.
  const QTemporaryDir more;
  QFile added(more.filePath(u"d.sgf"_qs));
  ASSERT_TRUE(added.open(QIODevice::WriteOnly));
  added.write("(;GM[1]SZ[19];B[pd];W[qf];B[qj])");
  added.close();
  FolderReadingProgress progress;
  EXPECT_EQ(AddGameFolder(more.path(), index, progress).gamesHeld, 4);
  const CornerIndexReader reader(index);
  const auto position = reader.Lookup(ReadCorner(AfterFirstStone(), 1, Colour::kWhite).key);
  ASSERT_TRUE(position);
  EXPECT_EQ(position->games, 4);
  ASSERT_EQ(position->continuations.size(), 2u);
  for (const ContinuationRecord& c : position->continuations)
    EXPECT_EQ(c.games, c.IsElsewhere() ? 1 : 3) << "dp lies in another corner";
}

// Two readings into one file at once: while the first holds a game, the
// second cannot write one, and says so rather than count it.
TEST_F(OwnGamesIndexTest, AGameTheFileCannotTakeIsNotCounted) {
  ASSERT_TRUE(OwnIndexFile(index).Commit());
  OwnIndexFile first(index), second(index);
  ASSERT_TRUE(first.HoldGame("one game"));
  ASSERT_TRUE(second.IsOpen()) << second.Error().toStdString();
  EXPECT_FALSE(second.HoldGame("another game"));
  EXPECT_TRUE(second.Error().contains(u"に書けません"_qs)) << second.Error().toStdString();
}

TEST_F(OwnGamesIndexTest, TheExplorerShowsTheOwnGamesAsAThirdSource) {
  const QString collection = BuiltProgramFolder().CollectionFile();
  const CornerExplorer without(collection, index);
  const Exploration plain = without.Explore(AfterFirstStone(), Colour::kWhite, 1);
  ASSERT_FALSE(plain.lines.empty());
  EXPECT_TRUE(plain.lines[0].own.isEmpty());
  EXPECT_FALSE(plain.summary.contains(u"自分"_qs));

  ASSERT_EQ(Add().end, FolderReadingEnd::kAdded);
  const CornerExplorer with(collection, index);
  const Exploration explored = with.Explore(AfterFirstStone(), Colour::kWhite, 1);
  EXPECT_TRUE(explored.summary.contains(u"自分 3 局"_qs)) << explored.summary.toStdString();
  QStringList owns;
  for (const ExplorerLine& line : explored.lines)
    if (line.ownGames > 0) owns << line.own;
  owns.sort();
  EXPECT_EQ(owns, QStringList({u"自分 1 局のみ"_qs, u"自分 2 局（67%）"_qs}));
  for (const ExplorerLine& line : explored.lines) EXPECT_FALSE(line.own.isEmpty());
}

// The corner of the last move, or without one the corner with the most stones.
TEST(CornerExplorer, ReadsTheCornerOfTheLastMoveElseTheFullest) {
  BoardState board;
  PlaceStone(board, {4, 4}, Colour::kBlack);
  PlaceStone(board, {3, 3}, Colour::kWhite);
  PlaceStone(board, {16, 16}, Colour::kBlack);
  EXPECT_EQ(CornerOfPlay(board, Point{16, 16}), 3);
  EXPECT_EQ(CornerOfPlay(board, std::nullopt), 0);
}

// A position the engine's games never reach (black 5-3, white 4-5): the
// professionals' counts alone rank the lines.
TEST(CornerExplorer, WithoutEngineGamesTheProfessionalsRank) {
  BoardState board;
  PlaceStone(board, {3, 5}, Colour::kBlack);
  PlaceStone(board, {5, 4}, Colour::kWhite);
  const CornerExplorer explorer(BuiltProgramFolder().CollectionFile());
  const std::vector<ExplorerLine> lines = explorer.Explore(board, Colour::kBlack, 0).lines;
  ASSERT_GT(lines.size(), 3u);
  for (const ExplorerLine& line : lines) EXPECT_EQ(line.engineGames, 0);
  EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end(),
                             [](const auto& a, const auto& b) { return a.games > b.games; }));
}

TEST(CornerExplorerSummary, SaysHowManyGamesBeganWithHandicapStonesInTheCorner) {
  BoardState star;
  PlaceStone(star, {4, 4}, Colour::kBlack);
  const CornerExplorer explorer(BuiltProgramFolder().CollectionFile());
  const Exploration lone = explorer.Explore(star, Colour::kWhite, 0);
  EXPECT_TRUE(lone.summary.contains(u"うち置石のある隅から"_qs)) << lone.summary.toStdString();
}

}  // namespace
