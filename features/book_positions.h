#pragma once
// Every position the rows of the collection pass through, so that the drill
// can ask which moves the book plays from a position, whichever row and move
// order reached it. A position is the stones on the board (captures applied)
// and the colour to move; two positions are the same in any of the eight
// orientations and with the colours exchanged (stones and mover alike).

#include <unordered_map>
#include <vector>

#include "collection/joseki_record.h"
#include "rules/board_state.h"
#include "rules/board_symmetry.h"

// One move of a row in the row's own frame (the upper left corner).
struct BookStep {
  Point point;             // nothing for a move elsewhere
  bool elsewhere = false;  // a move played elsewhere (tenuki)
  Colour colour = Colour::kBlack;
};

// How a row lies against a position: its points turned by orientation, its
// colours exchanged when swapped.
struct RowPlacement {
  Symmetry orientation;
  bool swapped = false;
  bool operator==(const RowPlacement&) const = default;
};

// A move the book plays from a position.
struct BookContinuation {
  int row = 0;             // index into the rows given
  int played = 0;          // the row's steps (given stones included) before this move
  RowPlacement placement;  // the row placed on the position
  Point point;             // in the position's frame; nothing for a move elsewhere
  bool elsewhere = false;
};

class BookPositions {
 public:
  // Rows whose stones cannot be laid out (off the board, on an occupied
  // point) keep the steps before the fault.
  explicit BookPositions(const std::vector<JosekiRecord>& rows);

  // A row's given stones and numbered moves, in order.
  const std::vector<BookStep>& Steps(int row) const { return steps_[size_t(row)]; }
  int given(int row) const { return given_[size_t(row)]; }
  int rowCount() const { return int(steps_.size()); }

  // The moves the book plays from board with toMove to play; one per row,
  // move order and placement that reaches the position.
  std::vector<BookContinuation> Continuations(const BoardState& board, Colour toMove) const;

  // A stone of the count board as one number: point and colour.
  using Key = std::vector<int>;

 private:
  struct Reached {
    int row;
    int played;
    RowPlacement toKey;  // takes the row's position to the key's
  };
  struct KeyHash {
    size_t operator()(const Key& key) const;
  };
  std::vector<std::vector<BookStep>> steps_;
  std::vector<int> given_;
  std::unordered_map<Key, std::vector<Reached>, KeyHash> positions_;
};

// The stones of board and the mover as a key, turned and swapped by placement.
BookPositions::Key PositionKey(const BoardState& board, Colour toMove,
                               const RowPlacement& placement);
