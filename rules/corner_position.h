#pragma once
// A corner of the board read as a position: the 10 x 10 region of a corner,
// with the side to move, under a key that is the same for the eight
// orientations of the board and for swapped colours. The key's frame is the
// upper-left corner; its stones are the side to move's and the other side's.

#include <array>
#include <cstdint>

#include "rules/board_state.h"
#include "rules/board_symmetry.h"

inline constexpr int kCornerSize = 10;  // lines 1..10 from a corner, both ways
inline constexpr int kCorners = 4;      // 0 upper left, 1 upper right, 2 lower left, 3 lower right

// 2 bits per point of the region, row by row: 0 empty, 1 the side to move, 2 the other side.
using CornerKey = std::array<uint8_t, kCornerSize * kCornerSize / 4>;

// Symmetry s by its code (rules/board_symmetry.h), and its inverse.
inline Point TransformPoint(Point p, int symmetry) {
  return Symmetry(symmetry)(p);
}
inline Point UntransformPoint(Point p, int symmetry) {
  return Symmetry(symmetry).Inverse()(p);
}

// Whether the board point lies in the region of the corner.
bool IsInCorner(Point p, int corner);

// A corner read from a board.
struct CornerPosition {
  CornerKey key{};
  int symmetry = 0;        // carries the key's frame onto the board
  bool symmetric = false;  // the key's position is its own diagonal mirror
  int stones = 0;          // stones in the region

  bool IsEmpty() const { return stones == 0; }
};

// The corner's region of the board, canonical over its two orientations that
// keep the corner (as is, mirrored in the diagonal), the stones of toMove first.
CornerPosition ReadCorner(const BoardState& board, int corner, Colour toMove);

// The point of the key's frame for a board point of the position's corner, or
// {0, 0} (elsewhere) outside the region. On a symmetric position the two
// mirror images are one continuation: the first in row order stands for both.
Point KeyFramePoint(const CornerPosition& position, Point boardPoint);

// The board point of a key frame point (inverse of KeyFramePoint up to the
// mirror image of a symmetric position).
inline Point BoardPointOf(const CornerPosition& position, Point keyPoint) {
  return TransformPoint(keyPoint, position.symmetry);
}

// The stone of the key at a key frame point (0 empty, 1 side to move, 2 other).
int KeyStone(const CornerKey& key, Point keyPoint);

// Plays colour at p with captures (no ko, no suicide rule), as replays of
// stored sequences do.
void PlayWithCaptures(BoardState& board, Point p, Colour colour);
