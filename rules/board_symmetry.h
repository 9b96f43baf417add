#pragma once
// The eight symmetries of the board: the one home of turning and mirroring
// points, for the search input's mirror, the corners of a game read for
// joseki, the corner position key, the drill's orientations and the
// collection builder's game search alike.

#include <array>
#include <cstddef>

#include "rules/point.h"

// A symmetry by its code 0..7 (the code the collection stores as a game's
// orientation): bit 0 mirrors the columns, bit 1 the rows, bit 2 exchanges
// column and row, applied before the mirrors. It maps any point, on the board
// or not, by those rules; callers decide what a point off the board means.
class Symmetry {
 public:
  static constexpr int kCount = 8;

  constexpr Symmetry() = default;  // the identity
  constexpr explicit Symmetry(int code) : code_(code & (kCount - 1)) {}
  // Column and row exchanged: the mirror in the upper left corner's diagonal.
  static constexpr Symmetry Diagonal() { return Symmetry(kExchange); }
  // The one that brings the upper left corner to the corner on the right
  // and/or at the foot of the board.
  static constexpr Symmetry ToCorner(bool right, bool lower) {
    return Symmetry((right ? kMirrorColumns : 0) | (lower ? kMirrorRows : 0));
  }

  // All eight, by code; the identity first.
  static constexpr std::array<Symmetry, kCount> All() {
    std::array<Symmetry, kCount> all;
    for (int code = 0; code < kCount; ++code) all[std::size_t(code)] = Symmetry(code);
    return all;
  }

  constexpr int code() const { return code_; }
  constexpr bool operator==(const Symmetry&) const = default;

  constexpr Point operator()(Point p) const {
    if (code_ & kExchange) p = {p.row, p.column};
    if (code_ & kMirrorColumns) p.column = kBoardSize + 1 - p.column;
    if (code_ & kMirrorRows) p.row = kBoardSize + 1 - p.row;
    return p;
  }

  // The symmetry that undoes this one: after an exchange, the mirrors of
  // columns and rows trade places.
  constexpr Symmetry Inverse() const {
    if (!(code_ & kExchange)) return *this;
    return Symmetry(kExchange | (code_ & kMirrorColumns ? kMirrorRows : 0) |
                    (code_ & kMirrorRows ? kMirrorColumns : 0));
  }

  // This symmetry, then second.
  constexpr Symmetry Then(Symmetry second) const {
    // Two points off both diagonals and both middle lines tell the eight apart.
    constexpr Point kProbes[] = {{2, 5}, {7, 3}};
    for (Symmetry candidate : All()) {
      bool same = true;
      for (Point probe : kProbes) same = same && candidate(probe) == second((*this)(probe));
      if (same) return candidate;
    }
    return Symmetry();
  }

 private:
  static constexpr int kMirrorColumns = 1, kMirrorRows = 2, kExchange = 4;
  int code_ = 0;
};
