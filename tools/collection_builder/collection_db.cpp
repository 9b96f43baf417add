#include "collection_builder/collection_db.h"

#include <sqlite3.h>

#include <QFile>
#include <cstdio>
#include <memory>

#include "collection/corner_index_db.h"
#include "collection_builder/build_error.h"

namespace {

constexpr const char* kCreateTable =
    "CREATE TABLE gocs (ID INTEGER PRIMARY KEY, one TEXT, markers TEXT, setup_count TEXT, "
    "title TEXT, five TEXT, commentary TEXT, moves TEXT, game_reference TEXT)";
constexpr const char* kInsert =
    "INSERT INTO gocs (ID, one, markers, setup_count, title, five, commentary, moves, "
    "game_reference) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)";
constexpr const char* kCreateGameTables =
    "CREATE TABLE games (id INTEGER PRIMARY KEY, heading TEXT NOT NULL, moves TEXT NOT NULL);"
    "CREATE TABLE occurrences (joseki INTEGER NOT NULL, ordinal INTEGER NOT NULL, "
    "game INTEGER NOT NULL REFERENCES games(id), first_move INTEGER NOT NULL, "
    "last_move INTEGER NOT NULL, orientation INTEGER NOT NULL, PRIMARY KEY (joseki, ordinal))";
constexpr const char* kInsertGame = "INSERT INTO games (id, heading, moves) VALUES (?, ?, ?)";
constexpr const char* kInsertOccurrence =
    "INSERT INTO occurrences (joseki, ordinal, game, first_move, last_move, orientation) "
    "VALUES (?, ?, ?, ?, ?, ?)";
constexpr const char* kSelect =
    "SELECT ID, one, markers, setup_count, title, five, commentary, moves, game_reference "
    "FROM gocs ORDER BY ID";

struct CloseDb {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct Finalize {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Db = std::unique_ptr<sqlite3, CloseDb>;
using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;

[[noreturn]] void Fail(sqlite3* db, const QString& path, const char* what) {
  throw BuildError(
      QStringLiteral("%1: %2: %3")
          .arg(path, QString::fromLatin1(what), QString::fromUtf8(sqlite3_errmsg(db))));
}

Db Open(const QString& path, int flags) {
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, flags, nullptr);
  Db db(raw);
  if (rc != SQLITE_OK) Fail(db.get(), path, "cannot open");
  return db;
}

void Exec(sqlite3* db, const QString& path, const char* sql) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail(db, path, sql);
}

Statement Prepare(sqlite3* db, const QString& path, const char* sql) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK) Fail(db, path, sql);
  return Statement(raw);
}

void BindText(sqlite3_stmt* statement, int index, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  sqlite3_bind_text(statement, index, utf8.constData(), static_cast<int>(utf8.size()),
                    SQLITE_TRANSIENT);
}

QString ColumnText(sqlite3_stmt* statement, int index) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
  return text ? QString::fromUtf8(text, sqlite3_column_bytes(statement, index)) : QString();
}

void InsertRows(sqlite3* db, const QString& path, const std::vector<JosekiRow>& rows) {
  Statement insert = Prepare(db, path, kInsert);
  for (const JosekiRow& row : rows) {
    sqlite3_reset(insert.get());
    sqlite3_bind_int(insert.get(), 1, row.id);
    const QString fields[] = {row.one,  row.markers,    row.setupCount, row.title,
                              row.five, row.commentary, row.moves,      row.gameReference};
    for (int i = 0; i < 8; ++i) BindText(insert.get(), i + 2, fields[i]);
    if (sqlite3_step(insert.get()) != SQLITE_DONE) Fail(db, path, "insert");
  }
}

void InsertGameTables(sqlite3* db, const QString& path, const GameTables& tables) {
  Statement game = Prepare(db, path, kInsertGame);
  for (const StoredGame& g : tables.games) {
    sqlite3_reset(game.get());
    sqlite3_bind_int(game.get(), 1, g.id);
    BindText(game.get(), 2, g.heading);
    BindText(game.get(), 3, g.moves);
    if (sqlite3_step(game.get()) != SQLITE_DONE) Fail(db, path, "insert game");
  }
  Statement occurrence = Prepare(db, path, kInsertOccurrence);
  for (const StoredOccurrence& o : tables.occurrences) {
    sqlite3_reset(occurrence.get());
    const int values[] = {o.joseki, o.ordinal, o.game, o.first, o.last, o.orientation};
    for (int i = 0; i < 6; ++i) sqlite3_bind_int(occurrence.get(), i + 1, values[i]);
    if (sqlite3_step(occurrence.get()) != SQLITE_DONE) Fail(db, path, "insert occurrence");
  }
}

}  // namespace

void WriteCollection(const std::vector<JosekiRow>& rows, const GameTables& games,
                     const QString& path, const CornerIndex* corners) {
  const QString temporary = path + QStringLiteral(".tmp");
  QFile::remove(temporary);
  try {
    Db db = Open(temporary, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    Exec(db.get(), temporary, kCreateTable);
    Exec(db.get(), temporary, kCreateGameTables);
    Exec(db.get(), temporary, "BEGIN");
    InsertRows(db.get(), temporary, rows);
    InsertGameTables(db.get(), temporary, games);
    if (corners) {
      const QString failure = WriteCornerTables(db.get(), temporary, *corners);
      if (!failure.isEmpty()) throw BuildError(failure);
    }
    Exec(db.get(), temporary, "COMMIT");
  } catch (const BuildError&) {
    QFile::remove(temporary);
    throw;
  }
  // Readable by every account that runs the program, whatever the umask.
  const bool readable = QFile::setPermissions(
      temporary, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  if (!readable ||
      std::rename(temporary.toLocal8Bit().constData(), path.toLocal8Bit().constData()) != 0) {
    QFile::remove(temporary);
    throw BuildError(QStringLiteral("%1: cannot replace the collection file").arg(path));
  }
}

std::vector<JosekiRow> ReadCollection(const QString& path) {
  if (!QFile::exists(path)) throw BuildError(QStringLiteral("%1: no such file").arg(path));
  Db db = Open(path, SQLITE_OPEN_READONLY);
  Statement select = Prepare(db.get(), path, kSelect);
  std::vector<JosekiRow> rows;
  int rc;
  while ((rc = sqlite3_step(select.get())) == SQLITE_ROW) {
    JosekiRow row;
    row.id = sqlite3_column_int(select.get(), 0);
    QString* fields[] = {&row.one,  &row.markers,    &row.setupCount, &row.title,
                         &row.five, &row.commentary, &row.moves,      &row.gameReference};
    for (int i = 0; i < 8; ++i) *fields[i] = ColumnText(select.get(), i + 1);
    rows.push_back(row);
  }
  if (rc != SQLITE_DONE) Fail(db.get(), path, "select");
  return rows;
}
