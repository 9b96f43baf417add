// Captures written as small boards: X black, O white, . empty, upper-left corner.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "rules/captures.h"

namespace {
using Diagram = std::vector<std::string>;

int Colour(char c) { return c == 'X' ? 1 : c == 'O' ? 2 : 0; }

// Lays the diagram's stones out without captures, row by row.
BoardState FromDiagram(const Diagram& rows) {
  BoardState board;
  for (int r = 0; r < int(rows.size()); ++r) {
    for (int c = 0; c < int(rows[r].size()); ++c) {
      if (const int colour = Colour(rows[r][c])) {
        board.at(c + 1, r + 1) = int16_t(colour);
        AddStoneCounts(board, c + 1, r + 1, int16_t(colour));
      }
    }
  }
  return board;
}

Diagram ToDiagram(const BoardState& board, int rows, int columns) {
  Diagram out(rows, std::string(columns, '.'));
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= columns; ++c) {
      const int code = board.at(c, r);
      if (code) out[r - 1][c - 1] = code % 2 ? 'X' : 'O';
    }
  return out;
}

// Plays a stone as every caller does: write, count neighbours, capture.
std::vector<std::pair<int, int>> Play(BoardState& board, int column, int row, int colour) {
  std::vector<std::pair<int, int>> removed;
  board.at(column, row) = int16_t(colour);
  AddStoneCounts(board, column, row, int16_t(colour));
  CaptureCheck(board, column, row, int16_t(colour), colour,
               [&](int c, int r) { removed.emplace_back(c, r); });
  return removed;
}

// Every stone's code is its colour plus 2 per occupied neighbour; no marks are left.
void ExpectConsistent(const BoardState& board) {
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      const int code = board.at(c, r);
      ASSERT_LE(code, 10) << c << "," << r;
      if (!code) continue;
      int expected = 2 - code % 2;
      for (auto [dc, dr] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
        if (!BoardState::IsPoint(c + dc, r + dr) || board.at(c + dc, r + dr)) expected += 2;
      }
      ASSERT_EQ(code, expected) << "stone at " << c << "," << r;
    }
  }
}

struct CaptureCase {
  const char* name;
  Diagram before;
  int column, row, colour;
  Diagram after;
};

const CaptureCase kCases[] = {
    {"corner stone", {"XO...", ".....", "....."}, 1, 2, 2, {".O...", "O....", "....."}},
    {"edge pair", {"XX...", "OO...", "....."}, 3, 1, 2, {"..O..", "OO...", "....."}},
    {"no capture with a liberty", {"XO...", "X....", "....."}, 2, 2, 2,
     {"XO...", "XO...", "....."}},
    {"saturated stone joined to a free one", {".OX..", "OXXO.", ".O..."}, 3, 3, 2,
     {".OX..", "OXXO.", ".OO.."}},
    {"filling its own last liberty stays", {".O...", "O....", "....."}, 1, 1, 1,
     {"XO...", "O....", "....."}},
    {"saturated new stone captures", {".XO..", "XO...", "O...."}, 1, 1, 2,
     {"O.O..", ".O...", "O...."}},
    {"three sides at once", {".XOX.", "XO.OX", ".XOX."}, 3, 2, 1,
     {".X.X.", "X.X.X", ".XOX."}},
    {"white captures a black line", {"OOO..", "XXX..", "OOO.."}, 4, 2, 2,
     {"OOO..", "...O.", "OOO.."}},
};

class Captures : public ::testing::TestWithParam<CaptureCase> {};

TEST_P(Captures, BoardAfterTheMove) {
  const CaptureCase& c = GetParam();
  BoardState board = FromDiagram(c.before);
  Play(board, c.column, c.row, c.colour);
  EXPECT_EQ(ToDiagram(board, 3, 5), c.after);
  ExpectConsistent(board);
}

INSTANTIATE_TEST_SUITE_P(Boards, Captures, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& ch : name)
                             if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return name;
                         });
}  // namespace

TEST(CaptureCheck, CornerStoneCodesBeforeAndAfter) {
  BoardState board = FromDiagram({"XO", ".."});
  board.at(1, 2) = 2;
  AddStoneCounts(board, 1, 2, 2);
  EXPECT_EQ(board.at(1, 1), 9);
  const int whiteRightBefore = board.at(2, 1), whiteBelowBefore = board.at(1, 2);
  CaptureCheck(board, 1, 2, 2, 2, nullptr);
  EXPECT_EQ(board.at(1, 1), 0);
  EXPECT_EQ(board.at(2, 1), whiteRightBefore - 2);
  EXPECT_EQ(board.at(1, 2), whiteBelowBefore - 2);
}

TEST(CaptureCheck, RemovesLeftGroupFirstEachInRowThenColumnOrder) {
  BoardState b = FromDiagram({"XXXXXX", "OO.OOX", "XXXXXX"});
  const auto order = Play(b, 3, 2, 1);
  EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}, {4, 2}, {5, 2}}));
}

TEST(CaptureCheck, NoCaptureLeavesTheCountsAsAddStoneCountsMadeThem) {
  BoardState board = FromDiagram({"XO.", "...", "..."});
  board.at(3, 1) = 1;
  AddStoneCounts(board, 3, 1, 1);
  BoardState counted = board;
  CaptureCheck(board, 3, 1, 1, 1, nullptr);
  for (int r = 1; r <= kBoardSize; ++r)
    for (int c = 1; c <= kBoardSize; ++c) ASSERT_EQ(board.at(c, r), counted.at(c, r));
}

namespace {
// A white line along the top edge, columns 2..19, walled in by black below,
// with its left end (1, 1) empty or taken by black.
BoardState TopEdgeLine(bool openEnd) {
  BoardState board;
  auto put = [&](int c, int r, int colour) {
    board.at(c, r) = int16_t(colour);
    AddStoneCounts(board, c, r, int16_t(colour));
  };
  for (int c = 2; c <= 19; ++c) put(c, 1, 2);
  for (int c = 2; c <= 18; ++c) put(c, 2, 1);
  if (!openEnd) put(1, 1, 1);
  return board;
}
}  // namespace

TEST(CaptureCheck, LongGroupIsJudgedWhole) {
  // Entered at its right end, the group's marks spread leftwards one stone per
  // pass over the board: far more passes than a short group needs.
  for (bool openEnd : {true, false}) {
    BoardState board = TopEdgeLine(openEnd);
    std::vector<std::pair<int, int>> removed;
    board.at(19, 2) = 1;
    AddStoneCounts(board, 19, 2, 1);
    CaptureCheck(board, 19, 2, 1, 1, [&](int c, int r) { removed.emplace_back(c, r); });
    EXPECT_EQ(removed.size(), openEnd ? 0u : 18u) << (openEnd ? "open" : "closed");
    ExpectConsistent(board);
  }
}

TEST(Placement, OffTheBoardRaisesWithoutLeavingTheArray) {
  BoardState board;
  board.at(0, 5) = 1;  // the write itself lands on the ring
  EXPECT_THROW(AddStoneCounts(board, 0, 5, 1), OffBoardPlacement);
  EXPECT_THROW(CaptureCheck(board, 5, 0, 1, 1, nullptr), OffBoardPlacement);
  EXPECT_THROW(AddStoneCounts(board, 20, 20, 2), OffBoardPlacement);
}

namespace {
// Whether the group of (column, row) has an empty neighbour, by flood fill on colours.
bool HasLiberty(const BoardState& board, int column, int row) {
  const int parity = board.at(column, row) % 2;
  std::vector<std::pair<int, int>> todo{{column, row}};
  std::vector<bool> seen(21 * 21);
  while (!todo.empty()) {
    auto [c, r] = todo.back();
    todo.pop_back();
    if (seen[c * 21 + r]) continue;
    seen[c * 21 + r] = true;
    for (auto [dc, dr] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
      const int nc = c + dc, nr = r + dr;
      if (!BoardState::IsPoint(nc, nr)) continue;
      const int code = board.at(nc, nr);
      if (code == 0) return true;
      if (code % 2 == parity) todo.emplace_back(nc, nr);
    }
  }
  return false;
}
}  // namespace

TEST(CaptureCheck, RandomPlayKeepsTheCountsConsistent) {
  std::mt19937 random(20261206);
  for (int game = 0; game < 20; ++game) {
    BoardState board;
    for (int move = 1; move <= 300; ++move) {
      int column, row;
      do {
        column = int(random() % 19) + 1;
        row = int(random() % 19) + 1;
      } while (board.at(column, row));
      const int colour = 2 - move % 2;
      Play(board, column, row, colour);
      ExpectConsistent(board);
      if (HasFatalFailure()) return;
      for (auto [dc, dr] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
        const int c = column + dc, r = row + dr;
        if (BoardState::IsPoint(c, r) && board.at(c, r) && board.at(c, r) % 2 != colour % 2) {
          ASSERT_TRUE(HasLiberty(board, c, r)) << "game " << game << " move " << move;
        }
      }
    }
  }
}
