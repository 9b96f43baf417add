#include "rules/captures.h"

#include <string>

namespace {
constexpr int kSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};  // left, right, up, down

void RequirePoint(int column, int row) {
  if (!BoardState::IsPoint(column, row)) throw OffBoardPlacement(column, row);
}

template <class Visit>
void ForEachPoint(Visit&& visit) {
  for (int row = 1; row <= kBoardSize; ++row)
    for (int column = 1; column <= kBoardSize; ++column) visit(column, row);
}

struct Opponent {
  int16_t saturated;  // a stone of the opponent with no empty neighbour
  int16_t mark;       // such a stone marked as part of the group under test
  int parity;
};

// Marks the group that holds the marked stone until no further stone joins it
// (a long group is judged whole). True when the group has a liberty.
bool MarkGroup(BoardState& board, const Opponent& opponent) {
  bool grew = true;
  while (grew) {
    grew = false;
    for (int row = 1; row <= kBoardSize; ++row) {
      for (int column = 1; column <= kBoardSize; ++column) {
        if (board.at(column, row) != opponent.mark) continue;
        for (const auto& step : kSteps) {
          int16_t& neighbour = board.at(column + step[0], row + step[1]);
          if (neighbour == opponent.saturated) {
            neighbour = opponent.mark;
            grew = true;
          } else if (neighbour == opponent.mark) {
            continue;
          } else if (neighbour >= 1 && neighbour % 2 == opponent.parity) {
            return true;
          }
        }
      }
    }
  }
  return false;
}
}  // namespace

OffBoardPlacement::OffBoardPlacement(int column, int row)
    : std::runtime_error("stone placed off the board at column " + std::to_string(column) +
                         ", row " + std::to_string(row)) {}

void FillRing(BoardState& board, int16_t value) {
  for (int i = 0; i <= kRing; ++i) {
    board.at(i, 0) = value;
    board.at(0, i) = value;
    board.at(kRing, i) = value;
    board.at(i, kRing) = value;
  }
}

void AddStoneCounts(BoardState& board, int column, int row, int16_t stoneColour) {
  RequirePoint(column, row);
  FillRing(board, stoneColour);
  for (const auto& step : kSteps) {
    int16_t& neighbour = board.at(column + step[0], row + step[1]);
    if (neighbour >= 1) {
      neighbour += 2;
      board.at(column, row) += 2;
    }
  }
}

void ClearMarks(BoardState& board) {
  ForEachPoint([&](int column, int row) {
    if (board.at(column, row) > 10) board.at(column, row) -= 2;
  });
}

void RemoveStone(BoardState& board, int column, int row, const StoneRemoved& removed) {
  if (removed) removed(column, row);
  for (const auto& step : kSteps) {
    int16_t& neighbour = board.at(column + step[0], row + step[1]);
    if (neighbour >= 1 && neighbour <= 10) neighbour -= 2;
  }
}

void CaptureCheck(BoardState& board, int column, int row, int16_t stoneColour, int moveCount,
                  const StoneRemoved& removed) {
  RequirePoint(column, row);
  FillRing(board, stoneColour);
  ForEachPoint([&](int c, int r) {
    if (board.at(c, r) >= 11) board.at(c, r) -= 2;
  });
  const bool blackMoved = moveCount % 2 != 0;
  const Opponent opponent = blackMoved ? Opponent{10, 12, 0} : Opponent{9, 11, 1};
  for (const auto& step : kSteps) {
    int16_t& neighbour = board.at(column + step[0], row + step[1]);
    if (neighbour != opponent.saturated) continue;
    neighbour = opponent.mark;
    FillRing(board, blackMoved ? 3 : 4);  // the mover's parity: never an opponent stone
    if (MarkGroup(board, opponent)) {
      ForEachPoint([&](int c, int r) {
        if (board.at(c, r) == opponent.mark) board.at(c, r) = opponent.saturated;
      });
      continue;
    }
    ForEachPoint([&](int c, int r) {
      if (board.at(c, r) >= 11) {
        board.at(c, r) = 0;
        RemoveStone(board, c, r, removed);
      }
    });
  }
  ClearMarks(board);
}
