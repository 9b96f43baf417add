#include "collection_builder/record_encoding.h"

#include "collection_builder/build_error.h"
#include "rules/board_state.h"
#include "rules/move_encoding.h"

namespace {

BoardPoint DecodePoint(const QString& text, qsizetype at, const JosekiRow& row) {
  if (text[at] == kTenuki && text[at + 1] == kTenuki) return kTenukiPoint;
  const BoardPoint p{CoordValue(text[at + 1].unicode()), CoordValue(text[at].unicode())};
  if (!IsOnBoard(Point{p.column, p.row}) || CoordChar(p.row) != text[at] ||
      CoordChar(p.column) != text[at + 1])
    throw BuildError(QStringLiteral("row %1 「%2」: bad coordinates \"%3\"")
                         .arg(row.id)
                         .arg(row.title, text.mid(at, 2)));
  return p;
}

void RequireTriples(const QString& text, const JosekiRow& row, const char* field) {
  if (text.size() % 3 != 0)
    throw BuildError(QStringLiteral("row %1 「%2」: %3 is not whole triples")
                         .arg(row.id)
                         .arg(row.title, QString::fromLatin1(field)));
}

}  // namespace

QString FiveText(const QString& key, const QString& caption) {
  return caption.isEmpty() ? key : key + u' ' + caption;
}

QString EncodeGameMove(const BoardPoint& point) {
  if (point.IsTenuki()) return QStringLiteral("??");
  return QString(QChar(CoordChar(point.row))) + QChar(CoordChar(point.column));
}

QString EncodeMoves(const std::vector<BoardPoint>& stones) {
  QString moves;
  for (size_t i = 0; i < stones.size(); ++i) {
    if (stones[i].IsTenuki()) {
      moves += QStringLiteral("???");
      continue;
    }
    moves += EncodeGameMove(stones[i]);
    moves += i % 2 == 0 ? u'2' : u'1';
  }
  return moves;
}

QString EncodeMarkers(const std::vector<SourceMarker>& markers) {
  QString text;
  for (const SourceMarker& m : markers) text += EncodeGameMove(m.point) + m.tag;
  return text;
}

JosekiRow EncodeJoseki(const Joseki& joseki) {
  JosekiRow row;
  row.one = joseki.one;
  row.markers = EncodeMarkers(joseki.markers);
  row.setupCount = QChar(CoordChar(joseki.given));
  row.title = joseki.title;
  row.five = FiveText(joseki.key, joseki.caption);
  row.commentary = joseki.commentary;
  row.moves = EncodeMoves(joseki.stones);
  return row;
}

Joseki DecodeJoseki(const JosekiRow& row) {
  Joseki joseki;
  joseki.one = row.one;
  joseki.title = row.title;
  joseki.key = row.five.section(u' ', 0, 0);
  joseki.caption = row.five.section(u' ', 1);
  joseki.commentary = row.commentary;
  joseki.given = row.setupCount.size() == 1 ? CoordValue(row.setupCount[0].unicode()) : 0;
  RequireTriples(row.moves, row, "moves");
  RequireTriples(row.markers, row, "markers");
  for (qsizetype i = 0; i < row.moves.size(); i += 3)
    joseki.stones.push_back(DecodePoint(row.moves, i, row));
  for (qsizetype i = 0; i < row.markers.size(); i += 3)
    joseki.markers.push_back({DecodePoint(row.markers, i, row), row.markers[i + 2]});
  return joseki;
}
