#pragma once
// The corner position index as tables of the collection file:
//   corner_positions (key, id, stones, games, games_from_occupied, engine_games)
//   corner_continuations (position, column, row, games, first_year, last_year,
//                         corner_left, engine_games)
//   corner_rows (position, joseki, stone)
// data/README.md describes every column.

#include <QString>

struct sqlite3;
struct CornerIndex;

// Creates the three tables in db and fills them. Throws BuildError naming path.
void WriteCornerTables(sqlite3* db, const QString& path, const CornerIndex& index);
