#include "features/line_drill.h"

#include <algorithm>

#include "rules/captures.h"

namespace {
Colour Swapped(Colour colour, bool swapped) {
  return swapped ? Other(colour) : colour;
}
}  // namespace

DrillSetup RandomSetup(std::mt19937& random) {
  std::uniform_int_distribution<int> pick(0, 7);
  std::bernoulli_distribution coin;
  DrillSetup setup;
  setup.orientation = Symmetry::All()[size_t(pick(random))];
  setup.coloursSwapped = coin(random);
  setup.userColour = coin(random) ? Colour::kBlack : Colour::kWhite;
  return setup;
}

LineDrill::LineDrill(const BookPositions& book, int row, const DrillSetup& setup)
    : book_(book), drilledRow_(row), setup_(setup), followed_{row, {}, 0} {
  const int given = std::min(book_.given(row), int(book_.Steps(row).size()));
  for (; followed_.next < given; ++followed_.next) {
    const BookStep& step = book_.Steps(row)[size_t(followed_.next)];
    if (!step.elsewhere) PlaceStone(board_, step.point, step.colour);  // given stones never capture
  }
  AfterMove();
}

bool LineDrill::FollowedHasNext() const {
  return followed_.next < int(book_.Steps(followed_.row).size());
}

BookStep LineDrill::FollowedStep() const {
  BookStep step = book_.Steps(followed_.row)[size_t(followed_.next)];
  if (!step.elsewhere) step.point = followed_.placement.orientation(step.point);
  step.colour = Swapped(step.colour, followed_.placement.swapped);
  return step;
}

void LineDrill::PlaceMove(const BookStep& step) {
  ++movesPlayed_;
  lastMove_ = {};
  if (!step.elsewhere) {
    PlaceStone(board_, step.point, step.colour);
    numbers_[size_t(step.point.column)][size_t(step.point.row)] = movesPlayed_;
    CaptureCheck(board_, step.point, step.colour,
                 [this](Point p) { numbers_[size_t(p.column)][size_t(p.row)] = 0; });
    lastMove_ = step.point;
  }
  toMove_ = Other(step.colour);
}

// The program answers until it is the user's turn or the line has ended.
void LineDrill::AfterMove() {
  marks_.clear();
  while (FollowedHasNext()) {
    const BookStep step = FollowedStep();
    toMove_ = step.colour;
    if (step.colour == setup_.userColour) {
      state_ = DrillState::kYourMove;
      return;
    }
    if (!step.elsewhere && board_.at(step.point) != 0) break;  // a row that cannot go on
    PlaceMove(step);
    ++followed_.next;
  }
  state_ = DrillState::kLineDone;
}

const BookContinuation* LineDrill::Choose(const std::vector<BookContinuation>& continuations,
                                          Point point, bool elsewhere) const {
  const BookContinuation* chosen = nullptr;
  for (const BookContinuation& c : continuations) {
    if (c.elsewhere != elsewhere || (!elsewhere && c.point != point)) continue;
    // The row followed goes on where it can; otherwise the first row found.
    const bool followedGoesOn =
        c.row == followed_.row && c.played == followed_.next && c.placement == followed_.placement;
    if (!chosen || followedGoesOn) chosen = &c;
  }
  return chosen;
}

LineDrill::Verdict LineDrill::Play(Point shown) {
  if (state_ != DrillState::kYourMove) return Verdict::kNotAMove;
  const Point p = setup_.orientation.Inverse()(shown);
  if (!IsOnBoard(p) || board_.at(p) != 0) return Verdict::kNotAMove;
  const std::vector<BookContinuation> continuations = book_.Continuations(board_, toMove_);
  if (const BookContinuation* chosen = Choose(continuations, p, false)) return Answer(chosen);
  ShowBook(continuations);
  return Verdict::kWrong;
}

LineDrill::Verdict LineDrill::PlayElsewhere() {
  if (state_ != DrillState::kYourMove) return Verdict::kNotAMove;
  const std::vector<BookContinuation> continuations = book_.Continuations(board_, toMove_);
  if (const BookContinuation* chosen = Choose(continuations, {}, true)) return Answer(chosen);
  ShowBook(continuations);
  return Verdict::kWrong;
}

LineDrill::Verdict LineDrill::Answer(const BookContinuation* chosen) {
  answers_.push_back(true);
  followed_ = {chosen->row, chosen->placement, chosen->played};
  PlaceMove(FollowedStep());
  ++followed_.next;
  AfterMove();
  return Verdict::kRight;
}

void LineDrill::ShowAnswer() {
  if (state_ != DrillState::kYourMove) return;
  ShowBook(book_.Continuations(board_, toMove_));
}

void LineDrill::ShowBook(const std::vector<BookContinuation>& continuations) {
  answers_.push_back(false);
  state_ = DrillState::kBookShown;
  marks_.clear();
  // The followed row's move first, so that 'a' is what Continue plays.
  std::vector<const BookContinuation*> order;
  for (const BookContinuation& c : continuations) order.push_back(&c);
  std::stable_partition(order.begin(), order.end(), [&](const BookContinuation* c) {
    return c->row == followed_.row && c->played == followed_.next;
  });
  for (const BookContinuation* c : order) {
    const Point shown = c->elsewhere ? Point{} : setup_.orientation(c->point);
    const bool seen = std::any_of(marks_.begin(), marks_.end(), [&](const BookMark& mark) {
      return mark.elsewhere == c->elsewhere && mark.point == shown;
    });
    if (!seen) marks_.push_back({shown, c->elsewhere, char16_t(u'a' + marks_.size())});
  }
}

void LineDrill::Continue() {
  if (state_ != DrillState::kBookShown) return;
  if (!FollowedHasNext()) {
    state_ = DrillState::kLineDone;
    return;
  }
  const BookStep step = FollowedStep();
  if (step.elsewhere || board_.at(step.point) == 0) PlaceMove(step);
  ++followed_.next;
  AfterMove();
}

std::vector<ShownStone> LineDrill::Stones() const {
  std::vector<ShownStone> stones;
  for (int column = 1; column <= kBoardSize; ++column) {
    for (int row = 1; row <= kBoardSize; ++row) {
      const int code = board_.at(column, row);
      if (code == 0) continue;
      const Colour colour = code % 2 != 0 ? Colour::kBlack : Colour::kWhite;
      stones.push_back({setup_.orientation({column, row}), Swapped(colour, setup_.coloursSwapped),
                        numbers_[size_t(column)][size_t(row)]});
    }
  }
  return stones;
}

Point LineDrill::lastMove() const {
  return IsOnBoard(lastMove_) ? setup_.orientation(lastMove_) : Point{};
}

int LineDrill::faults() const {
  return int(std::count(answers_.begin(), answers_.end(), false));
}

LineOutcome LineDrill::outcome() const {
  return faults() == 0 ? LineOutcome::kWithoutFault : LineOutcome::kWithFaults;
}

Colour LineDrill::userColourShown() const {
  return Swapped(setup_.userColour, setup_.coloursSwapped);
}

Point LineDrill::ExpectedMove() const {
  if (state_ == DrillState::kLineDone || !FollowedHasNext()) return {};
  const BookStep step = FollowedStep();
  return step.elsewhere ? Point{} : setup_.orientation(step.point);
}

BoardDiagram LineDrill::Diagram() const {
  BoardDiagram diagram;
  const bool whole = state_ == DrillState::kLineDone;
  for (const ShownStone& stone : Stones()) {
    DiagramPoint& shown = diagram.at(stone.point);
    shown = StonePoint(stone.colour);
    if (whole)
      shown = StonePoint(stone.colour, stone.number);
    else
      shown.newest = stone.point == lastMove();
  }
  for (const BookMark& mark : marks_)
    if (!mark.elsewhere) diagram.at(mark.point).letter = mark.letter;
  return diagram;
}
