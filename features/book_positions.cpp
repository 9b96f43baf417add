#include "features/book_positions.h"

#include <algorithm>

#include "rules/captures.h"

namespace {

// The steps of a row with the stones it plays; the layout ends at a stone that
// cannot stand (bad data), so that every step kept is a legal replay.
std::vector<BookStep> RowSteps(const JosekiRecord& row) {
  std::vector<BookStep> steps;
  BoardState board;
  const size_t given = row.givenStones.size();
  for (size_t k = 0; k < given + row.numberedMoves.size(); ++k) {
    const StoredMove& move = k < given ? row.givenStones[k] : row.numberedMoves[k - given];
    const Colour colour = ColourOfNth(int(k) + 1);
    if (move.row == kElsewhere || move.column == kElsewhere) {
      steps.push_back({{}, true, colour});
      continue;
    }
    const Point p{move.column, move.row};
    if (!IsOnBoard(p) || board.at(p) != 0) break;
    PlaceStone(board, p, colour);
    if (k >= given) CaptureCheck(board, p, colour, [](Point) {});
    steps.push_back({p, false, colour});
  }
  return steps;
}

// Which placements take the position to its key, the smallest of its sixteen
// forms; a position with symmetries has more than one.
std::vector<RowPlacement> KeyPlacements(const BoardState& board, Colour toMove,
                                        BookPositions::Key& key) {
  std::vector<RowPlacement> placements;
  for (Symmetry orientation : Symmetry::All()) {
    for (bool swapped : {false, true}) {
      const RowPlacement placement{orientation, swapped};
      BookPositions::Key form = PositionKey(board, toMove, placement);
      if (placements.empty() || form < key) {
        key = std::move(form);
        placements = {placement};
      } else if (form == key) {
        placements.push_back(placement);
      }
    }
  }
  return placements;
}

Colour Swapped(Colour colour, bool swapped) {
  return swapped ? Other(colour) : colour;
}

}  // namespace

BookPositions::Key PositionKey(const BoardState& board, Colour toMove,
                               const RowPlacement& placement) {
  BookPositions::Key key;
  key.push_back(int(Swapped(toMove, placement.swapped)));
  for (int column = 1; column <= kBoardSize; ++column) {
    for (int row = 1; row <= kBoardSize; ++row) {
      const int code = board.at(column, row);
      if (code == 0) continue;
      const Colour colour = code % 2 != 0 ? Colour::kBlack : Colour::kWhite;
      const Point p = placement.orientation({column, row});
      key.push_back(((p.column * 32 + p.row) << 1) + int(Swapped(colour, placement.swapped)) - 1);
    }
  }
  std::sort(key.begin() + 1, key.end());
  return key;
}

size_t BookPositions::KeyHash::operator()(const Key& key) const {
  size_t hash = key.size();
  for (int value : key) hash = hash * 1000003u ^ size_t(value);
  return hash;
}

BookPositions::BookPositions(const std::vector<JosekiRecord>& rows) {
  for (int r = 0; r < int(rows.size()); ++r) {
    steps_.push_back(RowSteps(rows[size_t(r)]));
    given_.push_back(int(rows[size_t(r)].givenStones.size()));
    const std::vector<BookStep>& steps = steps_.back();
    BoardState board;
    for (int played = 0; played < int(steps.size()); ++played) {
      // The position before step `played`, whose move the step is.
      if (played >= given_.back()) {
        Key key;
        const std::vector<RowPlacement> placements =
            KeyPlacements(board, steps[size_t(played)].colour, key);
        positions_[key].push_back({r, played, placements.front()});
      }
      const BookStep& step = steps[size_t(played)];
      if (step.elsewhere) continue;
      PlaceStone(board, step.point, step.colour);
      if (played >= given_.back()) CaptureCheck(board, step.point, step.colour, [](Point) {});
    }
  }
}

std::vector<BookContinuation> BookPositions::Continuations(const BoardState& board,
                                                           Colour toMove) const {
  std::vector<BookContinuation> continuations;
  Key key;
  const std::vector<RowPlacement> placements = KeyPlacements(board, toMove, key);
  const auto found = positions_.find(key);
  if (found == positions_.end()) return continuations;
  for (const Reached& reached : found->second) {
    const BookStep& step = steps_[size_t(reached.row)][size_t(reached.played)];
    for (const RowPlacement& toPosition : placements) {
      // row -> key -> position: the key's placement undone by the position's.
      RowPlacement placement;
      placement.swapped = reached.toKey.swapped != toPosition.swapped;
      for (Symmetry orientation : Symmetry::All()) {
        if (orientation.Then(toPosition.orientation) == reached.toKey.orientation)
          placement.orientation = orientation;
      }
      BookContinuation continuation{reached.row, reached.played, placement, {}, step.elsewhere};
      if (!step.elsewhere) continuation.point = placement.orientation(step.point);
      const bool seen =
          std::any_of(continuations.begin(), continuations.end(), [&](const BookContinuation& c) {
            return c.row == continuation.row && c.played == continuation.played &&
                   c.point == continuation.point && c.elsewhere == continuation.elsewhere;
          });
      if (!seen) continuations.push_back(continuation);
    }
  }
  return continuations;
}
