#pragma once
// The scans of the joseki search over the rows of a section, without a window.
// A row matches when its moves are, or begin with, the search sequence or its
// mirror. The two stages compare texts directly; every shortened sequence of a
// relaxation is a prefix of the entered one, so a SequenceMatcher measures once
// how far each row agrees with the two entered texts and answers every
// shortening from that.

#include <QString>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

// The fields of one row of the section that the search reads.
struct SearchRow {
  QString id;
  QString moves;  // given stones, then numbered moves, as stored
};

// Identifiers of matching rows in the order collected.
constexpr int kMaxSearchResults = 10;
using SearchResultList = std::array<QString, kMaxSearchResults>;

struct PrefixScanResult {
  int count = 0;       // matches met; 11 when the scan stopped at an eleventh
  bool found = false;  // at least one identifier was stored
};

class SequenceMatcher {
 public:
  // Measures every row against sequence and mirror; rows must outlive the matcher.
  SequenceMatcher(const std::vector<SearchRow>& rows, const QString& sequence,
                  const QString& mirror);

  // The prefix scan with the sequence cut to length characters and the mirror
  // cut to mirrorLength: stores, in row order, the identifiers of rows whose
  // first length characters are either text into results[0..9]; an eleventh
  // match ends the scan unstored, a match through the mirror only ends it
  // stored. Entries not written are left as they are.
  PrefixScanResult CollectPrefixMatches(int length, int mirrorLength,
                                        SearchResultList& results) const;

 private:
  struct Agreement {
    int length;        // of the row's moves
    int withSequence;  // leading characters shared with the sequence
    int withMirror;    // leading characters shared with the mirror
  };
  const std::vector<SearchRow>* rows_;
  std::vector<Agreement> agreements_;
  // The larger of each row's two agreements, kept apart so that the rows that
  // cannot match are passed over in a tight loop.
  std::vector<int> reach_;
};

// Exact stage: index of the first row whose moves are sequence, or else
// mirror, character for character.
std::optional<size_t> ExactStage(const std::vector<SearchRow>& rows, const QString& sequence,
                                 const QString& mirror);
// Prefix stage with the whole texts: the same scan as CollectPrefixMatches,
// comparing the texts of the rows until it ends.
PrefixScanResult PrefixStage(const std::vector<SearchRow>& rows, const QString& sequence,
                             const QString& mirror, SearchResultList& results);
// Reorders the collected identifiers: for i in 0..count-2 and j from i-1 (0
// for the first) to the last entry, entries i and j are exchanged when entry
// i's text is shorter than entry j's. No sort: ARCHITECTURE.md, "Kept on purpose".
void ReorderResults(SearchResultList& results, int count);
// Index of the first row whose identifier is id.
std::optional<size_t> RowIndexOf(const std::vector<SearchRow>& rows, const QString& id);
