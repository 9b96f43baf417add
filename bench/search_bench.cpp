// The joseki search over a full section of 1200 rows: the window's search as it
// runs (rows read once into memory) against the same stages asked of SQLite as
// queries, one per stage and per shortening.
//   WorstCase: 30 stones that match nothing, so every shortening down to five
//              stones scans the section.
//   TenResults: one stone that begins every row, so the prefix stage stops at
//               its eleventh match.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <stdexcept>
#include <vector>

#include "search/search_stages.h"
#include "shell/board_window.h"
#include "shell/messages.h"
#include "shell/move_encoding.h"

namespace {

constexpr int kRows = 1200;
constexpr int kWorstCaseStones = 30;

class SilentSink : public MessageSink {
 public:
  void ShowMessage(const QString&) override {}
};

QString Mirror(const QString& sequence) {
  QString mirror = sequence;
  for (qsizetype i = 0; i + 1 < mirror.size(); i += 3) std::swap(mirror[i], mirror[i + 1]);
  return mirror;
}

QString Stone(std::mt19937& random, int number) {
  if (random() % 100 < 8) return QStringLiteral("???");
  const int row = 1 + int(random() % 11);
  const int column = 1 + int(random() % 11);
  return QString(CoordChar(row)) + CoordChar(column) + QChar(number % 2 ? u'2' : u'1');
}

// A section shaped like a real one: every joseki starts on the 4-4 point and
// most branch off an earlier one, so rows share long beginnings.
std::vector<SearchRow> MakeSection(std::mt19937& random) {
  std::vector<SearchRow> rows;
  std::set<int> ids;
  while (int(ids.size()) < kRows) ids.insert(1 + int(random() % 99999));
  std::vector<int> idOrder(ids.begin(), ids.end());
  std::shuffle(idOrder.begin(), idOrder.end(), random);
  for (int i = 0; i < kRows; ++i) {
    QString moves = QStringLiteral("442");
    if (!rows.empty() && random() % 4 != 0) {
      const QString& parent = rows[random() % rows.size()].moves;
      const int stones = 1 + int(random() % (parent.size() / 3));
      moves = parent.left(stones * 3);
    }
    const int length = 6 + int(random() % 30);
    while (moves.size() / 3 < length) moves += Stone(random, int(moves.size() / 3) + 1);
    rows.push_back({QString::number(idOrder[i]), moves});
  }
  return rows;
}

bool BeginsAnyRow(const std::vector<SearchRow>& rows, const QString& sequence) {
  const QString mirror = Mirror(sequence);
  for (const SearchRow& row : rows) {
    if (row.moves.startsWith(sequence) || row.moves.startsWith(mirror)) return true;
  }
  return false;
}

// 30 stones whose first four begin many rows and whose first five begin none.
QString WorstCaseSequence(const std::vector<SearchRow>& rows, std::mt19937& random) {
  for (int attempt = 0; attempt < 10000; ++attempt) {
    const QString& base = rows[random() % rows.size()].moves;
    if (base.size() < 12) continue;
    QString sequence = base.left(12);
    sequence += Stone(random, 5);
    if (BeginsAnyRow(rows, sequence)) continue;
    while (sequence.size() / 3 < kWorstCaseStones) {
      sequence += Stone(random, int(sequence.size() / 3) + 1);
    }
    return sequence;
  }
  throw std::runtime_error("no sequence that matches nothing");
}

struct Outcome {
  bool found = false;
  int droppedStones = 0;
  int currentRecord = 0;
  bool operator==(const Outcome&) const = default;
};

// The same stages, each asked of the database as a query over the stored rows.
class SqlSearch {
 public:
  SqlSearch(const QString& path, const std::vector<SearchRow>& rows) {
    Check(sqlite3_open(path.toUtf8().constData(), &db_));
    Execute("CREATE TABLE gocs (pos INTEGER PRIMARY KEY, ID TEXT, moves TEXT)");
    Execute("BEGIN");
    sqlite3_stmt* insert = Prepare("INSERT INTO gocs (pos, ID, moves) VALUES (?1, ?2, ?3)");
    for (size_t i = 0; i < rows.size(); ++i) {
      sqlite3_bind_int(insert, 1, int(i) + 1);
      Bind(insert, 2, rows[i].id);
      Bind(insert, 3, rows[i].moves);
      if (sqlite3_step(insert) != SQLITE_DONE) throw std::runtime_error("insert");
      sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    Execute("COMMIT");
    // The stages compare characters exactly.
    Execute("PRAGMA case_sensitive_like = ON");
    exact_ = Prepare("SELECT ID FROM gocs WHERE moves = ?1 OR moves = ?2 ORDER BY pos LIMIT 1");
    prefix_ = Prepare(
        "SELECT ID, moves FROM gocs WHERE moves LIKE ?1 || '%' OR moves LIKE ?2 || '%' "
        "ORDER BY pos");
    position_ = Prepare("SELECT pos FROM gocs WHERE ID = ?1 ORDER BY pos LIMIT 1");
  }
  ~SqlSearch() {
    for (sqlite3_stmt* statement : {exact_, prefix_, position_}) sqlite3_finalize(statement);
    sqlite3_close(db_);
  }

  Outcome Run(const QString& sequence, const QString& mirror) {
    Outcome outcome;
    SearchResultList results;
    int count = 0;
    Bind(exact_, 1, sequence);
    Bind(exact_, 2, mirror);
    if (sqlite3_step(exact_) == SQLITE_ROW) {
      results[1] = Text(exact_, 0);
      outcome.found = true;
    }
    sqlite3_reset(exact_);
    if (!outcome.found) outcome.found = Prefix(sequence, mirror, results, count);
    if (outcome.found) return Choose(outcome, results, count);

    QString relaxed = sequence, relaxedMirror = mirror;
    while (relaxed.size() >= 15) {
      ++outcome.droppedStones;
      relaxed.chop(3);
      relaxedMirror.chop(3);
      if (relaxed.size() < 15) break;
      results = {};
      if (Prefix(relaxed, relaxedMirror, results, count)) {
        outcome.found = true;
        return Choose(outcome, results, count);
      }
    }
    return outcome;
  }

 private:
  bool Prefix(const QString& sequence, const QString& mirror, SearchResultList& results,
              int& count) {
    bool found = false;
    count = 0;
    Bind(prefix_, 1, sequence);
    Bind(prefix_, 2, mirror);
    while (sqlite3_step(prefix_) == SQLITE_ROW) {
      const bool entered = Text(prefix_, 1).startsWith(sequence);
      if (++count > kMaxSearchResults) break;
      results[count] = Text(prefix_, 0);
      found = true;
      if (!entered) break;
    }
    sqlite3_reset(prefix_);
    return found;
  }

  Outcome Choose(Outcome outcome, SearchResultList& results, int count) {
    if (!results[2].isEmpty()) ReorderResults(results, count);
    Bind(position_, 1, results[1]);
    if (sqlite3_step(position_) == SQLITE_ROW) {
      outcome.currentRecord = sqlite3_column_int(position_, 0) + 1;
    }
    sqlite3_reset(position_);
    return outcome;
  }

  void Check(int code) {
    if (code != SQLITE_OK) throw std::runtime_error(sqlite3_errmsg(db_));
  }
  void Execute(const char* sql) { Check(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr)); }
  sqlite3_stmt* Prepare(const char* sql) {
    sqlite3_stmt* statement = nullptr;
    Check(sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr));
    return statement;
  }
  static void Bind(sqlite3_stmt* statement, int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
  }
  static QString Text(sqlite3_stmt* statement, int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column));
  }

  sqlite3* db_ = nullptr;
  sqlite3_stmt* exact_ = nullptr;
  sqlite3_stmt* prefix_ = nullptr;
  sqlite3_stmt* position_ = nullptr;
};

// One section, its two searches, a window holding it in memory and a database holding it on disk.
struct Fixture {
  Fixture() {
    std::mt19937 random(1200);
    rows = MakeSection(random);
    worstCase = WorstCaseSequence(rows, random);
    window.recordset = rows;
    window.collectionLoaded = true;
    SetMessageSink(&sink);
    sql = std::make_unique<SqlSearch>(folder.filePath(QStringLiteral("section.db")), rows);
  }

  Outcome SearchInMemory(const QString& sequence) {
    window.SetText6(sequence);
    window.SetText7(Mirror(sequence));
    window.controls.Timer4Enabled = false;
    window.Command4_Click();
    return {window.controls.Timer4Enabled, window.DroppedStones,
            window.controls.Timer4Enabled ? window.CurrentRecord : 0};
  }

  std::vector<SearchRow> rows;
  QString worstCase;
  BoardWindow window;
  SilentSink sink;
  QTemporaryDir folder;
  std::unique_ptr<SqlSearch> sql;
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

const QString kOneStone = QStringLiteral("442");

// Both ways must give the same answer before their times mean anything.
bool Agree(benchmark::State& state, const QString& sequence, const Outcome& expected) {
  Fixture& f = Shared();
  const Outcome memory = f.SearchInMemory(sequence);
  const Outcome sql = f.sql->Run(sequence, Mirror(sequence));
  if (memory == expected && sql == expected) return true;
  state.SkipWithError("the two searches disagree, or the case is not what it should be");
  return false;
}

const Outcome kWorstCaseOutcome{false, kWorstCaseStones - 4, 0};

void BM_WorstCase_InMemory(benchmark::State& state) {
  Fixture& f = Shared();
  if (!Agree(state, f.worstCase, kWorstCaseOutcome)) return;
  for (auto _ : state) benchmark::DoNotOptimize(f.SearchInMemory(f.worstCase));
}

void BM_WorstCase_Sql(benchmark::State& state) {
  Fixture& f = Shared();
  if (!Agree(state, f.worstCase, kWorstCaseOutcome)) return;
  const QString mirror = Mirror(f.worstCase);
  for (auto _ : state) benchmark::DoNotOptimize(f.sql->Run(f.worstCase, mirror));
}

Outcome TenResultsOutcome() {
  Fixture& f = Shared();
  SearchResultList results;
  const PrefixScanResult scan = PrefixStage(f.rows, kOneStone, kOneStone, results);
  ReorderResults(results, scan.count);
  // Not the case meant unless the stage stopped at an eleventh match.
  return {scan.count == kMaxSearchResults + 1, 0, RowNumberOf(f.rows, results[1]) + 1};
}

void BM_TenResults_InMemory(benchmark::State& state) {
  Fixture& f = Shared();
  if (!Agree(state, kOneStone, TenResultsOutcome())) return;
  for (auto _ : state) benchmark::DoNotOptimize(f.SearchInMemory(kOneStone));
}

void BM_TenResults_Sql(benchmark::State& state) {
  Fixture& f = Shared();
  if (!Agree(state, kOneStone, TenResultsOutcome())) return;
  for (auto _ : state) benchmark::DoNotOptimize(f.sql->Run(kOneStone, kOneStone));
}

BENCHMARK(BM_WorstCase_InMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WorstCase_Sql)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TenResults_InMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TenResults_Sql)->Unit(benchmark::kMicrosecond);

}  // namespace
