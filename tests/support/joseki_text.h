#pragma once
// Joseki and games for tests, written from points (column, row) so that
// tables read as board positions rather than coordinate characters.

#include <QString>
#include <vector>

#include "collection/record_parsing.h"
#include "rules/move_encoding.h"

// A move string as the collection stores it: row, column and tag (2 for the
// 1st, 3rd … stone, 1 for the others) per point; a point {0, 0} is "???".
inline QString Moves(const std::vector<Point>& points) {
  QString text;
  for (size_t i = 0; i < points.size(); ++i) {
    const Point p = points[i];
    text += p == Point{} ? u"???"_qs
                         : QString(QChar(CoordChar(p.row))) + QChar(CoordChar(p.column)) +
                               (i % 2 == 0 ? u'2' : u'1');
  }
  return text;
}

// A game's moves: row, column per point.
inline QString GameMoves(const std::vector<Point>& points) {
  QString text;
  for (Point p : points) text += QString(QChar(CoordChar(p.row))) + QChar(CoordChar(p.column));
  return text;
}

// A joseki with the given stones first in moves.
inline JosekiRecord Joseki(const QString& moves, int given = 0, const QString& markers = {},
                           const QString& reference = {}) {
  const QString count = given == 0 ? u"0"_qs : QString(QChar(CoordChar(given)));
  return *ParseRecord({"1", "0", markers, count, "title", "2 caption", "", moves, reference});
}
