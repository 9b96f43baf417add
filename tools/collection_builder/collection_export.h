#pragma once
// Writing a collection file back out as SGF sources, one file per section,
// in the format the builder reads.

#include <QString>
#include <QTextStream>
#include <vector>

#include "collection_builder/joseki.h"

// The SGF game tree of one joseki (markers all on the root).
QString JosekiSgf(const Joseki& joseki);

// The source file name of a section digit, e.g. '2' -> "2-komoku.sgf".
QString SectionFileName(QChar section);

// --export: reads db, writes OUT_DIR/<section file> for every section that
// has rows. Exit code.
int ExportCollection(const QString& db, const QString& outDir, QTextStream& out, QTextStream& err);
