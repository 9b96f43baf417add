// Reading game files of 16 MB built to cost the reader time or memory (the
// largest a game file may be). Each shape is timed, and its peak memory is
// measured once in a child process as peak_MB: what reading it added to the
// resident memory the child started with.
//   BadFile/<shape>: ReadGameFile on the file, refused or read.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "collection/played_game.h"

namespace {

constexpr qsizetype kFileBytes = (16 << 20) - 64;

// unit repeated between head and tail to the size of the file.
QByteArray Filled(const QByteArray& head, const QByteArray& unit, const QByteArray& tail = {}) {
  return head + unit.repeated((kFileBytes - head.size() - tail.size()) / unit.size()) + tail;
}

QByteArray DistinctNames() {
  QByteArray text = "(;";
  for (int n = 0; text.size() < kFileBytes - 16; ++n) {
    for (int k = n; k > 0 || text.endsWith(';'); k /= 26) text += char('A' + k % 26);
    text += "[]";
  }
  return text + ";B[dd])";
}

QByteArray RandomBytes() {
  std::mt19937 random(7);
  QByteArray bytes(kFileBytes, '\0');
  for (char& byte : bytes) byte = char(random());
  return bytes;
}

// A line of /proc/self/status ("VmRSS", "VmHWM") in kilobytes.
long StatusKilobytes(const char* field) {
  QFile status(u"/proc/self/status"_qs);
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(QByteArray(field) + ':'))
      return line.mid(qstrlen(field) + 1).trimmed().split(' ').front().toLong();
  return -1;
}

// Reads the file once in a child process: how far its resident memory rose
// above what it started with, in megabytes (-1 when it could not be measured).
double PeakMegabytesOfReading(const QString& path) {
  int channel[2];
  if (pipe(channel) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    // Free memory the parent kept for reuse would hide the growth, and the
    // peak the child inherits would hide the reading's own.
    malloc_trim(0);
    QFile clear(u"/proc/self/clear_refs"_qs);
    const bool cleared = clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
    clear.close();
    const long before = StatusKilobytes("VmRSS");
    benchmark::DoNotOptimize(ReadGameFile(path));
    const double grown = cleared ? double(StatusKilobytes("VmHWM") - before) / 1024 : -1;
    [[maybe_unused]] const ssize_t written = write(channel[1], &grown, sizeof grown);
    _exit(0);
  }
  close(channel[1]);
  double grown = -1;
  if (read(channel[0], &grown, sizeof grown) != sizeof grown) grown = -1;
  close(channel[0]);
  waitpid(child, nullptr, 0);
  return grown;
}

void ReadBadFile(benchmark::State& state, const QString& path) {
  for (auto _ : state) benchmark::DoNotOptimize(ReadGameFile(path));
  state.counters["peak_MB"] = PeakMegabytesOfReading(path);
}

// The files live as long as the benchmarks run.
const QTemporaryDir& Folder() {
  static const QTemporaryDir folder;
  return folder;
}

const bool kRegistered = [] {
  const std::pair<const char*, QByteArray> shapes[] = {
      {"zeros", QByteArray(kFileBytes, '\0')},
      {"random_bytes", RandomBytes()},
      {"distinct_properties", DistinctNames()},
      {"setup_rectangles", Filled("(;", "AB[aa:ss]", ";B[dd])")},
      {"setup_values", Filled("(;AB", "[aa]", ";B[dd])")},
      {"moves", Filled("(;", ";B[dd];W[pp]", ")")},
      {"empty_nodes", Filled("(", ";", ")")},
      {"nested_trees", Filled("", "(;")},
      {"one_comment", Filled("(;B[dd]C[", "碁", "])")},
      {"escapes", Filled("(;B[dd]C[", "\\]", "])")},
  };
  for (const auto& [name, bytes] : shapes) {
    const QString path = Folder().filePath(QString::fromLatin1(name) + u".sgf"_qs);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return false;
    benchmark::RegisterBenchmark((std::string("BadFile/") + name).c_str(), ReadBadFile, path)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
