#include "collection_builder/joseki_validator.h"

#include <QRegularExpression>
#include <map>
#include <set>

#include "collection_builder/board_symmetry.h"
#include "collection_builder/joseki_reader.h"
#include "rules/board_state.h"
#include "rules/captures.h"

namespace {

constexpr int kMaxGiven = 19;  // the setup count is one coordinate character

void CheckTexts(const Joseki& j, QStringList& reasons) {
  if (j.title.isEmpty()) reasons << QStringLiteral("GN (title) is missing");
  if (j.key.isEmpty()) reasons << QStringLiteral("JK (sort key) is missing");
  if (j.caption.isEmpty()) reasons << QStringLiteral("JC (small caption) is missing");
  if (j.commentary.isEmpty()) reasons << QStringLiteral("C (commentary) is missing");
  static const QRegularExpression keyForm(QStringLiteral("^[0-9A-Z]+$"));
  if (!j.key.isEmpty() && !keyForm.match(j.key).hasMatch())
    reasons << QStringLiteral("JK[%1] may hold only digits and capital letters").arg(j.key);
  else if (!j.key.isEmpty() && !IsSectionDigit(j.Section()))
    reasons << QStringLiteral("JK[%1] starts with %2, which is no section (0 1 2 3 5 6 8)")
                   .arg(j.key, j.Section());
  if (j.one != u"0" && j.one != u"1") reasons << QStringLiteral("JO[%1] must be 0 or 1").arg(j.one);
}

void CheckGiven(const Joseki& j, QStringList& reasons) {
  const int total = static_cast<int>(j.stones.size());
  if (j.given % 2 == 0 || j.given < 1 || j.given > kMaxGiven)
    reasons << QStringLiteral("JG[%1] must be odd, 1 to %2 (given stones open with black)")
                   .arg(j.given)
                   .arg(kMaxGiven);
  else if (j.given >= total)
    reasons << QStringLiteral("JG[%1] leaves no numbered move (the line has %2 stones)")
                   .arg(j.given)
                   .arg(total);
}

void CheckFirstPoint(const Joseki& j, QStringList& reasons) {
  if (j.stones.empty()) {
    reasons << QStringLiteral("has no moves");
    return;
  }
  if (IsSectionDigit(j.Section()) && !IsSectionStartPoint(j.Section(), j.stones.front()))
    reasons << QStringLiteral("the first stone %1 is not on the point of section %2")
                   .arg(SgfPointText(j.stones.front()), j.Section());
}

// True when the stone at (column, row) belongs to a group with an empty neighbour.
bool GroupHasLiberty(const BoardState& board, int column, int row) {
  const int parity = board.at(column, row) % 2;
  std::set<std::pair<int, int>> seen{{column, row}};
  std::vector<std::pair<int, int>> open{{column, row}};
  while (!open.empty()) {
    auto [c, r] = open.back();
    open.pop_back();
    for (auto [dc, dr] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
      const int nc = c + dc, nr = r + dr;
      if (!IsOnBoard(Point{nc, nr})) continue;
      const int code = board.at(nc, nr);
      if (code == 0) return true;
      if (code % 2 == parity && seen.insert({nc, nr}).second) open.push_back({nc, nr});
    }
  }
  return false;
}

// Plays the line out as the diagram does: given stones never capture,
// numbered moves run the capture step, so a captured point is free again.
void CheckPlay(const Joseki& j, QStringList& reasons) {
  BoardState board;
  for (int i = 0; i < static_cast<int>(j.stones.size()); ++i) {
    const BoardPoint p = j.stones[i];
    if (p.IsTenuki()) continue;
    if (board.at(p.column, p.row) != 0) {
      reasons << QStringLiteral("%1 at %2: the point is occupied")
                     .arg(StoneName(i, j.given), SgfPointText(p));
      return;
    }
    const int16_t colour = i % 2 == 0 ? 1 : 2;
    board.at(p.column, p.row) = colour;
    AddStoneCounts(board, Point{p.column, p.row}, Colour(colour));
    if (i < j.given) continue;
    CaptureCheck(board, Point{p.column, p.row}, Colour(colour), nullptr);
    if (!GroupHasLiberty(board, p.column, p.row)) {
      reasons << QStringLiteral("%1 at %2 is suicide: its group has no liberty")
                     .arg(StoneName(i, j.given), SgfPointText(p));
      return;
    }
  }
}

void CheckMarkers(const Joseki& j, QStringList& reasons) {
  std::set<std::pair<int, int>> points;
  for (const SourceMarker& m : j.markers) {
    if (!points.insert({m.point.column, m.point.row}).second)
      reasons << QStringLiteral("two markers on %1").arg(SgfPointText(m.point));
  }
}

// A move-order variant names the row it reaches by another order in its caption.
bool MarksVariantOf(const Joseki& variant, const Joseki& other) {
  return variant.caption.contains(QStringLiteral("手順違い")) &&
         variant.caption.contains(other.key);
}

QString SequenceText(const std::vector<BoardPoint>& stones) {
  QString text;
  for (const BoardPoint& p : stones) text += SgfPointText(p);
  return text;
}

}  // namespace

bool IsSectionDigit(QChar digit) {
  return QStringLiteral("0123568").contains(digit) && !digit.isNull();
}

bool IsSectionStartPoint(QChar section, const BoardPoint& p) {
  auto either = [&](int a, int b) {
    return (p.column == a && p.row == b) || (p.column == b && p.row == a);
  };
  switch (section.unicode()) {
    case u'0':
    case u'1':
      return either(4, 4);
    case u'2':
      return either(4, 3);
    case u'3':
      return either(5, 4);
    case u'5':
      return either(5, 3);
    case u'6':
      return either(3, 3);
    case u'8':
      return !p.IsTenuki();
    default:
      return false;
  }
}

QStringList ValidateJoseki(const Joseki& joseki) {
  QStringList reasons;
  CheckTexts(joseki, reasons);
  CheckGiven(joseki, reasons);
  CheckFirstPoint(joseki, reasons);
  CheckPlay(joseki, reasons);
  CheckMarkers(joseki, reasons);
  QStringList errors;
  for (const QString& reason : reasons)
    errors << QStringLiteral("%1: %2").arg(joseki.Label(), reason);
  return errors;
}

std::vector<BoardPoint> DiagonalMirror(const std::vector<BoardPoint>& stones) {
  std::vector<BoardPoint> mirror;
  for (const BoardPoint& p : stones) mirror.push_back({p.row, p.column});
  return mirror;
}

BoardState FinalBoard(const Joseki& joseki) {
  BoardState board;
  for (int i = 0; i < static_cast<int>(joseki.stones.size()); ++i) {
    const BoardPoint p = joseki.stones[i];
    if (p.IsTenuki() || board.at(p.column, p.row) != 0) continue;
    const int16_t colour = i % 2 == 0 ? 1 : 2;
    board.at(p.column, p.row) = colour;
    AddStoneCounts(board, Point{p.column, p.row}, Colour(colour));
    if (i >= joseki.given) CaptureCheck(board, Point{p.column, p.row}, Colour(colour), nullptr);
  }
  return board;
}

QByteArray PositionKey(const BoardState& board) {
  QByteArray best;
  for (int s = 0; s < kSymmetries; ++s) {
    for (const bool swapColours : {false, true}) {
      QByteArray key(kBoardSize * kBoardSize, '.');
      for (int c = 1; c <= kBoardSize; ++c) {
        for (int r = 1; r <= kBoardSize; ++r) {
          const int code = board.at(c, r);
          if (code == 0) continue;
          const BoardPoint t = Transform({c, r}, s);
          key[(t.row - 1) * kBoardSize + t.column - 1] = (code % 2 == 1) != swapColours ? 'x' : 'o';
        }
      }
      if (best.isEmpty() || key < best) best = key;
    }
  }
  return best;
}

QByteArray FinalPositionKey(const Joseki& joseki) { return PositionKey(FinalBoard(joseki)); }

QStringList ValidateCollection(const std::vector<Joseki>& joseki) {
  QStringList errors;
  std::map<QString, const Joseki*> keys;
  std::map<QString, const Joseki*> sequences;
  std::map<QByteArray, std::vector<const Joseki*>> positions;
  std::map<std::pair<QChar, QString>, const Joseki*> titles;  // a list shows one section
  for (const Joseki& j : joseki) {
    if (auto [it, fresh] = titles.emplace(std::pair{j.Section(), j.title}, &j); !fresh)
      errors << QStringLiteral("%1: the same title as %2 in one section")
                    .arg(j.Label(), it->second->Label());
    if (!j.key.isEmpty()) {
      auto [it, fresh] = keys.emplace(j.key, &j);
      if (!fresh)
        errors << QStringLiteral("%1: JK[%2] is already used by %3")
                      .arg(j.Label(), j.key, it->second->Label());
    }
    const QString sequence = SequenceText(j.stones);
    const QString mirror = SequenceText(DiagonalMirror(j.stones));
    if (auto it = sequences.find(sequence); it != sequences.end()) {
      errors << QStringLiteral("%1: the same sequence as %2").arg(j.Label(), it->second->Label());
      continue;
    }
    if (auto m = sequences.find(mirror); m != sequences.end()) {
      errors << QStringLiteral("%1: the diagonal mirror of %2").arg(j.Label(), m->second->Label());
      continue;
    }
    sequences.emplace(sequence, &j);
    std::vector<const Joseki*>& same = positions[FinalPositionKey(j)];
    for (const Joseki* other : same) {
      if (!MarksVariantOf(j, *other) && !MarksVariantOf(*other, j))
        errors << QStringLiteral(
                      "%1: the same final position as %2 (a move-order variant says "
                      "手順違い and the other key in its caption)")
                      .arg(j.Label(), other->Label());
    }
    same.push_back(&j);
  }
  return errors;
}

QString StoneName(int index, int given) {
  if (index < given) return QStringLiteral("given stone %1").arg(index + 1);
  const int n = index - given + 1;
  return (n % 2 == 1 ? QStringLiteral("白%1") : QStringLiteral("黒%1")).arg(n);
}
