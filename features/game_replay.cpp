#include "features/game_replay.h"

#include <algorithm>

#include "rules/captures.h"

namespace {
// Stone n of the joseki's moves in a game whose numbering begins with white
// or with black: numbered up to 55, then one plain picture (white, or gold).
DiagramPoint JosekiMoveInGame(int n, bool beginsWithWhite) {
  if (n > kLastPicturedNumber)
    return beginsWithWhite ? StonePoint(Colour::kWhite) : DiagramPoint{PointLook::kGold};
  const bool oddNumber = n % 2 != 0;
  return StonePoint(oddNumber != beginsWithWhite ? Colour::kBlack : Colour::kWhite, n);
}
}  // namespace

void GameReplay::SetGame(const GameReference& game) {
  if (game.firstMove) firstGameMove_ = *game.firstMove;
  if (game.lastMove) lastGameMove_ = *game.lastMove;
  moves_ = game.moves;
  handicap_ = game.handicap;
}

Colour GameReplay::ColourOfMove(int k) const {
  return ColourOfNth(handicap_.empty() ? k : k + 1);
}

void GameReplay::PlaceHandicap(bool repeatLastOnError) {
  for (const Point p : handicap_) {
    if (!IsOnBoard(p) || counts_.at(p.column, p.row) != 0) continue;
    try {
      board_.Draw(p, StonePoint(Colour::kBlack));
    } catch (const ImageLoadError&) {
      if (!repeatLastOnError) throw;
      continue;
    }
    PlaceStone(counts_, p, Colour::kBlack);
  }
}

bool GameReplay::ResetBoard() {
  counts_ = BoardState{};
  return board_.Clear();
}

void GameReplay::PlaceGameMove(int k, int& numbered, bool numberingBeginsWithWhite,
                               bool repeatLastOnError) {
  const Point p = moves_[k - 1];
  const Colour colour = ColourOfMove(k);
  const bool inJoseki = firstGameMove_ <= k && k <= lastGameMove_;
  const DiagramPoint shown =
      inJoseki ? JosekiMoveInGame(++numbered, numberingBeginsWithWhite) : StonePoint(colour);
  if (repeatLastOnError)
    board_.DrawOrRepeatLast(p, shown);
  else
    board_.Draw(p, shown);
  board_.Refresh();
  PlaceStone(counts_, p, colour);
  CaptureCheck(counts_, p, colour, [this](Point q) { board_.Erase(q); });
}

GameReplay::Result GameReplay::ShowGameRecord() {
  Result result{Drawn::kWhole, ResetBoard()};
  const auto fail = [&] {
    result.boardReset |= ResetBoard();
    result.drawn = Drawn::kFailed;
    return result;
  };
  if (lastGameMove_ < 0) return fail();
  const bool beginsWithWhite = ColourOfMove(firstGameMove_) == Colour::kWhite;
  const int last = std::min(lastGameMove_, int(moves_.size()));
  shownMove_ = 0;
  int numbered = 0;
  try {
    PlaceHandicap(false);
  } catch (const ImageLoadError&) {
    return fail();
  }
  for (int k = 1; k <= last; ++k) {
    ++shownMove_;
    if (!IsOnBoard(moves_[k - 1])) {
      result.drawn = Drawn::kBrokenOff;  // a game that breaks off keeps what was drawn
      return result;
    }
    try {
      PlaceGameMove(k, numbered, beginsWithWhite, false);
    } catch (const ImageLoadError&) {
      return fail();
    }
  }
  return result;
}

void GameReplay::ReplayGameTo(int target) {
  const bool beginsWithWhite = ColourOfMove(firstGameMove_) == Colour::kWhite;
  shownMove_ = 0;
  int numbered = 0;
  PlaceHandicap(true);
  for (int k = 1; k <= target; ++k) {
    ++shownMove_;
    if (k > int(moves_.size()) || !IsOnBoard(moves_[k - 1])) continue;  // not a move: skipped
    PlaceGameMove(k, numbered, beginsWithWhite, true);
  }
}

GameReplay::Step GameReplay::StepTo(int target) {
  const bool reset = ResetBoard();
  ReplayGameTo(target);
  return {false, reset};
}

GameReplay::Step GameReplay::GoToFirstMove() {
  return StepTo(1);
}

GameReplay::Step GameReplay::BackOneMove() {
  const int target = shownMove_ - 1;
  return StepTo(target == 0 ? 1 : target);
}

GameReplay::Step GameReplay::BackFiveMoves() {
  return StepTo(std::max(shownMove_ - 5, 1));
}

GameReplay::Step GameReplay::Forward(int moves) {
  const int target = shownMove_ + moves;
  if (target > int(moves_.size())) return {true, false};
  return StepTo(target);
}

GameReplay::Step GameReplay::GoToJosekiEnd() {
  if (moves_.empty()) return {};
  return StepTo(std::min(lastGameMove_, int(moves_.size())));
}
