#include "features/played_game_board.h"

#include <algorithm>

#include "rules/captures.h"

namespace {

void DrawStone(BoardRenderer& board, BoardState& counts, Point p, Colour colour,
               const DiagramPoint& shown) {
  if (!IsOnBoard(p) || counts.at(p) != 0) return;
  try {
    board.Draw(p, shown);
  } catch (const ImageLoadError&) {
    // the stone still counts for the captures
  }
  PlaceStone(counts, p, colour);
  CaptureCheck(counts, p, colour, [&](Point q) { board.Erase(q); });
}

}  // namespace

bool DrawPlayedGame(BoardRenderer& board, const PlayedGame& game, int lastMove,
                    const std::vector<NumberedStone>& numbers) {
  if (!board.Clear()) return false;
  BoardState counts;
  for (Point p : game.blackSetup)
    DrawStone(board, counts, p, Colour::kBlack, StonePoint(Colour::kBlack));
  for (Point p : game.whiteSetup)
    DrawStone(board, counts, p, Colour::kWhite, StonePoint(Colour::kWhite));
  const int last = std::min(lastMove, int(game.moves.size()));
  for (int k = 1; k <= last; ++k) {
    const PlayedMove& move = game.moves[size_t(k - 1)];
    const auto numbered = std::find_if(numbers.begin(), numbers.end(),
                                       [k](const NumberedStone& stone) { return stone.move == k; });
    DrawStone(board, counts, move.point, move.colour,
              StonePoint(move.colour, numbered == numbers.end() ? 0 : numbered->number));
  }
  board.Refresh();
  return true;
}
