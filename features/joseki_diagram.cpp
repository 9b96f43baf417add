#include "features/joseki_diagram.h"

#include "rules/captures.h"
#include "rules/move_layout.h"

namespace {
// Move n of a joseki: move 1 is white.
constexpr Colour NumberedMoveColour(int n) {
  return Other(ColourOfNth(n));
}

// The stone of move n: numbered up to 55, a plain white stone after that.
constexpr DiagramPoint NumberedMove(int n) {
  return n <= kLastPicturedNumber ? StonePoint(NumberedMoveColour(n), n)
                                  : StonePoint(Colour::kWhite);
}

// A mark of the record: a letter, a triangle ("2") or a cross.
DiagramPoint MarkerPoint(char16_t tag) {
  if (tag >= u'a' && tag <= u'e') return {.letter = tag};
  return {tag == u'2' ? PointLook::kTriangle : PointLook::kCross};
}
}  // namespace

void JosekiDiagram::DrawFreshBoard() {
  counts_ = BoardState{};
  walkPrevious_.reset();  // gone with the picture it stood on
  board_.Clear();
}

void JosekiDiagram::Capture(Point p, Colour mover) {
  CaptureCheck(counts_, p, mover, [this](Point q) { board_.Erase(q); });
}

bool JosekiDiagram::Show(const JosekiRecord& joseki) {
  DrawFreshBoard();
  TenukiPlacer placer(TenukiRule::kRecord);
  try {
    LayOutMoves(joseki.givenStones, placer, [&](Point p, int k) {
      board_.Draw(p, StonePoint(ColourOfNth(k)));
      PlaceStone(counts_, p, ColourOfNth(k));  // given stones never capture
    });
    if (!joseki.givenStones.empty()) board_.Refresh();
    LayOutMoves(joseki.numberedMoves, placer, [&](Point p, int n) {
      board_.Draw(p, NumberedMove(n));
      PlaceStone(counts_, p, NumberedMoveColour(n));
      Capture(p, NumberedMoveColour(n));
    });
    board_.Refresh();
  } catch (const ImageLoadError&) {
    return false;
  } catch (const OffBoardPlacement&) {
    return false;
  }
  DrawMarkers(joseki);
  return true;
}

void JosekiDiagram::DrawMarkers(const JosekiRecord& joseki) {
  if (joseki.markers.empty()) return;
  for (const Marker& marker : joseki.markers)
    board_.DrawOrRepeatLast(marker.point, MarkerPoint(marker.tag));
  board_.Refresh();
}

void JosekiDiagram::StartWalk(const JosekiRecord& joseki) {
  DrawFreshBoard();
  TenukiPlacer placer(TenukiRule::kWalkSetup);
  try {
    LayOutMoves(joseki.givenStones, placer, [&](Point p, int k) {
      board_.Draw(p, StonePoint(ColourOfNth(k)));
      board_.Refresh();
      PlaceStone(counts_, p, ColourOfNth(k));
    });
  } catch (const std::runtime_error&) {
    // a bad given stone ends the layout; the marks still follow
  }
  DrawMarkers(joseki);
  walkedMoves_ = 0;
}

JosekiDiagram::WalkStep JosekiDiagram::NextWalkMove(const JosekiRecord& joseki) {
  const int k = ++walkedMoves_;
  const int moves = int(joseki.numberedMoves.size());
  if (k > moves) return {};
  TenukiPlacer placer(TenukiRule::kWalkNext, walkTenukiCount_);
  const Point p = placer.Place(joseki.numberedMoves[k - 1]);
  walkTenukiCount_ = placer.count();
  if (k == 1) walkPrevious_.reset();
  const Colour colour = NumberedMoveColour(k);
  try {
    board_.Draw(p, {StonePoint(colour).look, 0, true});
    board_.Refresh();
    if (walkPrevious_) {
      board_.Draw(*walkPrevious_, StonePoint(Other(colour)));
      board_.Refresh();
    }
    walkPrevious_ = IsOnBoard(p) ? std::optional(p) : std::nullopt;
    PlaceStone(counts_, p, colour);
    Capture(p, colour);
  } catch (const std::runtime_error&) {
    // A move off the board is not placed; a last move still ends the walk, so
    // that the next click starts again instead of waiting for 手順表示開始.
  }
  const bool lastMove = k == moves;
  if (lastMove) walkedMoves_ = 0;
  return {true, colour, lastMove};
}
