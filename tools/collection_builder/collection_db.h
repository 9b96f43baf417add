#pragma once
// The collection file: SQLite, one table gocs, every field text except ID.

#include <QString>
#include <vector>

#include "collection_builder/record_encoding.h"

// Writes the rows into a fresh file at path: built beside it under a temporary
// name and renamed over it, so a reader never sees half a collection.
// Throws BuildError.
void WriteCollection(const std::vector<JosekiRow>& rows, const QString& path);

// Every row of gocs in ID order. Throws BuildError.
std::vector<JosekiRow> ReadCollection(const QString& path);
