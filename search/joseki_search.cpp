// The search of the section's rows for the entered sequence: exact, then by
// prefix, then with stones dropped from the end; a find is shown one tick of
// Timer4 later, a failure is reported at once.
#include <optional>

#include "search/search_stages.h"
#include "search/search_texts.h"
#include "shell/board_window.h"
#include "shell/messages.h"

namespace {

// A shortened sequence is searched only while it keeps five stones (15 characters).
constexpr int kShortestRelaxedLength = 15;
constexpr int kRefusedLength = 5;

void ClearResults(SearchResultList& results) {
  for (int i = 1; i <= kMaxSearchResults; ++i) results[i].clear();
}

// Picks the shown row among the collected ones and stores its number plus 1,
// the form ShowRecordBefore takes.
void ChooseResult(BoardWindow& window, int count) {
  if (!window.SearchResults[2].isEmpty()) ReorderResults(window.SearchResults, count);
  const int number = RowNumberOf(window.recordset, window.SearchResults[1]);
  if (number > 0) window.CurrentRecord = number + 1;
}

// Runs the relaxation on Text6 and Text7; true when a shortened sequence found a row.
bool Relax(BoardWindow& window) {
  window.RelaxedSequence = window.controls.Text6;
  window.RelaxedMirror = window.controls.Text7;
  while (window.RelaxedSequence.size() >= kShortestRelaxedLength) {
    ++window.DroppedStones;
    window.RelaxedSequence.chop(3);
    window.RelaxedMirror.chop(3);
    if (window.RelaxedSequence.size() < kShortestRelaxedLength) return false;
    window.RelaxedScan();
    if (window.RelaxedFound) return true;
  }
  return false;
}

// The exact stage, else the prefix stage, then the choice of the row; true
// when either stage found a row.
bool RunStages(BoardWindow& window, const QString& sequence, const QString& mirror) {
  int count = 0;
  bool found = false;
  if (const int row = ExactStage(window.recordset, sequence, mirror); row >= 0) {
    window.SearchResults[1] = window.recordset[row].id;
    found = true;
  } else {
    const PrefixScanResult scan =
        PrefixStage(window.recordset, sequence, mirror, window.SearchResults);
    count = scan.count;
    found = scan.found;
  }
  if (found && !window.SearchResults[1].isEmpty()) ChooseResult(window, count);
  return found;
}

}  // namespace

void BoardWindow::Command4_Click() {
  DroppedStones = 0;
  if (controls.Text6.isEmpty()) {
    ShowMessage(NoSearchInputMessage());
    return;
  }
  ClearResults(SearchResults);
  SetGameButtonsEnabled(false);
  const QString sequence = controls.Text6;
  const QString mirror = controls.Text7;
  RelaxedSequence.clear();
  if (sequence.size() == kRefusedLength) {
    ShowMessage(SequenceTooShortMessage());
    return;
  }
  RelaxedFound = false;

  bool found = false;
  if (collectionLoaded && !recordset.empty()) {
    found = RunStages(*this, sequence, mirror);
    if (!found) {
      // Measured once for all the shortenings that will be scanned, if any.
      std::optional<SequenceMatcher> matcher;
      if (sequence.size() - 3 >= kShortestRelaxedLength) {
        runningSearch_ = &matcher.emplace(recordset, sequence, mirror);
      }
      found = Relax(*this);
      runningSearch_ = nullptr;
    }
  }

  // Without a collection nothing can match; the plain message says so.
  if (found) {
    controls.Timer4Enabled = true;
  } else {
    ShowMessage(NotFoundMessage(DroppedStones));
  }
  InputClosed = true;
}

void BoardWindow::RelaxedScan() {
  ClearResults(SearchResults);
  RelaxedFound = false;
  const SequenceMatcher* matcher = runningSearch_;
  std::optional<SequenceMatcher> own;
  if (!matcher || !matcher->Covers(recordset, RelaxedSequence, RelaxedMirror)) {
    matcher = &own.emplace(recordset, RelaxedSequence, RelaxedMirror);
  }
  const PrefixScanResult scan = matcher->CollectPrefixMatches(
      int(RelaxedSequence.size()), int(RelaxedMirror.size()), SearchResults);
  RelaxedFound = scan.found;
  if (SearchResults[1].isEmpty()) return;
  ChooseResult(*this, scan.count);
}

void BoardWindow::Timer4_Timer() {
  controls.Timer4Enabled = false;
  ShowRecordBefore();
  ShowMessage(FoundMessage(DroppedStones));
}
