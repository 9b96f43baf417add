#pragma once
// Reading one section of the collection (fld1/goc.db, table gocs) in the
// order of the section's query. The file is opened as immutable and never
// written.

#include <QString>
#include <optional>
#include <vector>

#include "collection/joseki_record.h"
#include "collection/section.h"
#include "rules/board_symmetry.h"

// A section holds at most this many joseki.
inline constexpr int kMaxSectionRecords = 1200;

struct SectionRecords {
  std::vector<JosekiRecord> records;
  QString error;  // a Japanese sentence naming the file and the problem; empty when read
};

// The query text of a section: "SELECT * FROM gocs WHERE one = '0' And" plus
// its condition.
QString SectionQuery(Section section);

// Runs the section's query on the collection file. More than maxRecords rows
// is an error, as are a missing file, a file that is not a collection, a NULL
// field and a row whose given stones outnumber its moves; an error leaves no
// records.
SectionRecords ReadSection(const QString& path, Section section,
                           int maxRecords = kMaxSectionRecords);

// How many games joseki josekiId (its ID) was played in, as the collection's
// tables of games list them, its reference game first; 0 for a collection
// without those tables or one that cannot be read.
int CountJosekiGames(const QString& path, const QString& josekiId);

// One game a joseki was played in, as the tables of games hold it.
struct JosekiOccurrence {
  GameReference game;
  // How the joseki as stored was turned to lie where the game played it.
  Symmetry orientation;
};

// Game `index` (from 0) of that list; none when there is no such game.
std::optional<JosekiOccurrence> ReadJosekiGame(const QString& path, const QString& josekiId,
                                               int index);
