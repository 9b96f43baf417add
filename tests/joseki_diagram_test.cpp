// The left board: a joseki drawn whole, and the walk through it.
#include <gtest/gtest.h>

#include "features/joseki_diagram.h"
#include "support/board_pictures.h"
#include "support/joseki_text.h"
#include "support/test_folder.h"

namespace {

class JosekiDiagramTest : public ::testing::Test {
 protected:
  std::string Corner(int size = 5) const {
    return std::string("\n").append(PrintDiagram(left.diagram(), size, size));
  }
  std::string At(Point p) const { return PrintPoint(left.diagram().at(p)); }

  Canvas canvas{BuiltProgramFolder().ImageFolder()};
  BoardRenderer left{canvas, Board::kLeft};
  JosekiDiagram diagram{left};
};

TEST_F(JosekiDiagramTest, GivenStonesArePlainAndNumberedMovesOpenWithWhite) {
  ASSERT_TRUE(diagram.Show(Joseki(Moves({{4, 3}, {3, 4}, {3, 3}, {4, 4}, {5, 3}}), 2, "25a52x")));
  EXPECT_EQ(Corner(), R"(
. . . . .
. . . . a
. . w1 X w3
. . O b2 .
. x . . .
)");
  EXPECT_TRUE(canvas.shown() == canvas.drawing());
  EXPECT_EQ(diagram.counts().at(4, 3), 1 + 2 * 3);  // black, three neighbours
  EXPECT_EQ(diagram.counts().at(5, 3), 2 + 2 * 1);  // white 3
}

TEST_F(JosekiDiagramTest, TenukiGoToTheRightEdgeAndMovesPast55ArePlainWhite) {
  ASSERT_TRUE(diagram.Show(Joseki(Moves({{}, {}, {}, {}}), 1)));
  EXPECT_EQ(At({19, 10}), "X");
  EXPECT_EQ(At({18, 10}), "w1");
  EXPECT_EQ(At({17, 10}), "w3");  // over black 2

  std::vector<Point> apart;
  for (int row = 1; row <= 19; row += 2)
    for (int column = 1; column <= 19; column += 2) apart.push_back({column, row});
  apart.resize(57);
  ASSERT_TRUE(diagram.Show(Joseki(Moves(apart))));
  EXPECT_EQ(At(apart[54]), "w55");
  EXPECT_EQ(At(apart[55]), "O");
  EXPECT_EQ(diagram.counts().at(apart[55]) % 2, 1);  // move 56 is black all the same
}

TEST_F(JosekiDiagramTest, CapturesRemoveStonesButGivenStonesNeverCapture) {
  // Given: black, white, black; the white corner stone has no liberty and stays.
  // White 7 takes black 2.
  ASSERT_TRUE(diagram.Show(Joseki(
      Moves({{2, 1}, {1, 1}, {1, 2}, {4, 3}, {4, 4}, {3, 4}, {1, 5}, {5, 4}, {2, 5}, {4, 5}}), 3)));
  EXPECT_EQ(Corner(), R"(
O X . . .
X . . . .
. . . w1 .
. . w3 . w5
b4 b6 . w7 .
)");
  // A stone without a liberty that takes nothing stays.
  ASSERT_TRUE(diagram.Show(Joseki(Moves({{2, 1}, {1, 1}, {1, 2}, {1, 1}}))));
  EXPECT_EQ(Corner(3), R"(
b4 w1 .
w3 . .
. . .
)");
  EXPECT_EQ(diagram.counts().at(2, 1), 2 + 2 * 2);
}

TEST_F(JosekiDiagramTest, AStoneThatCannotBeDrawnEndsTheDrawingUnshown) {
  for (const QString& moves : {Moves({{3, 3}}) + "x31", u"3x1"_qs}) {
    SCOPED_TRACE(moves.toStdString());
    EXPECT_FALSE(diagram.Show(Joseki(moves, 0, "55a")));
    EXPECT_EQ(At({5, 5}), ".");  // no marks
    EXPECT_TRUE(SameBoard(canvas.shown(), EmptyBoards(), Board::kLeft));
  }
  Canvas noImages(QDir("/nonexistent"));
  BoardRenderer noImagesLeft(noImages, Board::kLeft);
  EXPECT_FALSE(JosekiDiagram(noImagesLeft).Show(Joseki(Moves({{3, 3}}))));
}

TEST_F(JosekiDiagramTest, TheWalkShowsOneMoveAtATimeInRed) {
  const JosekiRecord joseki = Joseki(Moves({{4, 3}, {3, 4}, {3, 3}, {4, 4}}), 1, "55a");
  diagram.StartWalk(joseki);
  EXPECT_EQ(Corner(), R"(
. . . . .
. . . . .
. . . X .
. . . . .
. . . . a
)");
  JosekiDiagram::WalkStep step = diagram.NextWalkMove(joseki);
  EXPECT_TRUE(step.placed && !step.lastMove);
  EXPECT_EQ(step.colour, Colour::kWhite);
  EXPECT_EQ(At({3, 4}), "O!");
  step = diagram.NextWalkMove(joseki);
  EXPECT_EQ(step.colour, Colour::kBlack);
  EXPECT_EQ(At({3, 4}), "O");
  EXPECT_EQ(At({3, 3}), "X!");
  step = diagram.NextWalkMove(joseki);
  EXPECT_TRUE(step.lastMove);
  EXPECT_EQ(At({3, 3}), "X");
  EXPECT_EQ(At({4, 4}), "O!");
  EXPECT_EQ(diagram.counts().at(4, 4), 2 + 2 * 2);
  // After the last move the walk starts again at move 1 over the board as it stands.
  EXPECT_EQ(diagram.NextWalkMove(joseki).colour, Colour::kWhite);
  EXPECT_EQ(At({4, 4}), "O!");
}

TEST_F(JosekiDiagramTest, TheWalksPreviousStoneEndsWithThePictureItStoodOn) {
  const JosekiRecord first = Joseki(Moves({{12, 3}, {12, 5}, {14, 3}}));
  diagram.StartWalk(first);
  diagram.NextWalkMove(first);
  diagram.NextWalkMove(first);
  const JosekiRecord second = Joseki(Moves({{3, 3}, {4, 4}, {5, 5}}));
  diagram.Show(second);
  diagram.NextWalkMove(second);  // move 3 of the second joseki
  EXPECT_EQ(At({5, 5}), "O!");
  EXPECT_EQ(At({12, 5}), ".");
}

TEST_F(JosekiDiagramTest, WalkTenukiAlternateAndTheirCountRunsOnAcrossJoseki) {
  const JosekiRecord tenuki = Joseki(Moves({{}, {}, {}}), 1);
  diagram.StartWalk(tenuki);
  EXPECT_EQ(At({19, 10}), "X");  // a given tenuki stone
  diagram.NextWalkMove(tenuki);
  EXPECT_EQ(At({18, 10}), "O!");
  diagram.NextWalkMove(tenuki);
  EXPECT_EQ(At({19, 10}), "X!");
  diagram.StartWalk(tenuki);
  diagram.NextWalkMove(tenuki);
  EXPECT_EQ(At({18, 10}), "O!");
  const JosekiRecord odd = Joseki(Moves({{}}));
  diagram.StartWalk(odd);
  diagram.NextWalkMove(odd);
  EXPECT_EQ(At({19, 10}), "O!");  // the count ran on from the joseki before
}

TEST_F(JosekiDiagramTest, AWalkMoveOffTheBoardIsNotPlacedButTheWalkGoesOn) {
  const JosekiRecord joseki = Joseki(Moves({{3, 3}}) + "x31" + Moves({{5, 5}}));
  diagram.StartWalk(joseki);
  diagram.NextWalkMove(joseki);
  EXPECT_TRUE(diagram.NextWalkMove(joseki).placed);
  EXPECT_EQ(At({3, 3}), "O");  // the previous stone is plain again all the same
  EXPECT_TRUE(diagram.NextWalkMove(joseki).lastMove);
  EXPECT_EQ(At({5, 5}), "O!");
  EXPECT_EQ(At({3, 3}), "O");
  // Past the last move of a shorter joseki a click only counts on.
  diagram.NextWalkMove(joseki);
  diagram.NextWalkMove(joseki);
  EXPECT_FALSE(diagram.NextWalkMove(Joseki(Moves({{7, 7}}))).placed);
  EXPECT_EQ(At({7, 7}), ".");
}

}  // namespace
