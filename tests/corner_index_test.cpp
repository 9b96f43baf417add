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

}  // namespace
