// The corner position key: one key for the eight orientations and for swapped
// colours, the side to move kept apart; continuation points in the key's frame.
#include <gtest/gtest.h>

#include <string>

#include "rules/captures.h"
#include "rules/corner_position.h"

namespace {

// A board with the upper-left corner drawn (X black, O white, rows apart by
// '|'), carried onto the board by symmetry, colours swapped when asked.
BoardState CornerBoard(const std::string& drawing, int symmetry, bool swapColours) {
  BoardState board;
  Point p{1, 1};
  for (char c : drawing) {
    if (c == '|') {
      p = {1, p.row + 1};
      continue;
    }
    if (c == 'X' || c == 'O') {
      const Colour colour = (c == 'X') != swapColours ? Colour::kBlack : Colour::kWhite;
      PlaceStone(board, TransformPoint(p, symmetry), colour);
    }
    p.column += 1;
  }
  return board;
}

// The corner that symmetry carries the upper-left corner to.
int CornerOf(int symmetry) {
  return symmetry & 3;
}

struct KeyCase {
  const char* name;
  const char* drawing;
};

const KeyCase kKeyCases[] = {
    {"komoku approach", "....|....|...X|....|..O."},
    {"hoshi with a 3-3 invasion", "......|......|..O...|...X..|......"},
    {"a capture's shape", "......|..XO..|.XO.O.|..XO..|...X.."},
    {"stones on the tenth line", ".........X|..........|..O"},
};

// Test names and failures show the drawing's name, not its bytes.
void PrintTo(const KeyCase& c, std::ostream* out) {
  *out << c.name;
}

class CornerKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(CornerKeyTest, EveryOrientationAndColourSwapGivesOneKey) {
  const CornerPosition reference =
      ReadCorner(CornerBoard(GetParam().drawing, 0, false), 0, Colour::kBlack);
  for (int symmetry = 0; symmetry < 8; ++symmetry) {
    for (bool swap : {false, true}) {
      const BoardState board = CornerBoard(GetParam().drawing, symmetry, swap);
      const Colour toMove = swap ? Colour::kWhite : Colour::kBlack;
      EXPECT_EQ(ReadCorner(board, CornerOf(symmetry), toMove).key, reference.key)
          << "symmetry " << symmetry << (swap ? ", colours swapped" : "");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Drawings, CornerKeyTest, ::testing::ValuesIn(kKeyCases),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
