// Reading a game for joseki against the shipped collection (its 722 rows):
//   ReadGame: a professional game of 301 moves read from its SGF file and its
//             four corners matched, the collection already read (the menu reads
//             it at the first game and keeps it).
//   FirstGame: the same with the collection's seven sections read first.
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"
#include "model/game_reading_model.h"

namespace {

const QString kGame = QStringLiteral(SOURCE_DIR "/data/games/Shusaku/284.sgf");

struct Silent : MessageSink {
  void ShowMessage(const QString& text) override { throw std::runtime_error(text.toStdString()); }
};

void ReadGame(benchmark::State& state) {
  Silent messages;
  GameReadingModel reading(BuiltProgramFolder(), messages);
  reading.OpenGame(kGame);
  for (auto _ : state) {
    reading.OpenGame(kGame);
    benchmark::DoNotOptimize(reading.lines());
  }
}
BENCHMARK(ReadGame)->Unit(benchmark::kMillisecond);

void FirstGame(benchmark::State& state) {
  Silent messages;
  for (auto _ : state) {
    GameReadingModel reading(BuiltProgramFolder(), messages);
    reading.OpenGame(kGame);
    benchmark::DoNotOptimize(reading.lines());
  }
}
BENCHMARK(FirstGame)->Unit(benchmark::kMillisecond);

}  // namespace
