#pragma once
// The search of a section's rows for the entered sequence: rows that are the
// sequence (exact stage), else rows that begin with it (prefix stage), in
// either orientation of the corner; when nothing matches, stones are dropped
// from the end of the sequence one by one while five or more remain.

#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "features/search_stages.h"

struct SearchOutcome {
  bool found = false;
  int droppedStones = 0;      // counted also for a shortening too short to be searched
  std::optional<size_t> row;  // index of the row to show
};

class JosekiSearch {
 public:
  explicit JosekiSearch(std::vector<SearchRow> rows = {}) : rows_(std::move(rows)) {}

  // Searches for sequence and its mirror (the search texts).
  SearchOutcome Search(const QString& sequence, const QString& mirror) const;

  // The prefix scan of one shortening, answered from matcher, which measured
  // the rows against the entered texts; stores what it finds in results.
  PrefixScanResult RelaxedScan(const SequenceMatcher& matcher, const QString& sequence,
                               const QString& mirror, SearchResultList& results) const;

  const std::vector<SearchRow>& rows() const { return rows_; }

 private:
  bool RunStages(const QString& sequence, const QString& mirror, SearchOutcome& outcome) const;
  bool Relax(const QString& sequence, const QString& mirror, SearchOutcome& outcome) const;
  std::optional<size_t> ChosenRow(SearchResultList& results, int count) const;

  std::vector<SearchRow> rows_;
};
