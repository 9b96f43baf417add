// The corners where a player's own game left the book.
#include <gtest/gtest.h>

#include "features/own_game_lines.h"
#include "support/joseki_text.h"

namespace {

std::vector<PlayedMove> Played(const std::vector<Point>& points) {
  std::vector<PlayedMove> moves;
  for (size_t k = 0; k < points.size(); ++k) moves.push_back({ColourOfNth(int(k) + 1), points[k]});
  return moves;
}

TEST(LinesLeftInGame, AreTheCornersThatLeftTheirRowAfterANumberedMove) {
  const std::vector<JosekiRecord> rows = {
      Joseki(Moves({{4, 4}, {6, 3}, {3, 6}, {8, 3}, {3, 3}}), 1)};
  const std::vector<BookRow> book = {{Section::kHandicap, &rows[0]}};
  PlayedGame game;
  game.moves = Played({
      // upper right, the row turned to the right edge; white's 15-7 leaves it
      {16, 4},
      {14, 3},
      {17, 6},
      {15, 7},
      // lower left, the row turned to the lower edge and played to its end
      {4, 16},
      {6, 17},
      {3, 14},
      {8, 17},
      {3, 17},
      // lower right: the corner stone, then a move no row plays
      {16, 16},
      {15, 15},
  });
  const std::vector<LeftLine> lines = LinesLeftInGame(game, book);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].row, 0u);
  EXPECT_EQ(lines[0].corner, Corner::kUpperRight);
  EXPECT_EQ(lines[0].leftBookAt, 4);
}

}  // namespace
