#pragma once
// A joseki as a row of the table gocs, and back. Moves are triples row,
// column, tag ("2" for the 1st, 3rd ... stone, "1" for the 2nd, 4th ...);
// a tenuki is "???"; the setup count is the coordinate character of JG.

#include <QString>
#include <vector>

#include "collection_builder/joseki.h"

struct JosekiRow {
  int id = 0;
  QString one;
  QString markers;
  QString setupCount;
  QString title;
  QString five;
  QString commentary;
  QString moves;
  QString gameReference;
  bool operator==(const JosekiRow&) const = default;
};

// The move string of a line of stones (black first).
QString EncodeMoves(const std::vector<BoardPoint>& stones);
// The marker string: row, column, tag per marker.
QString EncodeMarkers(const std::vector<SourceMarker>& markers);
// Row and column as two coordinate characters (a game move).
QString EncodeGameMove(const BoardPoint& point);

// The field `five`: the sort key, a blank, the small caption. The list shows
// this field as the caption; a blank sorts below every key character, so the
// rows still order by key alone.
QString FiveText(const QString& key, const QString& caption);

// The row of a joseki; id and game reference are left for the caller.
JosekiRow EncodeJoseki(const Joseki& joseki);

// The joseki a row holds (file and number left empty). Throws BuildError on a
// move or marker string that is not whole triples of valid characters.
Joseki DecodeJoseki(const JosekiRow& row);
