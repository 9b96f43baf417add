#include "features/search_stages.h"

#include <algorithm>
#include <utility>

namespace {

int CommonPrefixLength(const QString& a, const QString& b) {
  const qsizetype limit = std::min(a.size(), b.size());
  const QChar* p = a.constData();
  const QChar* q = b.constData();
  qsizetype i = 0;
  while (i < limit && p[i] == q[i]) ++i;
  return int(i);
}

}  // namespace

SequenceMatcher::SequenceMatcher(const std::vector<SearchRow>& rows, const QString& sequence,
                                 const QString& mirror)
    : rows_(&rows) {
  agreements_.reserve(rows.size());
  reach_.reserve(rows.size());
  for (const SearchRow& row : rows) {
    const Agreement a{int(row.moves.size()), CommonPrefixLength(row.moves, sequence),
                      CommonPrefixLength(row.moves, mirror)};
    agreements_.push_back(a);
    reach_.push_back(std::max(a.withSequence, a.withMirror));
  }
}

PrefixScanResult SequenceMatcher::CollectPrefixMatches(int length, int mirrorLength,
                                                       SearchResultList& results) const {
  PrefixScanResult scan;
  // A row matching either way agrees with one of the texts for at least this long.
  const int needed = std::min(length, mirrorLength);
  const size_t rows = reach_.size();
  for (size_t i = 0;; ++i) {
    while (i < rows && reach_[i] < needed) ++i;
    if (i == rows) break;
    const Agreement& a = agreements_[i];
    // The compared part of a row is its first `length` characters, or all of a shorter row.
    const int compared = std::min(a.length, length);
    const bool asEntered = a.withSequence >= length;
    const bool asMirror = !asEntered && compared == mirrorLength && a.withMirror >= mirrorLength;
    if (!asEntered && !asMirror) continue;
    if (++scan.count > kMaxSearchResults) break;
    results[size_t(scan.count - 1)] = (*rows_)[i].id;
    scan.found = true;
    if (asMirror) break;
  }
  return scan;
}

std::optional<size_t> ExactStage(const std::vector<SearchRow>& rows, const QString& sequence,
                                 const QString& mirror) {
  for (size_t i = 0; i < rows.size(); ++i) {
    const QString& moves = rows[i].moves;
    // Lengths first: most rows differ there, without reading their text.
    if ((moves.size() == sequence.size() && moves == sequence) ||
        (moves.size() == mirror.size() && moves == mirror)) {
      return i;
    }
  }
  return std::nullopt;
}

PrefixScanResult PrefixStage(const std::vector<SearchRow>& rows, const QString& sequence,
                             const QString& mirror, SearchResultList& results) {
  PrefixScanResult scan;
  for (const SearchRow& row : rows) {
    const QStringView compared(row.moves.constData(), std::min(row.moves.size(), sequence.size()));
    const bool asEntered = compared.size() == sequence.size() && compared == sequence;
    const bool asMirror = !asEntered && compared.size() == mirror.size() && compared == mirror;
    if (!asEntered && !asMirror) continue;
    if (++scan.count > kMaxSearchResults) break;
    results[size_t(scan.count - 1)] = row.id;
    scan.found = true;
    if (asMirror) break;
  }
  return scan;
}

void ReorderResults(SearchResultList& results, int count) {
  const int last = int(results.size()) - 1;
  for (int i = 0; i <= count - 2 && i <= last; ++i) {
    for (int j = std::max(i - 1, 0); j <= last; ++j) {
      if (results[size_t(i)].size() < results[size_t(j)].size())
        std::swap(results[size_t(i)], results[size_t(j)]);
    }
  }
}

std::optional<size_t> RowIndexOf(const std::vector<SearchRow>& rows, const QString& id) {
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].id == id) return i;
  }
  return std::nullopt;
}
