#include "support/test_collection.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <stdexcept>

#include "shell/program_folder.h"

TestProgramFolder::TestProgramFolder() {
  QDir(dir_.path()).mkdir("fld1");
  QFile::link(QStringLiteral(PROGRAM_DIR) + "/fld2", dir_.filePath("fld2"));
  ProgramFolder::SetRoot(dir_.path());
}

TestProgramFolder::~TestProgramFolder() { ProgramFolder::SetRoot(QStringLiteral(PROGRAM_DIR)); }

void TestProgramFolder::WriteCollection(const std::vector<TestRow>& rows) {
  const QString file = dir_.filePath("fld1/goc.db");
  QFile::remove(file);
  sqlite3* db = nullptr;
  if (sqlite3_open(file.toUtf8().constData(), &db) != SQLITE_OK) throw std::runtime_error("open");
  sqlite3_exec(db,
               "CREATE TABLE gocs (ID INTEGER PRIMARY KEY, one TEXT, markers TEXT, "
               "setup_count TEXT, title TEXT, five TEXT, commentary TEXT, moves TEXT, "
               "game_reference TEXT); BEGIN;",
               nullptr, nullptr, nullptr);
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO gocs VALUES (NULL, ?, ?, ?, ?, ?, ?, ?, ?)", -1, &insert,
                     nullptr);
  for (const TestRow& row : rows) {
    const QString fields[] = {row.one,  row.markers,    row.setupCount, row.title,
                              row.five, row.commentary, row.moves,      row.gameReference};
    for (int i = 0; i < 8; ++i) {
      const QByteArray text = fields[i].toUtf8();
      sqlite3_bind_text(insert, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
  sqlite3_close(db);
}

void TestProgramFolder::WriteCollectionBytes(const QByteArray& bytes) {
  QFile file(dir_.filePath("fld1/goc.db"));
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(bytes);
}
