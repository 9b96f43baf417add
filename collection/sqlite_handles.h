#pragma once
// SQLite for the collection layer's files: a prepared statement that
// finalizes itself, and the URI that opens a file of the program folder.

#include <sqlite3.h>

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <memory>

struct FinalizeStatement {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

// sql prepared on db; null when it cannot be.
inline Statement PrepareStatement(sqlite3* db, const char* sql) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK) return nullptr;
  return Statement(raw);
}

// The collection never changes while the program runs: opened as immutable,
// SQLite takes no lock and writes nothing beside the file.
inline QByteArray ImmutableUri(const QString& path) {
  return "file:" + QUrl::toPercentEncoding(path, "/") + "?immutable=1";
}
