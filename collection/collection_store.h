#pragma once
// Reading one section of the collection (fld1/goc.db, table gocs) in the
// order of the section's query. The file is opened as immutable and never
// written.

#include <QString>
#include <vector>

#include "collection/joseki_record.h"

// A section holds at most this many joseki.
inline constexpr int kMaxSectionRecords = 1200;

struct SectionRecords {
  std::vector<JosekiRecord> records;
  QString error;  // a Japanese sentence naming the file and the problem; empty when read
};

// The query text of a section 1..7, "SELECT * FROM gocs WHERE one = '0' And"
// plus its condition; an unknown section code appends nothing.
QString SectionQuery(int sectionCode);

// Runs the section's query on the collection file. More than maxRecords rows
// is an error, as are a missing file, a file that is not a collection, a NULL
// field and a row whose given stones outnumber its moves; an error leaves no
// records.
SectionRecords ReadSection(const QString& path, int sectionCode,
                           int maxRecords = kMaxSectionRecords);

// A joseki lists at most this many games.
inline constexpr size_t kMaxJosekiGames = 1000;

// The games in which joseki josekiId (its ID) was played, as the collection
// orders them (its reference game first), each read as a game reference. A
// collection without the tables of games, or one that cannot be read, has none.
std::vector<GameReference> ReadJosekiGames(const QString& path, const QString& josekiId);
