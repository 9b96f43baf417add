#pragma once
// Reading one section of the collection (fld1/goc.db, table gocs) in the
// order of the section's query. The file is opened read-only and never written.

#include <QString>
#include <array>
#include <vector>

// One row of gocs, every field as text, by position:
// 0 ID, 1 one, 2 markers, 3 setup count, 4 title, 5 five, 6 commentary,
// 7 moves, 8 game reference.
using JosekiRecord = std::array<QString, 9>;

struct SectionRows {
  std::vector<JosekiRecord> rows;
  QString error;  // a Japanese sentence naming the file and the problem; empty when read
};

// The query text of a section, "SELECT * FROM gocs WHERE one = '0' And" plus its
// condition; an unknown section code appends nothing.
QString SectionQuery(int sectionCode);

// Runs the section's query on the collection file. At most maxRows rows are
// accepted; more is an error, as are a missing file, a file that is not a
// collection and a NULL field.
SectionRows ReadSection(const QString& path, int sectionCode, int maxRows);
