#pragma once
// The corner position index as tables of an SQLite file:
//   corner_positions (key, id, stones, games, games_from_occupied, engine_games)
//   corner_continuations (position, column, row, games, first_year, last_year,
//                         corner_left, engine_games)
//   corner_rows (position, joseki, stone)
// data/README.md describes every column. The collection file is written
// whole once; the user's own index grows by merging a tally into it.

#include <QString>

struct sqlite3;
struct CornerIndex;

// Creates the three tables in db and fills them, positions numbered in key
// order. The error names path; empty when written.
QString WriteCornerTables(sqlite3* db, const QString& path, const CornerIndex& index);

// Creates the three tables in db unless it has them. The error names path.
QString CreateCornerTables(sqlite3* db, const QString& path);

// Adds the tally's counts to the tables of db: a position or continuation
// already held has the counts added, a new one is numbered after the last.
// Rows of the book are not merged. The error names path; empty when merged.
QString MergeCornerTables(sqlite3* db, const QString& path, const CornerIndex& index);
