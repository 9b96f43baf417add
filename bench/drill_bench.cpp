// The drill (定石練習) against the shipped collection (every row of the seven sections):
//   DrillAnswer: a right move judged and the program's reply played (features only).
//   DrillClick: a click on the board to the answer drawn and the texts shown (the model;
//               the progress file in a temporary folder).
//   NextDueLine: the next line chosen among all rows, half of them scheduled.
//   BookIndex: every position of every row indexed (once per drill window).
//   ReadGameFolder: 自分の対局から from the 3,340 games of data/games/ (a folder
//                   read, each game's corners matched, the lines written).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <numeric>

#include "bench/bench_support.h"
#include "model/drill_model.h"

namespace {

struct Silent : MessageSink {
  void ShowMessage(const QString& text) override { throw std::runtime_error(text.toStdString()); }
};

DrillBook ShippedBook() {
  Silent messages;
  QTemporaryDir data;
  ProgressStore store(data.filePath("progress.sqlite"));
  DrillModel model(BuiltProgramFolder(), store, messages, 1, [] { return QDate(2026, 12, 7); });
  model.Load();
  return model.book();
}

void BookIndex(benchmark::State& state) {
  const DrillBook book = ShippedBook();
  for (auto _ : state) {
    BookPositions positions(book.rows);
    benchmark::DoNotOptimize(positions.rowCount());
  }
  state.counters["rows"] = double(book.rows.size());
}
BENCHMARK(BookIndex)->Unit(benchmark::kMillisecond);

void DrillAnswer(benchmark::State& state) {
  const DrillBook book = ShippedBook();
  const BookPositions positions(book.rows);
  std::mt19937 random(5);
  int row = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::optional<LineDrill> drill;
    do {
      row = (row + 1) % positions.rowCount();
      drill.emplace(positions, row, RandomSetup(random));
    } while (drill->state() != DrillState::kYourMove || !IsOnBoard(drill->ExpectedMove()));
    const Point answer = drill->ExpectedMove();
    state.ResumeTiming();
    benchmark::DoNotOptimize(drill->Play(answer));
  }
}
BENCHMARK(DrillAnswer)->Unit(benchmark::kMicrosecond);

void DrillClick(benchmark::State& state) {
  Silent messages;
  QTemporaryDir data;
  ProgressStore store(data.filePath("progress.sqlite"));
  store.SetDailyNewLimit(100000);
  DrillModel model(BuiltProgramFolder(), store, messages, 3, [] { return QDate(2026, 12, 7); });
  model.Load();
  model.ChooseDeck(2);  // 小目の部, the largest
  for (auto _ : state) {
    state.PauseTiming();
    while (!model.drill() || model.drill()->state() != DrillState::kYourMove ||
           !IsOnBoard(model.drill()->ExpectedMove())) {
      // A move elsewhere is answered with T; lettered marks are not drawn (no
      // application here to letter them with).
      if (model.drill() && model.drill()->state() == DrillState::kYourMove) model.PlayElsewhere();
      if (model.drill() && model.drill()->state() == DrillState::kBookShown) model.Continue();
      if (!model.drill() || model.drill()->state() == DrillState::kLineDone) model.NextLine();
    }
    const Point answer = model.drill()->ExpectedMove();
    state.ResumeTiming();
    const QPoint at = CellRect(Board::kLeft, answer).center();
    model.Click(at.x(), at.y());
    benchmark::DoNotOptimize(model.view().prompt);
  }
}
BENCHMARK(DrillClick)->Unit(benchmark::kMillisecond)->Iterations(300);

void NextDueLine(benchmark::State& state) {
  const DrillBook book = ShippedBook();
  std::vector<int> deck(book.rows.size());
  std::iota(deck.begin(), deck.end(), 0);
  std::map<QString, LineSchedule> schedules;
  std::mt19937 random(9);
  const long long today = QDate(2026, 12, 7).toJulianDay();
  for (size_t r = 0; r < book.rows.size(); r += 2) {
    LineSchedule line;
    line.schedule.due = today - 30 + static_cast<long long>(random() % 60);
    schedules[book.rows[r].id] = line;
  }
  const NextLineRules rules{today, 10, false, {}};
  for (auto _ : state) benchmark::DoNotOptimize(NextLine(book, deck, schedules, rules));
  state.counters["rows"] = double(book.rows.size());
}
BENCHMARK(NextDueLine)->Unit(benchmark::kMicrosecond);

void ReadGameFolder(benchmark::State& state) {
  struct Kept : MessageSink {
    void ShowMessage(const QString& text) override { last = text; }
    QString last;
  } messages;
  QTemporaryDir data;
  ProgressStore store(data.filePath("progress.sqlite"));
  DrillModel model(BuiltProgramFolder(), store, messages, 1, [] { return QDate(2026, 12, 7); });
  model.Load();
  for (auto _ : state) model.ReadGameFolder(QStringLiteral(SOURCE_DIR "/data/games"));
  state.SetLabel(messages.last.toStdString());
}
BENCHMARK(ReadGameFolder)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
