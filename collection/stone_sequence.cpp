#include "collection/stone_sequence.h"

void Sequence::Append(std::optional<Point> p, char16_t tag) {
  const char16_t stone[] = {p ? CoordChar(p->row) : kTenuki, p ? CoordChar(p->column) : kTenuki,
                            tag};
  text_.append(QStringView(stone, 3));
}

Sequence Sequence::WithoutLastStone() const {
  return Sequence(text_.size() < 3 ? QString() : text_.chopped(3));
}

std::vector<StoredMove> Sequence::Moves() const {
  return ParseMoveString(Utf16View(text_));
}

std::u16string_view Utf16View(const QString& text) {
  return {QStringView(text).utf16(), size_t(text.size())};
}
