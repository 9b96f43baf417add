#include "model/board_window_model.h"

#include "collection/collection_store.h"
#include "features/played_game_board.h"
#include "features/search_texts.h"

#include <algorithm>
#include <utility>

namespace {
constexpr double kSmallTextSize = 11;
constexpr double kLargeTextSize = 14;

std::vector<SearchRow> SearchRows(const std::vector<JosekiRecord>& records) {
  std::vector<SearchRow> rows;
  rows.reserve(records.size());
  for (const JosekiRecord& record : records) rows.push_back({record.id, record.storedMoves.text()});
  return rows;
}
}  // namespace

BoardWindowModel::BoardWindowModel(const ProgramFolder& folder, Section section,
                                   MessageSink& messages)
    : folder_(folder), section_(section), messages_(messages), canvas_(folder.ImageFolder()) {}

const JosekiRecord& BoardWindowModel::Shown() const {
  static const JosekiRecord kNone;
  return shownRecord_ ? records_[*shownRecord_] : kNone;
}

// ---- loading and selection -------------------------------------------------

void BoardWindowModel::Load() {
  SectionRecords section = ReadSection(folder_.CollectionFile(), section_);
  if (!section.error.isEmpty()) {
    messages_.ShowMessage(section.error);
    return;
  }
  records_ = std::move(section.records);
  search_ = JosekiSearch(SearchRows(records_));
  if (records_.empty()) return;
  for (const JosekiRecord& record : records_) view_.titles << record.title;
  SelectLine(0);
  session_.Close();
}

void BoardWindowModel::SelectLine(int index) {
  if (index < 0 || index >= int(records_.size())) return;
  view_.selectedLine = index;
  shownRecord_ = size_t(index);
  const JosekiRecord& joseki = Shown();
  view_.caption = joseki.caption;
  view_.commentary = joseki.commentary;
  SetSearchTexts({Sequence(joseki.referenceText), session_.texts().mirror});
  games_.Choose(joseki);
  MirrorGameList();
  if (!games_.shown()) replay_.ForgetMoves();
  view_.gameHeading = u" "_qs;
  ShowJoseki();
}

void BoardWindowModel::ShowRow(const QString& josekiId, Section own) {
  const auto lineOf = [&] {
    const auto found = std::find_if(records_.begin(), records_.end(),
                                    [&](const JosekiRecord& r) { return r.id == josekiId; });
    return found == records_.end() ? -1 : int(found - records_.begin());
  };
  if (lineOf() < 0 && own != section_) {
    section_ = own;
    records_.clear();
    shownRecord_.reset();
    view_.titles.clear();
    view_.selectedLine.reset();
    Load();
  }
  const int line = lineOf();
  if (line < 0) return messages_.ShowMessage(u"この定石は一覧にありません。"_qs);
  SelectLine(line);
}

// The joseki on the left board, then its game on the right board; a joseki
// that cannot be drawn whole leaves the right board as it was.
void BoardWindowModel::ShowJoseki() {
  if (!diagram_.Show(Shown())) return;
  leftBoardStones_ = int(Shown().givenStones.size() + Shown().numberedMoves.size());
  ReadGameReference();
  session_.AfterDrawing();
}

void BoardWindowModel::ReadGameReference() {
  const GameReference* game = games_.shown();
  if (!game) {
    NoteRightBoardReset(replay_.ClearBoard());
    view_.gameButtonsEnabled = false;
    return;
  }
  view_.gameHeading = game->heading;
  replay_.SetGame(*game);
  ShowGameRecord();
}

void BoardWindowModel::ShowGameRecord() {
  const GameReplay::Result result = replay_.ShowGameRecord();
  NoteRightBoardReset(result.boardReset);
  if (result.drawn == GameReplay::Drawn::kWhole) {
    view_.gameButtonsEnabled = true;
    session_.AfterDrawing();
  } else if (result.drawn == GameReplay::Drawn::kBrokenOff) {
    view_.gameHeading.clear();
  }
}

// ---- the game on the right board --------------------------------------------

void BoardWindowModel::AfterStep(GameReplay::Step step) {
  NoteRightBoardReset(step.boardReset);
  if (step.pastTheEnd) {
    view_.rightEndNoticeShown = true;
    view_.endNoticeTimerRunning = true;
  }
}

void BoardWindowModel::ShowJosekiInGame() {
  AfterStep(replay_.GoToJosekiEnd());
}

void BoardWindowModel::ForwardOneMove() {
  if (!Shown().referenceText.isEmpty()) AfterStep(replay_.Forward(1));
}

void BoardWindowModel::ForwardFiveMoves() {
  if (!Shown().referenceText.isEmpty()) AfterStep(replay_.Forward(5));
}

void BoardWindowModel::BackOneMove() {
  if (!Shown().referenceText.isEmpty()) AfterStep(replay_.BackOneMove());
}

void BoardWindowModel::BackFiveMoves() {
  if (!Shown().referenceText.isEmpty()) AfterStep(replay_.BackFiveMoves());
}

void BoardWindowModel::GoToFirstMove() {
  if (!Shown().referenceText.isEmpty()) AfterStep(replay_.GoToFirstMove());
}

// Another game of the joseki, drawn as its reference game is; the search
// texts keep what they hold, as when the search input ends.
void BoardWindowModel::ShowOtherGame(bool shown) {
  if (!shown) return;
  MirrorGameList();
  ReadGameReference();
}

void BoardWindowModel::MirrorGameList() {
  view_.gameCount = games_.CountText();
  view_.previousGameEnabled = games_.hasPrevious();
  view_.nextGameEnabled = games_.hasNext();
}

void BoardWindowModel::ShowPreviousGame() {
  ShowOtherGame(games_.ShowPrevious());
}

void BoardWindowModel::ShowNextGame() {
  ShowOtherGame(games_.ShowNext());
}

void BoardWindowModel::HideEndNotices() {
  view_.endNoticeTimerRunning = false;
  view_.leftEndNoticeShown = false;
  view_.rightEndNoticeShown = false;
}

// ---- the joseki on the left board --------------------------------------------

void BoardWindowModel::ShowWholeJoseki() {
  ShowJoseki();
}

void BoardWindowModel::StartWalk() {
  diagram_.StartWalk(Shown());
  leftBoardStones_ = int(Shown().givenStones.size());
  session_.AfterDrawing();
}

void BoardWindowModel::ShowNextMove() {
  const JosekiDiagram::WalkStep step = diagram_.NextWalkMove(Shown());
  if (!step.placed) return;
  session_.AfterWalkStep(step.colour);
  leftBoardStones_ = int(Shown().givenStones.size()) +
                     (step.lastMove ? int(Shown().numberedMoves.size()) : diagram_.walkedMoves());
  if (step.lastMove) {
    view_.leftEndNoticeShown = true;
    view_.endNoticeTimerRunning = true;
  }
}

void BoardWindowModel::ToggleTextSize() {
  view_.textSize = view_.textSize > 12 ? kSmallTextSize : kLargeTextSize;
}

// ---- the search -----------------------------------------------------------------

void BoardWindowModel::SetSearchTexts(const SearchTexts& texts) {
  if (session_.SetTexts(texts)) {
    view_.gameButtonsEnabled = false;
    shownGame_.reset();
  }
}

void BoardWindowModel::NoteRightBoardReset(bool completed) {
  shownGame_.reset();
  session_.AfterBoardReset(completed);
}

void BoardWindowModel::StartSearchInput() {
  NoteRightBoardReset(replay_.ClearBoard());
  view_.gameButtonsEnabled = false;
  input_.DrawInputMarks(section_);
  SetSearchTexts({});
  session_.AfterInputStarted();
}

void BoardWindowModel::ClickBoardAt(double x, double y) {
  if (const std::optional<Point> p = PointAt(Board::kRight, x, y)) PlaceSearchStone(*p);
}

void BoardWindowModel::PlaceSearchStone(Point p) {
  if (session_.closed()) return;
  SearchTexts texts = session_.texts();
  switch (session_.Place(input_, p, section_, texts)) {
    case SearchInput::Placed::kAdded:
      SetSearchTexts(texts);
      break;
    case SearchInput::Placed::kRefusedFirstStone:
      messages_.ShowMessage(FirstMoveMessage(section_));
      NoteRightBoardReset(replay_.ClearBoard());
      SetSearchTexts({});
      session_.AfterInputStarted();
      break;
  }
}

// The right board afresh with the input's marks and the stones of texts (a
// copy: starting the input clears the search texts).
void BoardWindowModel::RedrawSearchInput(SearchTexts texts) {
  StartSearchInput();
  SetSearchTexts(texts);
  session_.Redraw(input_, texts.sequence);
}

void BoardWindowModel::ShowSearchSequenceAgain() {
  if (session_.texts().sequence.empty()) {
    messages_.ShowMessage(NoSequenceToShowMessage());
  } else {
    RedrawSearchInput(session_.texts());
  }
  session_.Open();
}

void BoardWindowModel::RemoveLastSearchStone() {
  // Without a whole stone in both texts there is nothing to take back.
  const SearchTexts& texts = session_.texts();
  if (texts.sequence.stoneCount() == 0 || texts.mirror.stoneCount() == 0) return;
  RedrawSearchInput({texts.sequence.WithoutLastStone(), texts.mirror.WithoutLastStone()});
}

void BoardWindowModel::ContinueSearchInput() {
  session_.ContinueAfterSequence();
}

void BoardWindowModel::EndSearchInput() {
  session_.Open();
  ReadGameReference();
}

void BoardWindowModel::RunSearch() {
  const SearchTexts& texts = session_.texts();
  if (texts.sequence.empty()) {
    messages_.ShowMessage(NoSearchInputMessage());
    return;
  }
  view_.gameButtonsEnabled = false;
  if (texts.sequence.text().size() == 5) {  // a game reference only: "Kept on purpose"
    messages_.ShowMessage(SequenceTooShortMessage());
    return;
  }
  const SearchOutcome outcome = search_.Search(texts.sequence.text(), texts.mirror.text());
  if (outcome.found) {
    session_.AwaitReport(outcome);
    view_.searchReportPending = true;
  } else {
    messages_.ShowMessage(NotFoundMessage(outcome.droppedStones));
  }
  session_.Close();
}

void BoardWindowModel::ReportSearchResult() {
  view_.searchReportPending = false;
  const std::optional<SearchOutcome> outcome = session_.TakeReport();
  if (!outcome) return;
  if (outcome->row) SelectLine(int(*outcome->row));
  messages_.ShowMessage(FoundMessage(outcome->droppedStones));
}

// ---- a game the user opened ---------------------------------------------------

void BoardWindowModel::ShowGameCorner(const CornerChoice& choice) {
  const auto found = std::find_if(records_.begin(), records_.end(),
                                  [&](const JosekiRecord& r) { return r.id == choice.josekiId; });
  if (found == records_.end() || !choice.game) return;
  SelectLine(int(found - records_.begin()));
  const CornerReading& reading = choice.reading;
  NoteRightBoardReset(
      DrawPlayedGame(rightBoard_, *choice.game, reading.lastShownMove, reading.numbers));
  view_.gameButtonsEnabled = false;
  view_.gameHeading = choice.heading;
  session_.AfterDrawing();
  shownGame_ = ShownGame{*choice.game, reading.lastShownMove};
}
