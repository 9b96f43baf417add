#include "features/played_game_board.h"

#include <algorithm>

#include "pictures/board_pictures.h"
#include "pictures/image_catalogue.h"
#include "rules/captures.h"

namespace {

void DrawStone(Canvas& canvas, BoardState& counts, Point p, Colour colour, const QString& image) {
  if (!IsOnBoard(p) || counts.at(p) != 0) return;
  try {
    DrawOnPoint(canvas, Board::kRight, p, image);
  } catch (const ImageLoadError&) {
    // the stone still counts for the captures
  }
  PlaceStone(counts, p, colour);
  CaptureCheck(counts, p, colour, [&](Point q) { RedrawEmptyPoint(canvas, Board::kRight, q); });
}

}  // namespace

bool DrawPlayedGame(Canvas& canvas, const PlayedGame& game, int lastMove,
                    const std::vector<NumberedStone>& numbers) {
  if (!DrawEmptyBoard(canvas, Board::kRight)) return false;
  BoardState counts;
  for (Point p : game.blackSetup)
    DrawStone(canvas, counts, p, Colour::kBlack, PlainStoneImage(Colour::kBlack));
  for (Point p : game.whiteSetup)
    DrawStone(canvas, counts, p, Colour::kWhite, PlainStoneImage(Colour::kWhite));
  const int last = std::min(lastMove, int(game.moves.size()));
  for (int k = 1; k <= last; ++k) {
    const PlayedMove& move = game.moves[size_t(k - 1)];
    const auto numbered = std::find_if(numbers.begin(), numbers.end(),
                                       [k](const NumberedStone& stone) { return stone.move == k; });
    DrawStone(canvas, counts, move.point, move.colour,
              numbered == numbers.end() ? PlainStoneImage(move.colour)
                                        : NumberedStoneImage(move.colour, numbered->number));
  }
  canvas.Refresh();
  return true;
}
