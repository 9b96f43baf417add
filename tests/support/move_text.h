#pragma once
// Move strings for tests, written from points (column, row) so that tables
// read as board positions rather than coordinate characters.

#include <QString>
#include <utility>
#include <vector>

#include "shell/move_encoding.h"

struct TestPoint {
  int column;
  int row;
};

// One triple of a MoveString: row, column, tag.
inline QString Triple(TestPoint p, QChar tag = u'1') {
  return QString(CoordChar(p.row)) + CoordChar(p.column) + tag;
}

inline QString Triples(const std::vector<TestPoint>& points) {
  QString text;
  for (const TestPoint& p : points) text += Triple(p);
  return text;
}

// GameMoves: two characters per move, row then column.
inline QString GamePairs(const std::vector<TestPoint>& points) {
  QString text;
  for (const TestPoint& p : points) text += QString(CoordChar(p.row)) + CoordChar(p.column);
  return text;
}

// n points of which no two are neighbours (odd columns and rows, row by row),
// so that stones placed there never touch and never capture.
inline std::vector<TestPoint> ApartPoints(int n) {
  std::vector<TestPoint> points;
  for (int row = 1; row <= 19 && int(points.size()) < n; row += 2)
    for (int column = 1; column <= 19 && int(points.size()) < n; column += 2)
      points.push_back({column, row});
  return points;
}
