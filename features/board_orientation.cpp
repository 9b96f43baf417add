#include "features/board_orientation.h"

namespace {
int Flipped(int value) {
  return kBoardSize + 1 - value;
}
}  // namespace

Point Orientation::Apply(Point p) const {
  if (mirrored) p = {p.row, p.column};
  if (flipColumns) p.column = Flipped(p.column);
  if (flipRows) p.row = Flipped(p.row);
  return p;
}

Point Orientation::Undo(Point p) const {
  if (flipRows) p.row = Flipped(p.row);
  if (flipColumns) p.column = Flipped(p.column);
  if (mirrored) p = {p.row, p.column};
  return p;
}

const std::array<Orientation, 8>& AllOrientations() {
  static const std::array<Orientation, 8> all = [] {
    std::array<Orientation, 8> orientations;
    for (int k = 0; k < 8; ++k)
      orientations[size_t(k)] = {(k & 4) != 0, (k & 1) != 0, (k & 2) != 0};
    return orientations;
  }();
  return all;
}

Orientation Then(const Orientation& first, const Orientation& second) {
  // Two points off both diagonals and both middle lines fix an orientation.
  constexpr Point kProbes[] = {{2, 5}, {7, 3}};
  for (const Orientation& candidate : AllOrientations()) {
    bool same = true;
    for (Point probe : kProbes)
      same = same && candidate.Apply(probe) == second.Apply(first.Apply(probe));
    if (same) return candidate;
  }
  return {};
}
