#include "features/joseki_search.h"

#include <optional>

namespace {
// A shortened sequence is searched only while it keeps five stones (15 characters).
constexpr int kShortestRelaxedLength = 15;
}  // namespace

SearchOutcome JosekiSearch::Search(const QString& sequence, const QString& mirror) const {
  SearchOutcome outcome;
  if (rows_.empty()) return outcome;  // without a collection nothing can match
  outcome.found = RunStages(sequence, mirror, outcome) || Relax(sequence, mirror, outcome);
  return outcome;
}

// Among the collected rows, the one shown: reordered when there are several.
int JosekiSearch::ChosenRow(SearchResultList& results, int count) const {
  if (!results[2].isEmpty()) ReorderResults(results, count);
  return RowNumberOf(rows_, results[1]);
}

bool JosekiSearch::RunStages(const QString& sequence, const QString& mirror,
                             SearchOutcome& outcome) const {
  SearchResultList results;
  if (const int row = ExactStage(rows_, sequence, mirror); row >= 0) {
    outcome.rowNumber = row + 1;
    return true;
  }
  const PrefixScanResult scan = PrefixStage(rows_, sequence, mirror, results);
  if (scan.found) outcome.rowNumber = ChosenRow(results, scan.count);
  return scan.found;
}

bool JosekiSearch::Relax(const QString& sequence, const QString& mirror,
                         SearchOutcome& outcome) const {
  // Measured once for all the shortenings that will be scanned, if any.
  std::optional<SequenceMatcher> matcher;
  if (sequence.size() - 3 >= kShortestRelaxedLength) matcher.emplace(rows_, sequence, mirror);
  QString shortened = sequence, shortenedMirror = mirror;
  while (shortened.size() >= kShortestRelaxedLength) {
    ++outcome.droppedStones;
    shortened.chop(3);
    shortenedMirror.chop(3);
    if (shortened.size() < kShortestRelaxedLength) return false;
    SearchResultList results;
    const PrefixScanResult scan =
        RelaxedScan(shortened, shortenedMirror, matcher ? &*matcher : nullptr, results);
    if (scan.found) {
      outcome.rowNumber = ChosenRow(results, scan.count);
      return true;
    }
  }
  return false;
}

PrefixScanResult JosekiSearch::RelaxedScan(const QString& sequence, const QString& mirror,
                                           const SequenceMatcher* matcher,
                                           SearchResultList& results) const {
  std::optional<SequenceMatcher> own;
  if (!matcher || !matcher->Covers(rows_, sequence, mirror))
    matcher = &own.emplace(rows_, sequence, mirror);
  return matcher->CollectPrefixMatches(int(sequence.size()), int(mirror.size()), results);
}
