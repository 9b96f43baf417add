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
std::optional<size_t> JosekiSearch::ChosenRow(SearchResultList& results, int count) const {
  if (!results[1].isEmpty()) ReorderResults(results, count);
  return RowIndexOf(rows_, results[0]);
}

bool JosekiSearch::RunStages(const QString& sequence, const QString& mirror,
                             SearchOutcome& outcome) const {
  SearchResultList results;
  if (const std::optional<size_t> row = ExactStage(rows_, sequence, mirror)) {
    outcome.row = row;
    return true;
  }
  const PrefixScanResult scan = PrefixStage(rows_, sequence, mirror, results);
  if (scan.found) outcome.row = ChosenRow(results, scan.count);
  return scan.found;
}

bool JosekiSearch::Relax(const QString& sequence, const QString& mirror,
                         SearchOutcome& outcome) const {
  // Every shortening is a prefix of the entered texts: the rows are measured
  // against those once, at the first shortening searched.
  std::optional<SequenceMatcher> matcher;
  QString shortened = sequence, shortenedMirror = mirror;
  while (shortened.size() >= kShortestRelaxedLength) {
    ++outcome.droppedStones;
    shortened.chop(3);
    shortenedMirror.chop(3);
    if (shortened.size() < kShortestRelaxedLength) return false;
    if (!matcher) matcher.emplace(rows_, sequence, mirror);
    SearchResultList results;
    const PrefixScanResult scan = RelaxedScan(*matcher, shortened, shortenedMirror, results);
    if (scan.found) {
      outcome.row = ChosenRow(results, scan.count);
      return true;
    }
  }
  return false;
}

PrefixScanResult JosekiSearch::RelaxedScan(const SequenceMatcher& matcher, const QString& sequence,
                                           const QString& mirror, SearchResultList& results) const {
  return matcher.CollectPrefixMatches(int(sequence.size()), int(mirror.size()), results);
}
