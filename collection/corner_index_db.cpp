#include "collection/corner_index_db.h"

#include <sqlite3.h>

#include <algorithm>
#include <memory>

#include "collection/corner_tally.h"
#include "collection/sqlite_handles.h"

namespace {

constexpr const char* kCreatePositions =
    "CREATE TABLE corner_positions (key BLOB PRIMARY KEY, id INTEGER NOT NULL, "
    "stones INTEGER NOT NULL, games INTEGER NOT NULL, games_from_occupied INTEGER NOT NULL, "
    "engine_games INTEGER NOT NULL) WITHOUT ROWID;";
constexpr const char* kCreateContinuations =
    "CREATE TABLE corner_continuations (position INTEGER NOT NULL, column INTEGER NOT NULL, "
    "row INTEGER NOT NULL, games INTEGER NOT NULL, first_year INTEGER NOT NULL, "
    "last_year INTEGER NOT NULL, corner_left INTEGER NOT NULL, engine_games INTEGER NOT NULL, "
    "PRIMARY KEY (position, column, row)) WITHOUT ROWID;";
constexpr const char* kCreateRows =
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
constexpr const char* kFindPosition = "SELECT id FROM corner_positions WHERE key = ?";
constexpr const char* kLastPosition = "SELECT coalesce(max(id), 0) FROM corner_positions";
constexpr const char* kAddToPosition =
    "UPDATE corner_positions SET games = games + ?2, games_from_occupied = games_from_occupied + "
    "?3, engine_games = engine_games + ?4 WHERE key = ?1";
// A year 0 is no year: the earliest of the dated ones is kept.
constexpr const char* kAddContinuation =
    "INSERT INTO corner_continuations (position, column, row, games, first_year, last_year, "
    "corner_left, engine_games) VALUES (?, ?, ?, ?, ?, ?, ?, ?) "
    "ON CONFLICT (position, column, row) DO UPDATE SET games = games + excluded.games, "
    "first_year = CASE WHEN first_year = 0 THEN excluded.first_year "
    "WHEN excluded.first_year = 0 THEN first_year "
    "ELSE min(first_year, excluded.first_year) END, "
    "last_year = max(last_year, excluded.last_year), "
    "corner_left = corner_left + excluded.corner_left, "
    "engine_games = engine_games + excluded.engine_games";

// A failure of SQLite, carried out as the text the caller returns.
struct Failure {
  QString text;
};

[[noreturn]] void Fail(sqlite3* db, const QString& path, const char* what) {
  throw Failure{QStringLiteral("%1: %2: %3")
                    .arg(path, QString::fromLatin1(what), QString::fromUtf8(sqlite3_errmsg(db)))};
}

Statement Prepare(sqlite3* db, const QString& path, const char* sql) {
  Statement statement = PrepareStatement(db, sql);
  if (!statement) Fail(db, path, sql);
  return statement;
}

void Execute(sqlite3* db, const QString& path, const char* sql) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail(db, path, sql);
}

// Binds the integers from index firstIndex on, runs the statement and resets it.
template <size_t N>
void Insert(sqlite3* db, const QString& path, sqlite3_stmt* statement, const int (&values)[N],
            int firstIndex = 1) {
  for (size_t i = 0; i < N; ++i)
    sqlite3_bind_int(statement, firstIndex + static_cast<int>(i), values[i]);
  if (sqlite3_step(statement) != SQLITE_DONE) Fail(db, path, "insert corner index");
  sqlite3_reset(statement);
}

// The first column of the statement's one row, or 0 without a row.
int IntegerResult(sqlite3_stmt* statement) {
  const int value = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : 0;
  sqlite3_reset(statement);
  return value;
}

void BindKey(sqlite3_stmt* statement, int index, const CornerKey& key) {
  sqlite3_bind_blob(statement, index, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
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

void InsertAll(sqlite3* db, const QString& path, const CornerIndex& index) {
  Statement position = Prepare(db, path, kInsertPosition);
  Statement continuation = Prepare(db, path, kInsertContinuation);
  Statement row = Prepare(db, path, kInsertRow);
  int id = 0;
  for (const auto* entry : SortedPositions(index)) {
    const PositionTally& tally = entry->second;
    ++id;
    BindKey(position.get(), 1, entry->first);
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

void MergeAll(sqlite3* db, const QString& path, const CornerIndex& index) {
  Statement find = Prepare(db, path, kFindPosition);
  Statement last = Prepare(db, path, kLastPosition);
  Statement insert = Prepare(db, path, kInsertPosition);
  Statement add = Prepare(db, path, kAddToPosition);
  Statement continuation = Prepare(db, path, kAddContinuation);
  int lastId = IntegerResult(last.get());
  for (const auto* entry : SortedPositions(index)) {
    const PositionTally& tally = entry->second;
    BindKey(find.get(), 1, entry->first);
    int id = IntegerResult(find.get());
    if (id == 0) {
      id = ++lastId;
      BindKey(insert.get(), 1, entry->first);
      Insert(db, path, insert.get(),
             {id, tally.stones, tally.games, tally.gamesFromOccupied, tally.engineGames}, 2);
    } else {
      BindKey(add.get(), 1, entry->first);
      Insert(db, path, add.get(), {tally.games, tally.gamesFromOccupied, tally.engineGames}, 2);
    }
    for (const ContinuationTally& c : tally.continuations)
      Insert(db, path, continuation.get(),
             {id, c.point.column, c.point.row, c.games, c.firstYear, c.lastYear, c.cornerLeft,
              c.engineGames});
  }
}

}  // namespace

QString WriteCornerTables(sqlite3* db, const QString& path, const CornerIndex& index) {
  try {
    Execute(db, path, kCreatePositions);
    Execute(db, path, kCreateContinuations);
    Execute(db, path, kCreateRows);
    InsertAll(db, path, index);
  } catch (const Failure& failure) {
    return failure.text;
  }
  return {};
}

QString CreateCornerTables(sqlite3* db, const QString& path) {
  const auto ifMissing = [](const char* create) {
    return QByteArray(create).replace("CREATE TABLE", "CREATE TABLE IF NOT EXISTS");
  };
  try {
    for (const char* create : {kCreatePositions, kCreateContinuations, kCreateRows})
      Execute(db, path, ifMissing(create).constData());
  } catch (const Failure& failure) {
    return failure.text;
  }
  return {};
}

QString MergeCornerTables(sqlite3* db, const QString& path, const CornerIndex& index) {
  try {
    MergeAll(db, path, index);
  } catch (const Failure& failure) {
    return failure.text;
  }
  return {};
}
