#include "rules/sgf_point.h"

namespace {
constexpr char16_t kFirstLine = u'a';
}  // namespace

std::u16string SgfLetters(Point p) {
  if (!IsOnBoard(p)) return {};
  return {char16_t(kFirstLine + p.column - 1), char16_t(kFirstLine + p.row - 1)};
}

std::optional<Point> PointOfSgfLetters(std::u16string_view letters) {
  if (letters.size() != 2) return std::nullopt;
  const Point p{letters[0] - kFirstLine + 1, letters[1] - kFirstLine + 1};
  if (!IsOnBoard(p)) return std::nullopt;
  return p;
}
