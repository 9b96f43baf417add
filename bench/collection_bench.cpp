// Opening a section and selecting a joseki, on a collection of 1200 rows in a
// temporary program folder whose fld2/ is the built program's; the shipped
// collection with and without its tables of games, and its games one after another.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

#include "bench/bench_support.h"
#include "model/board_window_model.h"

namespace {

constexpr int kRows = 1200;
constexpr int kLongGame = 1;  // the record whose game has 300 moves, all of them drawn

// A joseki of 14 moves in the upper left corner, varied by record.
QString JosekiMoves(int record) {
  static const char* const kShapes[] = {"4D13C24C13D25C16C2", "3D14C23C14D25D16D2",
                                        "4C13D24D13C25C16D2"};
  return QString::fromLatin1(kShapes[record % 3]) + "6C27D18C29D1AD2";
}

class SectionFolder {
 public:
  SectionFolder() {
    QDir(dir_.path()).mkdir("fld1");
    QFile::link(QStringLiteral(PROGRAM_DIR "/fld2"), dir_.filePath("fld2"));
    WriteCollection();
  }
  ProgramFolder folder() const { return ProgramFolder(QDir(dir_.path())); }

 private:
  void WriteCollection() {
    sqlite3* db = nullptr;
    sqlite3_open(dir_.filePath("fld1/goc.db").toUtf8().constData(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE gocs (ID INTEGER PRIMARY KEY, one TEXT, markers TEXT, "
                 "setup_count TEXT, title TEXT, five TEXT, commentary TEXT, moves TEXT, "
                 "game_reference TEXT); BEGIN;",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO gocs VALUES (NULL, '0', ?, '1', ?, ?, ?, ?, ?)", -1,
                       &insert, nullptr);
    const QString game = RandomGameMoves(300);
    for (int r = 1; r <= kRows; ++r) {
      const QString range =
          r == kLongGame + 1 ? QStringLiteral("240/300") : QStringLiteral("21/34");
      const QString fields[] = {QStringLiteral("2Da3Cb"),
                                QStringLiteral("小目・定石 %1").arg(r, 4, 10, QChar(u'0')),
                                QStringLiteral("2%1").arg(r, 4, 10, QChar(u'0')),
                                QStringLiteral("定石の解説 %1。白の手順が一般的。").arg(r),
                                QStringLiteral("4G1") + JosekiMoves(r),
                                QStringLiteral("第%1局 黒 先番|%2|%3").arg(r).arg(range, game)};
      for (int i = 0; i < 6; ++i) {
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

  QTemporaryDir dir_;
};

SectionFolder& Folder() {
  static SectionFolder folder;
  return folder;
}

struct SilentMessages : MessageSink {
  void ShowMessage(const QString&) override {}
};

// The board window's load: the query, the records, the list, and the first
// joseki drawn with its game.
void BM_OpenSectionOf1200Rows(benchmark::State& state) {
  SilentMessages messages;
  for (auto _ : state) {
    BoardWindowModel model(Folder().folder(), Section::kThreeFour, messages);
    model.Load();
    if (model.view().titles.size() != kRows) state.SkipWithError("section not loaded");
  }
}
BENCHMARK(BM_OpenSectionOf1200Rows)->Unit(benchmark::kMillisecond);

// A click on the joseki whose game is drawn to its 300th move.
void BM_SelectJosekiWith300MoveGame(benchmark::State& state) {
  SilentMessages messages;
  BoardWindowModel model(Folder().folder(), Section::kThreeFour, messages);
  model.Load();
  for (auto _ : state) model.SelectLine(kLongGame);
}
BENCHMARK(BM_SelectJosekiWith300MoveGame)->Unit(benchmark::kMillisecond);

// ---- the shipped collection with its tables of games --------------------------

// A copy of the shipped program folder's collection, with or without the
// tables of games (as a collection was before they were stored).
class ShippedFolder {
 public:
  explicit ShippedFolder(bool withGames) {
    QDir(dir_.path()).mkdir("fld1");
    QFile::link(QStringLiteral(PROGRAM_DIR "/fld2"), dir_.filePath("fld2"));
    const QString db = dir_.filePath("fld1/goc.db");
    QFile::copy(QStringLiteral(PROGRAM_DIR "/fld1/goc.db"), db);
    if (withGames) return;
    sqlite3* raw = nullptr;
    sqlite3_open(db.toUtf8().constData(), &raw);
    sqlite3_exec(raw, "DROP TABLE occurrences; DROP TABLE games; VACUUM;", nullptr, nullptr,
                 nullptr);
    sqlite3_close(raw);
  }
  ProgramFolder folder() const { return ProgramFolder(QDir(dir_.path())); }

 private:
  QTemporaryDir dir_;
};

// Opening 小目の部: its first joseki is read with its games (254 of them) or,
// without the tables, with its reference game only.
void BM_OpenShippedKomokuSection(benchmark::State& state) {
  static const ShippedFolder withGames(true), withoutGames(false);
  const ShippedFolder& shipped = state.range(0) ? withGames : withoutGames;
  SilentMessages messages;
  for (auto _ : state) {
    BoardWindowModel model(shipped.folder(), Section::kThreeFour, messages);
    model.Load();
  }
  state.SetLabel(state.range(0) ? "with games" : "without games");
}
BENCHMARK(BM_OpenShippedKomokuSection)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// 次の実戦 on the joseki played most often (22820, 694 games): the right board
// drawn anew with the next game up to the joseki's end.
void BM_NextGameOfMostPlayedJoseki(benchmark::State& state) {
  SilentMessages messages;
  BoardWindowModel model(BuiltProgramFolder(), Section::kThreeFour, messages);
  model.Load();
  const auto& records = model.records();
  const auto found = std::find_if(records.begin(), records.end(), [](const JosekiRecord& r) {
    return r.caption.startsWith(u"22820"_qs);
  });
  if (found == records.end()) return state.SkipWithError("22820 not in the section");
  const int line = int(found - records.begin());
  model.SelectLine(line);
  for (auto _ : state) {
    if (!model.view().nextGameEnabled) {
      state.PauseTiming();
      model.SelectLine(line);
      state.ResumeTiming();
    }
    model.ShowNextGame();
  }
  state.SetLabel(model.view().gameCount.toStdString());
}
BENCHMARK(BM_NextGameOfMostPlayedJoseki)->Unit(benchmark::kMillisecond);

}  // namespace
