#include "rules/move_encoding.h"

namespace {
int StoredCoordinate(std::u16string_view text, size_t i) {
  if (i >= text.size()) return 0;
  return text[i] == kTenuki ? kElsewhere : CoordValue(text[i]);
}
}  // namespace

int CoordValue(char16_t c) {
  if (c >= u'G' && c <= u'J') return 16 + (c - u'G');
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return 10 + (c - u'A');
  if (c >= u'a' && c <= u'f') return 10 + (c - u'a');
  return 0;
}

char16_t CoordChar(int value) {
  if (value >= 1 && value <= 9) return char16_t(u'0' + value);
  if (value >= 10 && value <= 15) return char16_t(u'A' + (value - 10));
  if (value >= 16 && value <= 19) return char16_t(u'G' + (value - 16));
  return kTenuki;
}

std::vector<StoredMove> ParseMoveString(std::u16string_view text) {
  std::vector<StoredMove> moves;
  for (size_t i = 0; i < text.size(); i += 3)
    moves.push_back({StoredCoordinate(text, i), StoredCoordinate(text, i + 1)});
  return moves;
}

std::vector<Point> ParseGameMoves(std::u16string_view text) {
  std::vector<Point> moves;
  for (size_t i = 0; i + 1 < text.size(); i += 2)
    moves.push_back({CoordValue(text[i + 1]), CoordValue(text[i])});
  return moves;
}
