#include "features/search_input.h"

#include "features/search_texts.h"
#include "rules/board_symmetry.h"
#include "rules/move_encoding.h"
#include "rules/move_layout.h"

namespace {
// Stone n of the sequence: black for odd n, white for even n, numbered up to
// 55, a plain white stone after that.
constexpr DiagramPoint InputStone(int n) {
  return n <= kLastPicturedNumber ? StonePoint(ColourOfNth(n), n) : StonePoint(Colour::kWhite);
}
}  // namespace

void SearchInput::DrawInputMarks(Section section) {
  board_.MarkTenukiCells();
  for (Point p : FactsOf(section).firstMovePoints) {
    try {
      board_.Draw(p, {PointLook::kFirstMoveMark});
    } catch (const ImageLoadError&) {
      // input still opens with the marks that could be drawn
    }
  }
  board_.Refresh();
}

SearchInput::Placed SearchInput::Place(Point p, Section section, SearchTexts& texts,
                                       int& stoneCount) {
  const int number = ++stoneCount;
  if (number == 1 && !IsAllowedFirstMove(section, p)) return Placed::kRefusedFirstStone;
  const bool tenuki = IsTenukiCell(p);
  const char16_t tag = tenuki ? kTenuki : number % 2 != 0 ? u'2' : u'1';
  const auto point = [tenuki](Point q) { return tenuki ? std::nullopt : std::optional(q); };
  texts.sequence.Append(point(p), tag);
  texts.mirror.Append(point(Symmetry::Diagonal()(p)), tag);
  DrawStone(number, p);
  return Placed::kAdded;
}

void SearchInput::DrawSequence(const Sequence& sequence, int& stoneCount) {
  TenukiPlacer placer(TenukiRule::kSearchRedraw);
  LayOutMoves(sequence.Moves(), placer, [&](Point p, int) { DrawStone(++stoneCount, p); });
}

// A picture that cannot be read leaves the stone undrawn; the sequence stays.
void SearchInput::DrawStone(int number, Point p) {
  try {
    board_.Draw(p, InputStone(number));
  } catch (const ImageLoadError&) {
    return;
  }
  board_.Refresh();
}
