// The joseki search over a full section of 1200 rows held in memory.
//   WorstCase: 30 stones that match nothing, so every shortening down to five
//              stones scans the section.
//   TenResults: one stone that begins every row, so the prefix stage stops at
//               its eleventh match.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <set>
#include <stdexcept>
#include <vector>

#include "features/joseki_search.h"
#include "rules/move_encoding.h"

namespace {

constexpr int kRows = 1200;
constexpr int kWorstCaseStones = 30;

QString Mirror(const QString& sequence) {
  QString mirror = sequence;
  for (qsizetype i = 0; i + 1 < mirror.size(); i += 3) std::swap(mirror[i], mirror[i + 1]);
  return mirror;
}

QString Stone(std::mt19937& random, int number) {
  if (random() % 100 < 8) return QStringLiteral("???");
  const int row = 1 + int(random() % 11);
  const int column = 1 + int(random() % 11);
  return QString(QChar(CoordChar(row))) + QChar(CoordChar(column)) +
         QChar(number % 2 ? u'2' : u'1');
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

struct Fixture {
  Fixture() {
    std::mt19937 random(1200);
    rows = MakeSection(random);
    worstCase = WorstCaseSequence(rows, random);
    search = JosekiSearch(rows);
  }
  std::vector<SearchRow> rows;
  QString worstCase;
  JosekiSearch search;
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

const QString kOneStone = QStringLiteral("442");

void BM_WorstCase(benchmark::State& state) {
  Fixture& f = Shared();
  const QString mirror = Mirror(f.worstCase);
  const SearchOutcome outcome = f.search.Search(f.worstCase, mirror);
  if (outcome.found || outcome.droppedStones != kWorstCaseStones - 4)
    state.SkipWithError("not the case meant");
  for (auto _ : state) benchmark::DoNotOptimize(f.search.Search(f.worstCase, mirror));
}
BENCHMARK(BM_WorstCase)->Unit(benchmark::kMicrosecond);

// One stone that begins every row: the prefix stage stops at its eleventh match.
void BM_TenResults(benchmark::State& state) {
  Fixture& f = Shared();
  if (!f.search.Search(kOneStone, kOneStone).found) state.SkipWithError("not the case meant");
  for (auto _ : state) benchmark::DoNotOptimize(f.search.Search(kOneStone, kOneStone));
}
BENCHMARK(BM_TenResults)->Unit(benchmark::kMicrosecond);

}  // namespace
