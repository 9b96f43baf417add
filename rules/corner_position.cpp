#include "rules/corner_position.h"

#include <algorithm>

#include "rules/captures.h"

namespace {

// The stone code of a board point as seen by the side to move.
uint8_t RelativeStone(const BoardState& board, Point p, Colour toMove) {
  const int code = board.at(p);
  if (code == 0) return 0;
  const Colour colour = code % 2 != 0 ? Colour::kBlack : Colour::kWhite;
  return colour == toMove ? 1 : 2;
}

// The key of the region as seen through one symmetry, and its stone count.
CornerKey ReadKey(const BoardState& board, int symmetry, Colour toMove, int& stones) {
  CornerKey key{};
  stones = 0;
  for (int row = 1; row <= kCornerSize; ++row) {
    for (int column = 1; column <= kCornerSize; ++column) {
      const uint8_t stone = RelativeStone(board, TransformPoint({column, row}, symmetry), toMove);
      const int index = (row - 1) * kCornerSize + column - 1;
      key[index / 4] |= static_cast<uint8_t>(stone << (index % 4 * 2));
      stones += stone != 0;
    }
  }
  return key;
}

bool RowOrderBefore(Point a, Point b) {
  return a.row != b.row ? a.row < b.row : a.column < b.column;
}

}  // namespace

bool IsInCorner(Point p, int corner) {
  if (!IsOnBoard(p)) return false;
  const Point upperLeft = UntransformPoint(p, corner);
  return upperLeft.column <= kCornerSize && upperLeft.row <= kCornerSize;
}

CornerPosition ReadCorner(const BoardState& board, int corner, Colour toMove) {
  CornerPosition position;
  const CornerKey asIs = ReadKey(board, corner, toMove, position.stones);
  const CornerKey mirrored = ReadKey(board, corner | 4, toMove, position.stones);
  position.symmetric = asIs == mirrored;
  position.symmetry = mirrored < asIs ? corner | 4 : corner;
  position.key = std::min(asIs, mirrored);
  return position;
}

Point KeyFramePoint(const CornerPosition& position, Point boardPoint) {
  if (!IsInCorner(boardPoint, position.symmetry & 3)) return {0, 0};
  const Point keyPoint = UntransformPoint(boardPoint, position.symmetry);
  const Point mirror{keyPoint.row, keyPoint.column};
  return position.symmetric && RowOrderBefore(mirror, keyPoint) ? mirror : keyPoint;
}

int KeyStone(const CornerKey& key, Point keyPoint) {
  const int index = (keyPoint.row - 1) * kCornerSize + keyPoint.column - 1;
  return key[index / 4] >> (index % 4 * 2) & 3;
}

void PlayWithCaptures(BoardState& board, Point p, Colour colour) {
  PlaceStone(board, p, colour);
  CaptureCheck(board, p, colour, nullptr);
}
