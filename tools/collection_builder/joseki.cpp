#include "collection_builder/joseki.h"

QString Joseki::Label() const {
  QString label = QStringLiteral("%1: joseki %2").arg(file).arg(number);
  if (!title.isEmpty()) label += QStringLiteral(" 「%1」").arg(title);
  return label;
}

std::vector<BoardPoint> Joseki::NumberedMoves() const {
  if (given >= static_cast<int>(stones.size())) return {};
  return {stones.begin() + (given < 0 ? 0 : given), stones.end()};
}

bool SameContent(const Joseki& a, const Joseki& b) {
  return a.title == b.title && a.key == b.key && a.caption == b.caption &&
         a.commentary == b.commentary && a.one == b.one && a.given == b.given &&
         a.stones == b.stones && a.markers == b.markers;
}
