#pragma once
// The eight ways a corner pattern can lie on the board: turned to any corner,
// and mirrored in the diagonal or not. The collection's rows lie in the upper
// left corner; an orientation takes a point of that frame to where it is shown.

#include <array>
#include <cstddef>

#include "rules/point.h"

struct Orientation {
  bool mirrored = false;     // column and row exchanged first (the diagonal mirror)
  bool flipColumns = false;  // then turned to the right edge
  bool flipRows = false;     // and to the lower edge
  bool operator==(const Orientation&) const = default;

  Point Apply(Point p) const;
  // The point whose Apply is p.
  Point Undo(Point p) const;
};

// All eight, the identity first.
const std::array<Orientation, 8>& AllOrientations();

// The orientation that does first, then second.
Orientation Then(const Orientation& first, const Orientation& second);

constexpr Colour Opposite(Colour colour) {
  return colour == Colour::kBlack ? Colour::kWhite : Colour::kBlack;
}
