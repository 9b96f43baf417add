// The corner position index as the collection builder makes it (the tally of
// collection/corner_tally.h): games (even and handicap), engine trees and
// rows, counted as the tables say.
#include <gtest/gtest.h>

#include "collection/sgf_parser.h"
#include "collection_builder/corner_index.h"
#include "rules/captures.h"

namespace {

CornerGame GameOf(const QString& sgf) {
  return CornerGameOf(MainLine(ParseSgf(sgf).front()));
}

// The position after the moves of a game (SGF text), the side to move given.
CornerPosition PositionAfter(const QString& sgf, size_t moves, int corner, Colour toMove) {
  const CornerGame game = GameOf(sgf);
  BoardState board;
  for (const ColouredMove& stone : game.setup) PlaceStone(board, stone.point, stone.colour);
  for (size_t i = 0; i < moves; ++i)
    PlayWithCaptures(board, game.moves[i].point, game.moves[i].colour);
  return ReadCorner(board, corner, toMove);
}

const ContinuationTally* Find(const PositionTally& tally, Point keyPoint) {
  for (const ContinuationTally& c : tally.continuations)
    if (c.point == keyPoint) return &c;
  return nullptr;
}

// Black 3-4 in the upper right, white approaches, black answers, then both
// play elsewhere and white comes back.
const QString kGame = QStringLiteral("(;DT[1850-03-01];B[qc];W[pe];B[oc];W[dd];B[cp];W[qi])");

TEST(CornerIndex, APositionCountsItsGameOnceAndEachContinuation) {
  CornerIndex index;
  index.AddGame(GameOf(kGame));
  index.AddGame(GameOf(QStringLiteral("(;DT[1790];B[qc];W[pe];B[oc];W[dd])")));
  const CornerPosition approached = PositionAfter(kGame, 2, 1, Colour::kBlack);
  const PositionTally& tally = index.positions.at(approached.key);
  EXPECT_EQ(tally.games, 2);
  ASSERT_EQ(tally.continuations.size(), 1u);
  const ContinuationTally& answer = tally.continuations.front();
  EXPECT_EQ(answer.point, KeyFramePoint(approached, {15, 3}));
  EXPECT_EQ(answer.games, 2);
  EXPECT_EQ(answer.firstYear, 1790);
  EXPECT_EQ(answer.lastYear, 1850);
  EXPECT_EQ(answer.cornerLeft, 2) << "both games went elsewhere after black's answer";
}

TEST(CornerIndex, AMoveElsewhereIsAContinuationAndItsAnswerIsKnown) {
  CornerIndex index;
  index.AddGame(GameOf(kGame));
  const CornerPosition answered = PositionAfter(kGame, 3, 1, Colour::kWhite);
  const ContinuationTally* elsewhere = Find(index.positions.at(answered.key), {0, 0});
  ASSERT_NE(elsewhere, nullptr);
  EXPECT_EQ(elsewhere->games, 1);
  // After white's tenuki black is to move in the same corner; black played elsewhere too.
  const CornerPosition blackToMove = PositionAfter(kGame, 4, 1, Colour::kBlack);
  ASSERT_TRUE(index.positions.contains(blackToMove.key));
  EXPECT_NE(Find(index.positions.at(blackToMove.key), {0, 0}), nullptr);
}

TEST(CornerIndex, HandicapStonesMakeTheCornerOccupied) {
  const QString handicap = QStringLiteral("(;HA[2]AB[pd][dp];W[qf];B[nc])");
  CornerIndex index;
  index.AddGame(GameOf(handicap));
  const CornerPosition approached = PositionAfter(handicap, 1, 1, Colour::kBlack);
  const PositionTally& tally = index.positions.at(approached.key);
  EXPECT_EQ(tally.games, 1);
  EXPECT_EQ(tally.gamesFromOccupied, 1);
  EXPECT_NE(Find(tally, KeyFramePoint(approached, {14, 3})), nullptr);
}

TEST(CornerIndex, EngineCountsComeFromTheTrees) {
  // The trees' sequences lie in the upper right; tt is a move elsewhere.
  const QString tree = QStringLiteral(
      "(;FF[4](;C[{\"count\": 100}]B[pd](;C[{\"count\": 60}]W[qc](;C[{\"count\": 50}]B[qd])"
      "(;C[{\"count\": 10}]B[tt]))(;C[{\"count\": 30}]W[pc])))");
  CornerIndex index;
  index.AddEngineTree(ParseSgf(tree).front());
  const CornerPosition hoshi = PositionAfter(QStringLiteral("(;B[pd])"), 1, 1, Colour::kWhite);
  const PositionTally& atHoshi = index.positions.at(hoshi.key);
  EXPECT_EQ(atHoshi.engineGames, 100);
  EXPECT_EQ(Find(atHoshi, KeyFramePoint(hoshi, {17, 3}))->engineGames, 60);
  EXPECT_EQ(Find(atHoshi, KeyFramePoint(hoshi, {16, 3}))->engineGames, 30);
  const CornerPosition invaded =
      PositionAfter(QStringLiteral("(;B[pd];W[qc])"), 2, 1, Colour::kBlack);
  EXPECT_EQ(Find(index.positions.at(invaded.key), {0, 0})->engineGames, 10);
  EXPECT_EQ(index.positions.at(invaded.key).games, 0);
}

TEST(CornerIndex, RowsPassThroughEveryStageWithTheStonesPlayed) {
  CornerIndex index;
  // Upper-left 3-4 point, approach, answer: three stages.
  index.AddRow(7, {{4, 3}, {3, 5}, {3, 4}}, 1);
  const CornerPosition komoku = PositionAfter(QStringLiteral("(;B[dc])"), 1, 0, Colour::kWhite);
  const CornerPosition answered =
      PositionAfter(QStringLiteral("(;B[dc];W[ce];B[cd])"), 3, 0, Colour::kWhite);
  EXPECT_EQ(index.positions.at(komoku.key).rows, (std::vector<RowPassage>{{7, 1}}));
  EXPECT_EQ(index.positions.at(answered.key).rows, (std::vector<RowPassage>{{7, 3}}));
}

TEST(CornerIndex, LateGamePositionsStayOutUnlessARowReachesThem) {
  // A line filling the upper-left corner beyond the stone limit: black on odd
  // rows, white on even rows, no stone ever without a liberty.
  std::vector<Point> stones;
  QString sgf = QStringLiteral("(;");
  for (int row = 1; row <= 9 && stones.size() <= kGameStoneLimit + 1; row += 2) {
    for (int column = 1; column <= 9 && stones.size() <= kGameStoneLimit + 1; ++column) {
      const bool black = stones.size() % 2 == 0;
      stones.push_back({column, row + (black ? 0 : 1)});
      sgf += QStringLiteral(";%1[%2%3]")
                 .arg(QChar(black ? u'B' : u'W'))
                 .arg(QChar(u'a' + stones.back().column - 1))
                 .arg(QChar(u'a' + stones.back().row - 1));
    }
  }
  sgf += u')';
  const Colour toMove = kGameStoneLimit % 2 == 0 ? Colour::kWhite : Colour::kBlack;
  const CornerPosition late = PositionAfter(sgf, kGameStoneLimit + 1, 0, toMove);
  ASSERT_EQ(late.stones, kGameStoneLimit + 1);
  CornerIndex gamesOnly;
  gamesOnly.AddGame(GameOf(sgf));
  EXPECT_FALSE(gamesOnly.positions.contains(late.key));
  CornerIndex withTheRow;
  withTheRow.AddRow(1, stones, 1);
  withTheRow.AddGame(GameOf(sgf));
  ASSERT_TRUE(withTheRow.positions.contains(late.key));
  EXPECT_EQ(withTheRow.positions.at(late.key).games, 1);
}

}  // namespace
