#pragma once
// The corner position index built from a data folder: the rows, engine/ and games/.

#include <QString>
#include <vector>

#include "collection_builder/corner_index.h"

// Throws BuildError when an engine tree cannot be read.
CornerIndex BuildCornerIndexFromData(const QString& dataDir, const std::vector<Joseki>& joseki);

// The measure printed after a build: positions, continuations, rows through them, time.
QString CornerIndexMeasure(const CornerIndex& index, qint64 milliseconds);
