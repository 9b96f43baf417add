#include "support/test_folder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>

#include "support/joseki_text.h"

ProgramFolder BuiltProgramFolder() {
  return ProgramFolder(QDir(QStringLiteral(PROGRAM_DIR)));
}

TestFolder::TestFolder() {
  QDir(dir_.path()).mkdir("fld1");
  QFile::link(QStringLiteral(PROGRAM_DIR "/fld2"), dir_.filePath("fld2"));
}

void TestFolder::WriteCollection(const std::vector<TestRow>& rows) {
  QFile::remove(path("fld1/goc.db"));
  Execute(
      "CREATE TABLE gocs (ID INTEGER PRIMARY KEY, one TEXT, markers TEXT, setup_count TEXT, "
      "title TEXT, five TEXT, commentary TEXT, moves TEXT, game_reference TEXT)");
  sqlite3* db = nullptr;
  sqlite3_open(path("fld1/goc.db").toUtf8().constData(), &db);
  sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
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
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(db);
}

QString TestFolder::Write(const QString& relative, const QByteArray& bytes) const {
  QFile file(path(relative));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
  file.write(bytes);
  return file.fileName();
}

void TestFolder::Execute(const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path("fld1/goc.db").toUtf8().constData(), &db), SQLITE_OK);
  char* error = nullptr;
  const int result = sqlite3_exec(db, sql, nullptr, nullptr, &error);
  const std::string why = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  ASSERT_EQ(result, SQLITE_OK) << why;
}

void TestFolder::WriteJosekiGames(const std::vector<GameOfJoseki>& games) {
  Execute(
      "CREATE TABLE games (id INTEGER PRIMARY KEY, heading TEXT, moves TEXT);"
      "CREATE TABLE occurrences (joseki INTEGER, ordinal INTEGER, game INTEGER, "
      "first_move INTEGER, last_move INTEGER, orientation INTEGER)");
  QStringList headings;
  QString sql;
  for (int i = int(games.size()) - 1; i >= 0; --i) {
    const GameOfJoseki& g = games[size_t(i)];
    if (!headings.contains(g.heading)) {
      headings << g.heading;
      sql += u"INSERT INTO games VALUES (%1, '%2', '%3');"_qs.arg(headings.size())
                 .arg(g.heading, g.moves);
    }
    sql += u"INSERT INTO occurrences VALUES (%1, %2, %3, %4, %5, 0);"_qs.arg(g.joseki)
               .arg(i)
               .arg(headings.indexOf(g.heading) + 1)
               .arg(g.first)
               .arg(g.last);
  }
  Execute(sql.toUtf8().constData());
}

void WriteThreeRows(TestFolder& folder) {
  const auto row = [](const QString& title, const QString& five, const std::vector<Point>& moves) {
    return Row(title, five, Moves(moves));
  };
  folder.WriteCollection({row(u"練習・甲"_qs, u"0A"_qs, {{4, 4}, {6, 3}, {3, 6}, {8, 3}, {3, 3}}),
                          row(u"練習・乙"_qs, u"0B"_qs, {{4, 4}, {6, 3}, {6, 5}, {3, 6}, {2, 7}}),
                          row(u"練習・丙"_qs, u"0C"_qs, {{4, 4}, {3, 6}, {4, 7}, {6, 3}, {2, 2}})});
}
