#include "collection_builder/corner_index_db.h"

#include <sqlite3.h>

#include <algorithm>
#include <memory>

#include "collection_builder/build_error.h"
#include "collection_builder/corner_index.h"

namespace {

constexpr const char* kCreate =
    "CREATE TABLE corner_positions (key BLOB PRIMARY KEY, id INTEGER NOT NULL, "
    "stones INTEGER NOT NULL, games INTEGER NOT NULL, games_from_occupied INTEGER NOT NULL, "
    "engine_games INTEGER NOT NULL) WITHOUT ROWID;"
    "CREATE TABLE corner_continuations (position INTEGER NOT NULL, column INTEGER NOT NULL, "
    "row INTEGER NOT NULL, games INTEGER NOT NULL, first_year INTEGER NOT NULL, "
    "last_year INTEGER NOT NULL, corner_left INTEGER NOT NULL, engine_games INTEGER NOT NULL, "
    "PRIMARY KEY (position, column, row)) WITHOUT ROWID;"
    "CREATE TABLE corner_rows (position INTEGER NOT NULL, joseki INTEGER NOT NULL, "
    "stone INTEGER NOT NULL, PRIMARY KEY (position, joseki, stone)) WITHOUT ROWID";
constexpr const char* kInsertPosition =
    "INSERT INTO corner_positions (key, id, stones, games, games_from_occupied, engine_games) "
    "VALUES (?, ?, ?, ?, ?, ?)";
constexpr const char* kInsertContinuation =
    "INSERT INTO corner_continuations (position, column, row, games, first_year, last_year, "
    "corner_left, engine_games) VALUES (?, ?, ?, ?, ?, ?, ?, ?)";
constexpr const char* kInsertRow =
    "INSERT OR IGNORE INTO corner_rows (position, joseki, stone) VALUES (?, ?, ?)";

struct Finalize {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;

[[noreturn]] void Fail(sqlite3* db, const QString& path, const char* what) {
  throw BuildError(
      QStringLiteral("%1: %2: %3")
          .arg(path, QString::fromLatin1(what), QString::fromUtf8(sqlite3_errmsg(db))));
}

Statement Prepare(sqlite3* db, const QString& path, const char* sql) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK) Fail(db, path, sql);
  return Statement(raw);
}

// Binds the integers from index 1 on, runs the statement and resets it.
template <size_t N>
void Insert(sqlite3* db, const QString& path, sqlite3_stmt* statement, const int (&values)[N],
            int firstIndex = 1) {
  for (size_t i = 0; i < N; ++i)
    sqlite3_bind_int(statement, firstIndex + static_cast<int>(i), values[i]);
  if (sqlite3_step(statement) != SQLITE_DONE) Fail(db, path, "insert corner index");
  sqlite3_reset(statement);
}

// The positions in key order, so the file is the same from build to build.
std::vector<const std::pair<const CornerKey, PositionTally>*> SortedPositions(
    const CornerIndex& index) {
  std::vector<const std::pair<const CornerKey, PositionTally>*> sorted;
  sorted.reserve(index.positions.size());
  for (const auto& entry : index.positions) sorted.push_back(&entry);
  std::sort(sorted.begin(), sorted.end(), [](auto a, auto b) { return a->first < b->first; });
  return sorted;
}

}  // namespace

void WriteCornerTables(sqlite3* db, const QString& path, const CornerIndex& index) {
  if (sqlite3_exec(db, kCreate, nullptr, nullptr, nullptr) != SQLITE_OK) Fail(db, path, kCreate);
  Statement position = Prepare(db, path, kInsertPosition);
  Statement continuation = Prepare(db, path, kInsertContinuation);
  Statement row = Prepare(db, path, kInsertRow);
  int id = 0;
  for (const auto* entry : SortedPositions(index)) {
    const PositionTally& tally = entry->second;
    ++id;
    sqlite3_bind_blob(position.get(), 1, entry->first.data(), static_cast<int>(entry->first.size()),
                      SQLITE_TRANSIENT);
    Insert(db, path, position.get(),
           {id, tally.stones, tally.games, tally.gamesFromOccupied, tally.engineGames}, 2);
    for (const ContinuationTally& c : tally.continuations)
      Insert(db, path, continuation.get(),
             {id, c.point.column, c.point.row, c.games, c.firstYear, c.lastYear, c.cornerLeft,
              c.engineGames});
    for (const RowPassage& passage : tally.rows)
      Insert(db, path, row.get(), {id, passage.joseki, passage.stone});
  }
}
