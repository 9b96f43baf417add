#pragma once
// The collection file: SQLite, the table gocs (every field text except ID) and
// the tables games and occurrences.

#include <QString>
#include <vector>

#include "collection_builder/game_tables.h"
#include "collection_builder/record_encoding.h"

struct CornerIndex;

// Writes the rows, the game tables and the corner position index (when given)
// into a fresh file at path: built beside it under a temporary name and
// renamed over it, so a reader never sees half a collection. Throws BuildError.
void WriteCollection(const std::vector<JosekiRow>& rows, const GameTables& games,
                     const QString& path, const CornerIndex* corners = nullptr);

// Every row of gocs in ID order. Throws BuildError.
std::vector<JosekiRow> ReadCollection(const QString& path);
