#pragma once
// The whole build of the collection: read and check the joseki sources, attach
// the game references, encode, write goc.db.

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <vector>

#include "collection_builder/joseki.h"
#include "collection_builder/record_encoding.h"

struct LoadedCollection {
  std::vector<Joseki> joseki;  // sorted file order, then order in the file
  QStringList errors;
  QStringList warnings;
};

// Reads DATA_DIR/joseki/*.sgf and checks every joseki, the collection and the
// titles against the term list of DATA_DIR/README.md.
LoadedCollection LoadCollection(const QString& dataDir);

// The rows of the collection, IDs from 1 in order; game references empty.
std::vector<JosekiRow> EncodeCollection(const std::vector<Joseki>& joseki);

// --check: loads and validates, prints errors and the measure (without games). Exit code.
int CheckCollection(const QString& dataDir, QTextStream& out, QTextStream& err);

// The normal build: loads, validates, attaches and verifies the game
// references from DATA_DIR/games/, writes outDb, prints the measure. Exit code.
int BuildCollection(const QString& dataDir, const QString& outDb, QTextStream& out,
                    QTextStream& err);
