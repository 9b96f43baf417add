// The right board's game: drawn to the joseki's last move with the joseki's
// moves numbered, and stepped through.
#include <gtest/gtest.h>

#include "features/game_replay.h"
#include "support/board_pictures.h"
#include "support/joseki_text.h"
#include "support/test_folder.h"

namespace {

// Six moves on points apart, then a capture shape in the corner.
const std::vector<Point> kGame = {{3, 3}, {5, 3}, {7, 3}, {9, 3}, {11, 3}, {13, 3}};

class GameReplayTest : public ::testing::Test {
 protected:
  GameReplay::Result Show(const QString& reference) {
    replay.SetGame(ParseGameReference(reference));
    return replay.ShowGameRecord();
  }
  std::string Tokens(const std::vector<Point>& points) const {
    std::string tokens;
    for (Point p : points)
      tokens.append(tokens.empty() ? "" : " ").append(PrintPoint(right.diagram().at(p)));
    return tokens;
  }

  std::string Corner() const {
    return std::string("\n").append(PrintDiagram(right.diagram(), 2, 2));
  }

  Canvas canvas{BuiltProgramFolder().ImageFolder()};
  BoardRenderer right{canvas, Board::kRight};
  GameReplay replay{right};
};

TEST_F(GameReplayTest, TheJosekisMovesAreNumberedInTheirColoursFromOne) {
  struct Case {
    QString range;
    std::string tokens;
  };
  const Case cases[] = {
      {"3/5", "X O b1 w2 b3 ."},  // numbering opens with black
      {"2/3", "X w1 b2 . . ."},   // with white
      {"1/9", "b1 w2 b3 w4 b5 w6"},
      {"0/0", ". . . . . ."},
  };
  for (const Case& c : cases) {
    const GameReplay::Result result = Show("h|" + c.range + "|" + GameMoves(kGame));
    EXPECT_EQ(result.drawn, GameReplay::Drawn::kWhole);
    EXPECT_TRUE(result.boardReset);
    EXPECT_EQ(Tokens(kGame), c.tokens) << c.range.toStdString();
    EXPECT_TRUE(canvas.shown() == canvas.drawing());
  }
  EXPECT_EQ(replay.shownMove(), 0);
  Show("h|1/9|" + GameMoves(kGame));
  EXPECT_EQ(replay.shownMove(), 6);
  EXPECT_EQ(replay.counts().at(13, 3), 2 + 0);
}

// A handicap game's stones (before the "+") stand first, and white plays move 1.
TEST_F(GameReplayTest, AHandicapGamesStonesStandFirstAndWhiteMovesFirst) {
  const std::vector<Point> stones = {{17, 3}, {3, 17}};
  Show("h|1/2|" + GameMoves(stones) + "+" + GameMoves(kGame));
  EXPECT_EQ(Tokens({{17, 3}, {3, 17}, {3, 3}, {5, 3}, {7, 3}}), "X X w1 b2 .");
  replay.Forward(1);
  EXPECT_EQ(Tokens({{17, 3}, {3, 3}, {7, 3}}), "X w1 O");
}

TEST_F(GameReplayTest, ABadMoveBreaksTheDrawingOffAndABadRangeClearsTheBoardOrKeepsTheLast) {
  GameReplay::Result result = Show("h|1/4|" + GameMoves({{3, 3}, {5, 3}}) + "0J4D");
  EXPECT_EQ(result.drawn, GameReplay::Drawn::kBrokenOff);
  EXPECT_EQ(Tokens({{3, 3}, {5, 3}, {13, 4}}), "b1 w2 .");
  result = Show("h|1/-1|" + GameMoves(kGame));
  EXPECT_EQ(result.drawn, GameReplay::Drawn::kFailed);
  EXPECT_TRUE(result.boardReset);
  EXPECT_TRUE(SameBoard(canvas.drawing(), EmptyBoards(), Board::kRight));

  Canvas noImages(QDir("/nonexistent"));
  BoardRenderer noImagesRight(noImages, Board::kRight);
  GameReplay unreadable(noImagesRight);
  unreadable.SetGame(ParseGameReference("h|1/2|" + GameMoves(kGame)));
  const GameReplay::Result failed = unreadable.ShowGameRecord();
  EXPECT_EQ(failed.drawn, GameReplay::Drawn::kFailed);
  EXPECT_FALSE(failed.boardReset);
  // Stepping goes on without the pictures: the moves are still followed.
  EXPECT_NO_THROW(unreadable.GoToJosekiEnd());
  EXPECT_EQ(unreadable.shownMove(), 2);

  Show("h|3/5|" + GameMoves(kGame));
  Show("h|x/y|" + GameMoves(kGame));  // a range that cannot be read keeps the one before
  EXPECT_EQ(Tokens(kGame), "X O b1 w2 b3 .");
}

TEST_F(GameReplayTest, CapturedStonesVanishAndComeBackWhenSteppingBack) {
  // Black 1 in the corner, taken by white 2 and white 4; black 5 elsewhere.
  Show("h|9/9|" + GameMoves({{1, 1}, {2, 1}, {5, 5}, {1, 2}, {7, 7}}));
  EXPECT_EQ(Corner(),
            R"(
. O
O .
)");
  replay.BackOneMove();
  replay.BackOneMove();
  EXPECT_EQ(Corner(),
            R"(
X O
. .
)");
  // A move that is not on the board is passed over.
  replay.SetGame(ParseGameReference("h|1/9|" + GameMoves({{3, 3}}) + "00" + GameMoves({{4, 4}})));
  replay.GoToJosekiEnd();
  EXPECT_EQ(replay.shownMove(), 3);
  // Numbers count the stones drawn; the picture's colour follows the number.
  EXPECT_EQ(Tokens({{3, 3}, {4, 4}}), "b1 w2");
}

}  // namespace
