#include "model/search_session.h"

#include <utility>

bool SearchSession::SetTexts(const SearchTexts& texts) {
  const bool changed = texts.sequence != texts_.sequence;
  texts_ = texts;
  return changed;
}

void SearchSession::AfterBoardReset(bool completed) {
  if (completed) closed_ = false;
}

void SearchSession::AfterInputStarted() {
  stoneCount_ = 0;
  closed_ = false;
}

void SearchSession::ContinueAfterSequence() {
  stoneCount_ = texts_.sequence.stoneCount();
  closed_ = false;
}

SearchInput::Placed SearchSession::Place(SearchInput& input, Point p, Section section,
                                         SearchTexts& texts) {
  return input.Place(p, section, texts, stoneCount_);
}

void SearchSession::Redraw(SearchInput& input, const Sequence& sequence) {
  input.DrawSequence(sequence, stoneCount_);
}

std::optional<SearchOutcome> SearchSession::TakeReport() {
  return std::exchange(pendingReport_, std::nullopt);
}
