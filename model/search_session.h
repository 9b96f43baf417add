#pragma once
// The right board's search state that the features share: the search texts,
// the count of stones from which the input's next stone takes its number,
// whether clicks are taken, and the find that waits for the report timer. It
// changes only through the operations below, each named for the event of
// the board window that causes it.

#include <optional>

#include "features/joseki_search.h"
#include "features/search_input.h"

class SearchSession {
 public:
  // The selection writes the joseki's game reference into the sequence (so
  // the search and the redisplay read it until stones are entered); the
  // input appends to both texts, its editing shortens them, the search reads them.
  const SearchTexts& texts() const { return texts_; }
  // Clicks on the board are ignored while closed.
  bool closed() const { return closed_; }
  int stoneCount() const { return stoneCount_; }

  // The texts become texts; true when the sequence changed.
  bool SetTexts(const SearchTexts& texts);
  // A reset of the right board, whichever feature made it: a completed one opens the input.
  void AfterBoardReset(bool completed);
  // The joseki or its game drawn whole, the walk started, a read game's
  // corner shown: the input's numbering starts again.
  void AfterDrawing() { stoneCount_ = 0; }
  // A step of the walk: the count becomes the colour code of its move (1 black, 2 white).
  void AfterWalkStep(Colour colour) { stoneCount_ = int(colour); }
  // 検索手順の入力開始, and a refused first stone: numbering from 1, clicks taken.
  void AfterInputStarted();
  // 検索手順の再表示 and 検索中止・終了: clicks taken, the numbering as it stands.
  void Open() { closed_ = false; }
  // 手順を追加する: clicks taken, numbered on after the sequence's stones.
  void ContinueAfterSequence();
  // Loading, and every search: clicks ignored.
  void Close() { closed_ = true; }

  // A stone of the input at p: placed by input on the texts (a copy, returned
  // through texts) and counted.
  SearchInput::Placed Place(SearchInput& input, Point p, Section section, SearchTexts& texts);
  // The sequence drawn again by input, numbered on from the count.
  void Redraw(SearchInput& input, const Sequence& sequence);

  // The search's find, shown at the report timer's tick; taking it leaves none.
  void AwaitReport(const SearchOutcome& outcome) { pendingReport_ = outcome; }
  std::optional<SearchOutcome> TakeReport();

 private:
  SearchTexts texts_;
  int stoneCount_ = 0;
  bool closed_ = false;
  std::optional<SearchOutcome> pendingReport_;
};
