#include "rules/captures.h"

#include <string>

namespace {
constexpr Point kSteps[4] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};  // left, right, up, down

Point Neighbour(Point p, Point step) {
  return {p.column + step.column, p.row + step.row};
}

void RequireOnBoard(Point p) {
  if (!IsOnBoard(p)) throw OffBoardPlacement(p);
}

template <class Visit>
void ForEachPoint(Visit&& visit) {
  for (int row = 1; row <= kBoardSize; ++row)
    for (int column = 1; column <= kBoardSize; ++column) visit(Point{column, row});
}

// The ring takes a code so that the neighbour tests treat it as wanted.
void FillRing(BoardState& board, int16_t value) {
  for (int i = 0; i <= kRing; ++i) {
    board.at(i, 0) = value;
    board.at(0, i) = value;
    board.at(kRing, i) = value;
    board.at(i, kRing) = value;
  }
}

// Every code above 10 on the points loses 2.
void LowerMarks(BoardState& board) {
  ForEachPoint([&](Point q) {
    if (board.at(q) > 10) board.at(q) -= 2;
  });
}

// The stones of the colour under test: saturated is the code of such a stone
// without an empty neighbour, mark the same stone taken into the group.
struct Group {
  int16_t saturated;
  int16_t mark;
  int parity;  // of every code of that colour
};

// Grows the marked group until no further stone joins it (a long group is
// judged whole). True when the group has a liberty.
bool MarkGroup(BoardState& board, const Group& group) {
  bool grew = true;
  while (grew) {
    grew = false;
    for (int row = 1; row <= kBoardSize; ++row) {
      for (int column = 1; column <= kBoardSize; ++column) {
        if (board.at(column, row) != group.mark) continue;
        for (Point step : kSteps) {
          int16_t& neighbour = board.at(Neighbour({column, row}, step));
          if (neighbour == group.saturated) {
            neighbour = group.mark;
            grew = true;
          } else if (neighbour != group.mark && neighbour != 0 && neighbour % 2 == group.parity) {
            return true;  // a stone of the group's colour with an empty neighbour
          }
        }
      }
    }
  }
  return false;
}
}  // namespace

OffBoardPlacement::OffBoardPlacement(Point p)
    : std::runtime_error("stone placed off the board at column " + std::to_string(p.column) +
                         ", row " + std::to_string(p.row)) {}

void PlaceStone(BoardState& board, Point p, Colour colour) {
  RequireOnBoard(p);
  board.at(p) = int16_t(colour);
  AddStoneCounts(board, p, colour);
}

void AddStoneCounts(BoardState& board, Point p, Colour colour) {
  RequireOnBoard(p);
  FillRing(board, int16_t(colour));
  for (Point step : kSteps) {
    int16_t& neighbour = board.at(Neighbour(p, step));
    if (neighbour >= 1) {
      neighbour += 2;
      board.at(p) += 2;
    }
  }
}

void RemoveStone(BoardState& board, Point p, const StoneRemoved& removed) {
  if (removed) removed(p);
  for (Point step : kSteps) {
    int16_t& neighbour = board.at(Neighbour(p, step));
    if (neighbour != 0 && neighbour <= 10) neighbour -= 2;  // a stone that stays
  }
}

void CaptureCheck(BoardState& board, Point p, Colour mover, const StoneRemoved& removed) {
  RequireOnBoard(p);
  FillRing(board, int16_t(mover));
  LowerMarks(board);  // codes left above 10 by stones placed on occupied points
  const bool blackMoved = mover == Colour::kBlack;
  const Group opponent = blackMoved ? Group{10, 12, 0} : Group{9, 11, 1};
  for (Point step : kSteps) {
    int16_t& neighbour = board.at(Neighbour(p, step));
    if (neighbour != opponent.saturated) continue;
    neighbour = opponent.mark;
    FillRing(board, blackMoved ? 3 : 4);  // the mover's parity: never an opponent stone
    if (MarkGroup(board, opponent)) {
      ForEachPoint([&](Point q) {
        if (board.at(q) == opponent.mark) board.at(q) = opponent.saturated;
      });
      continue;
    }
    ForEachPoint([&](Point q) {
      if (board.at(q) >= 11) {
        board.at(q) = 0;
        RemoveStone(board, q, removed);
      }
    });
  }
  LowerMarks(board);
}
