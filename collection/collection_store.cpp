#include "collection/collection_store.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <memory>

#include "collection/record_parsing.h"
#include "collection/sqlite_handles.h"

namespace {

// The query's string functions count characters, not bytes.
QString TextArgument(sqlite3_value* value) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
  return QString::fromUtf8(text, sqlite3_value_bytes(value));
}

void ResultText(sqlite3_context* context, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  sqlite3_result_text(context, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

// Left(text, n) and Right(text, n); a negative length is an error, as it is
// where the query language comes from.
template <bool kFromLeft>
void LeftOrRight(sqlite3_context* context, int, sqlite3_value** args) {
  if (sqlite3_value_type(args[0]) == SQLITE_NULL) return sqlite3_result_null(context);
  const qsizetype n = sqlite3_value_int64(args[1]);
  if (n < 0) return sqlite3_result_error(context, "invalid length", -1);
  const QString text = TextArgument(args[0]);
  ResultText(context, kFromLeft ? text.left(n) : text.right(n));
}

void Len(sqlite3_context* context, int, sqlite3_value** args) {
  if (sqlite3_value_type(args[0]) == SQLITE_NULL) return sqlite3_result_null(context);
  sqlite3_result_int64(context, TextArgument(args[0]).size());
}

void RegisterFunctions(sqlite3* db) {
  constexpr int kFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  sqlite3_create_function(db, "Left", 2, kFlags, nullptr, LeftOrRight<true>, nullptr, nullptr);
  sqlite3_create_function(db, "Right", 2, kFlags, nullptr, LeftOrRight<false>, nullptr, nullptr);
  sqlite3_create_function(db, "Len", 1, kFlags, nullptr, Len, nullptr, nullptr);
}

// LEFT and RIGHT are keywords of the engine: quote them as function names.
QString EngineText(QString query) {
  return query.replace(u"Left("_qs, u"\"Left\"("_qs).replace(u"Right("_qs, u"\"Right\"("_qs);
}

QString Problem(const QString& path, const QString& what) {
  return u"定石集のファイル「%1」を読み込めません。\n%2"_qs.arg(path, what);
}

// The collection is shipped and never changes while the program runs: opened
// as immutable, SQLite takes no lock and reads or writes no journal, WAL or
// shared-memory file, so another process's lock or a leftover journal beside
// the file cannot stop it, and nothing is ever created in fld1/.
struct CloseDb {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Db = std::unique_ptr<sqlite3, CloseDb>;

// The collection read-only, or null when it cannot be opened.
Db OpenImmutable(const QString& path) {
  sqlite3* raw = nullptr;
  const int opened = sqlite3_open_v2(ImmutableUri(path).constData(), &raw,
                                     SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
  Db db(raw);
  if (opened != SQLITE_OK) db.reset();
  return db;
}

QString ColumnText(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return QString::fromUtf8(text, sqlite3_column_bytes(statement, column));
}

// A game is read only when it is shown: a joseki may have been played in
// hundreds of games.
// Only occurrences whose game is stored count: a file with the list of
// occurrences but without the games shows no game that is not there.
constexpr const char* kCountQuery =
    "SELECT count(*) FROM occurrences o JOIN games g ON g.id = o.game WHERE o.joseki = ?1";
constexpr const char* kGameQuery =
    "SELECT g.heading, o.first_move, o.last_move, g.moves, o.orientation "
    "FROM occurrences o JOIN games g ON g.id = o.game WHERE o.joseki = ?1 "
    "ORDER BY o.ordinal LIMIT 1 OFFSET ?2";

// The first row of the query as texts; none when the file has no tables of
// games (it was written before they were stored), cannot be read, or the
// query finds nothing.
std::optional<std::vector<QString>> FirstRowOfGamesQuery(const QString& path, const char* query,
                                                         qint64 joseki, int index) {
  const Db db = OpenImmutable(path);
  sqlite3_stmt* raw = nullptr;
  if (!db || sqlite3_prepare_v2(db.get(), query, -1, &raw, nullptr) != SQLITE_OK) return {};
  const Statement statement(raw);
  sqlite3_bind_int64(statement.get(), 1, joseki);
  sqlite3_bind_int(statement.get(), 2, index);  // refused, harmlessly, by the count
  if (sqlite3_step(statement.get()) != SQLITE_ROW) return {};
  std::vector<QString> row;
  for (int i = 0; i < sqlite3_column_count(statement.get()); ++i)
    row.push_back(ColumnText(statement.get(), i));
  return row;
}

}  // namespace

QString SectionQuery(Section section) {
  return u"SELECT * FROM gocs WHERE one = '0' And"_qs +
         QString::fromUtf16(FactsOf(section).queryCondition);
}

SectionRecords ReadSection(const QString& path, Section section, int maxRecords) {
  SectionRecords result;
  const auto fail = [&](const QString& what) {
    result.records.clear();
    result.error = Problem(path, what);
    return result;
  };
  if (!QFileInfo(path).isFile()) return fail(u"ファイルがありません。"_qs);
  const Db db = OpenImmutable(path);
  if (!db) return fail(u"ファイルを開けません。"_qs);
  RegisterFunctions(db.get());

  sqlite3_stmt* rawStatement = nullptr;
  const QByteArray sql = EngineText(SectionQuery(section)).toUtf8();
  if (sqlite3_prepare_v2(db.get(), sql.constData(), -1, &rawStatement, nullptr) != SQLITE_OK) {
    const QString why = QString::fromUtf8(sqlite3_errmsg(db.get()));
    return fail(why.contains(u"no such table"_qs)
                    ? u"表 gocs がありません。"_qs
                    : u"ファイルが壊れているか、定石集の形式ではありません（%1）。"_qs.arg(why));
  }
  const Statement statement(rawStatement);
  if (sqlite3_column_count(statement.get()) < int(StoredRow().size()))
    return fail(u"表 gocs の欄が足りません。"_qs);

  int step;
  while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
    if (int(result.records.size()) == maxRecords)
      return fail(u"この部の定石が %1 件を超えています。"_qs.arg(maxRecords));
    StoredRow row;
    for (int i = 0; i < int(row.size()); ++i) {
      // "one" is only named by the query (the star point section lists handicap rows whatever
      // it holds); every other field is read and must hold text.
      constexpr int kOneField = 1;
      if (i != kOneField && sqlite3_column_type(statement.get(), i) == SQLITE_NULL)
        return fail(u"空の欄（NULL）があります（ID %1）。"_qs.arg(row[0]));
      row[i] = ColumnText(statement.get(), i);
    }
    std::optional<JosekiRecord> record = ParseRecord(row);
    if (!record) return fail(u"ID %1 の置石の数が手順より多くなっています。"_qs.arg(row[0]));
    result.records.push_back(std::move(*record));
  }
  if (step != SQLITE_DONE)
    return fail(u"ファイルが壊れています（%1）。"_qs.arg(sqlite3_errmsg(db.get())));
  return result;
}

int CountJosekiGames(const QString& path, const QString& josekiId) {
  const auto row = FirstRowOfGamesQuery(path, kCountQuery, josekiId.toLongLong(), 0);
  return row ? row->front().toInt() : 0;
}

std::optional<JosekiOccurrence> ReadJosekiGame(const QString& path, const QString& josekiId,
                                               int index) {
  const auto row = FirstRowOfGamesQuery(path, kGameQuery, josekiId.toLongLong(), index);
  if (!row) return std::nullopt;
  const std::vector<QString>& column = *row;
  return JosekiOccurrence{GameOfColumns(column[0], column[1], column[2], column[3]),
                          Symmetry(column[4].toInt())};
}
