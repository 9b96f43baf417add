// The user's own games as an index: a folder of 10,000 generated games added
// (seconds), and with 100,000 the p95 of a 次の一手 lookup (p95_ms) and the
// peak resident memory while the index is built (peak_MB, measured in a
// child process, which takes add_s). The large case runs only when named:
//   --benchmark_filter=OwnIndex/LookupAt100000Games
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <random>

#include "bench/bench_support.h"
#include "features/corner_explorer.h"
#include "features/own_games_index.h"
#include "rules/corner_position.h"
#include "rules/sgf_point.h"

namespace {

constexpr int kMovesPerGame = 150;
constexpr int kLookups = 2000;

// The opening points of a corner (4-4, 3-4, 4-3, 3-3, 5-3, 3-5, 5-4, 4-5) in the upper left.
constexpr Point kOpeningPoints[] = {{4, 4}, {3, 4}, {4, 3}, {3, 3}, {5, 3}, {3, 5}, {5, 4}, {4, 5}};

// A plausible game: the first four moves on opening points of the four
// corners, then half of the moves near the last one (local fights) and half
// anywhere, each on an empty point, captures applied as they happen.
std::vector<Point> GeneratedGame(std::mt19937& random) {
  BoardState board;
  std::vector<Point> moves;
  const auto play = [&](Point p) {
    PlayWithCaptures(board, p, ColourOfNth(int(moves.size()) + 1));
    moves.push_back(p);
  };
  for (int corner = 0; corner < kCorners; ++corner) {
    const Point p = TransformPoint(kOpeningPoints[random() % 8], int(random() % 8));
    const Point onCorner{corner & 1 ? kBoardSize + 1 - p.column : p.column,
                         corner & 2 ? kBoardSize + 1 - p.row : p.row};
    if (board.at(onCorner.column, onCorner.row) == 0) play(onCorner);
  }
  while (int(moves.size()) < kMovesPerGame) {
    Point p{int(random() % kBoardSize) + 1, int(random() % kBoardSize) + 1};
    if (random() % 2 == 0) {
      const Point last = moves.back();
      p = {last.column + int(random() % 5) - 2, last.row + int(random() % 5) - 2};
    }
    if (IsOnBoard(p) && board.at(p.column, p.row) == 0) play(p);
  }
  return moves;
}

QByteArray SgfOf(const std::vector<Point>& moves, int number) {
  QByteArray text = "(;GM[1]FF[4]SZ[19]PB[Black]PW[White]DT[" +
                    QByteArray::number(1990 + number % 30) + "-01-01]";
  for (size_t k = 0; k < moves.size(); ++k)
    text += (k % 2 == 0 ? ";B[" : ";W[") +
            QString::fromStdU16String(SgfLetters(moves[k])).toLatin1() + "]";
  return text + ")\n";
}

// A folder of count generated games (the same games for the same count).
struct GeneratedFolder {
  QTemporaryDir folder;
  std::vector<std::vector<Point>> games;  // the first ones, kept for lookups
};

std::unique_ptr<GeneratedFolder> Generate(int count) {
  auto generated = std::make_unique<GeneratedFolder>();
  std::mt19937 random{unsigned(count)};
  for (int g = 0; g < count; ++g) {
    std::vector<Point> game = GeneratedGame(random);
    QFile file(generated->folder.filePath(QStringLiteral("game%1.sgf").arg(g, 6, 10, QChar(u'0'))));
    if (!file.open(QIODevice::WriteOnly)) return nullptr;
    file.write(SgfOf(game, g));
    if (g < kLookups) generated->games.push_back(std::move(game));
  }
  return generated;
}

// Adds folder to a new index at indexPath in a child process: its peak
// resident memory in megabytes from the start of the reading (-1 when it
// could not be measured).
double PeakMegabytesOfAdding(const QString& folder, const QString& indexPath) {
  int channel[2];
  if (pipe(channel) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    // The peak the child inherits would hide the reading's own.
    QFile clear(u"/proc/self/clear_refs"_qs);
    const bool cleared = clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
    clear.close();
    FolderReadingProgress progress;
    const FolderReading reading = AddGameFolder(folder, indexPath, progress);
    QFile status(u"/proc/self/status"_qs);
    double peak = -1;
    if (cleared && reading.end == FolderReadingEnd::kAdded && status.open(QIODevice::ReadOnly))
      for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
          peak = line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    [[maybe_unused]] const ssize_t written = write(channel[1], &peak, sizeof peak);
    _exit(0);
  }
  close(channel[1]);
  double peak = -1;
  if (read(channel[0], &peak, sizeof peak) != sizeof peak) peak = -1;
  close(channel[0]);
  waitpid(child, nullptr, 0);
  return peak;
}

void BM_AddFolderOf10000Games(benchmark::State& state) {
  static const auto generated = Generate(10'000);
  if (!generated) return state.SkipWithError("the games could not be written");
  const QTemporaryDir data;
  const QString index = data.filePath(u"own_games.sqlite"_qs);
  for (auto _ : state) {
    QFile::remove(index);
    FolderReadingProgress progress;
    const FolderReading reading = AddGameFolder(generated->folder.path(), index, progress);
    state.counters["games"] = reading.gamesAdded;
  }
  state.counters["index_MB"] = double(QFileInfo(index).size()) / (1024 * 1024);
}
BENCHMARK(BM_AddFolderOf10000Games)
    ->Name("OwnIndex/AddFolderOf10000Games")
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

// A corner of each of the first games at a move between 5 and 40, explored
// with the collection's index and the own one.
void BM_LookupAt100000Games(benchmark::State& state) {
  if (benchmark::GetBenchmarkFilter().find("100000") == std::string::npos)
    return state.SkipWithError("runs only when named: --benchmark_filter=OwnIndex/LookupAt100000");
  const auto generated = Generate(100'000);
  if (!generated) return state.SkipWithError("the games could not be written");
  const QTemporaryDir data;
  const QString index = data.filePath(u"own_games.sqlite"_qs);
  const auto adding = std::chrono::steady_clock::now();
  state.counters["peak_MB"] = PeakMegabytesOfAdding(generated->folder.path(), index);
  state.counters["add_s"] =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - adding).count();
  const CornerExplorer explorer(BuiltProgramFolder().CollectionFile(), index);
  std::mt19937 random(5);
  std::vector<double> times;
  for (auto _ : state) {
    times.clear();
    for (const std::vector<Point>& game : generated->games) {
      const size_t played = 5 + random() % 36;
      BoardState board;
      for (size_t k = 0; k < played; ++k) PlayWithCaptures(board, game[k], ColourOfNth(int(k) + 1));
      const int corner = CornerOfPlay(board, game[played - 1]);
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(explorer.Explore(board, ColourOfNth(int(played) + 1), corner));
      times.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count());
    }
  }
  std::sort(times.begin(), times.end());
  state.counters["p95_ms"] = times[times.size() * 95 / 100];
  state.counters["max_ms"] = times.back();
  state.counters["index_MB"] = double(QFileInfo(index).size()) / (1024 * 1024);
}
BENCHMARK(BM_LookupAt100000Games)
    ->Name("OwnIndex/LookupAt100000Games")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
