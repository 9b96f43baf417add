#pragma once
// The whole build of the collection: read and check the joseki sources, attach
// the game references, encode, write goc.db.

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <map>
#include <vector>

#include "collection_builder/joseki.h"
#include "collection_builder/record_encoding.h"

struct LoadedCollection {
  std::vector<Joseki> joseki;  // sorted file order, then order in the file
  QStringList errors;
  QStringList warnings;
};

// Reads DATA_DIR/joseki/*.sgf and checks every joseki and the collection.
LoadedCollection LoadCollection(const QString& dataDir);

// The rows of the collection, IDs from 1 in order; game references empty.
std::vector<JosekiRow> EncodeCollection(const std::vector<Joseki>& joseki);

// How many joseki each section digit holds.
std::map<QChar, int> CountSections(const std::vector<Joseki>& joseki);

// Prints the per-section counts, one line per section.
void PrintSectionCounts(const std::vector<Joseki>& joseki, QTextStream& out);

// --check: loads and validates, prints errors or counts. Exit code.
int CheckCollection(const QString& dataDir, QTextStream& out, QTextStream& err);

// The normal build: loads, validates, attaches and verifies the game
// references from DATA_DIR/games/, writes outDb. Exit code.
int BuildCollection(const QString& dataDir, const QString& outDb, QTextStream& out,
                    QTextStream& err);
