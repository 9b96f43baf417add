#include "features/joseki_diagram.h"

#include "pictures/board_pictures.h"
#include "pictures/image_catalogue.h"
#include "rules/captures.h"
#include "rules/move_layout.h"

namespace {
// Move n of a joseki: move 1 is white.
constexpr Colour NumberedMoveColour(int n) {
  return Other(ColourOfNth(n));
}
}  // namespace

void JosekiDiagram::DrawFreshBoard() {
  counts_ = BoardState{};
  walkPrevious_.reset();  // gone with the picture it stood on
  DrawEmptyBoard(canvas_, Board::kLeft);
}

void JosekiDiagram::Capture(Point p, Colour mover) {
  CaptureCheck(counts_, p, mover, [this](Point q) { RedrawEmptyPoint(canvas_, Board::kLeft, q); });
}

bool JosekiDiagram::Show(const JosekiRecord& joseki) {
  DrawFreshBoard();
  TenukiPlacer placer(TenukiRule::kRecord);
  try {
    LayOutMoves(joseki.givenStones, placer, [&](Point p, int k) {
      DrawOnPoint(canvas_, Board::kLeft, p, PlainStoneImage(ColourOfNth(k)));
      PlaceStone(counts_, p, ColourOfNth(k));  // given stones never capture
    });
    if (!joseki.givenStones.empty()) canvas_.Refresh();
    LayOutMoves(joseki.numberedMoves, placer, [&](Point p, int n) {
      DrawOnPoint(canvas_, Board::kLeft, p, JosekiMoveImage(n));
      PlaceStone(counts_, p, NumberedMoveColour(n));
      Capture(p, NumberedMoveColour(n));
    });
    canvas_.Refresh();
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
  for (const Marker& marker : joseki.markers) {
    try {
      canvas_.LoadPattern(MarkerImage(marker.tag));
    } catch (const ImageLoadError&) {
      // the picture Pattern still holds is drawn in its place
    }
    canvas_.DrawCell(CellOrigin(Board::kLeft, marker.point));
  }
  canvas_.Refresh();
}

void JosekiDiagram::StartWalk(const JosekiRecord& joseki) {
  DrawFreshBoard();
  TenukiPlacer placer(TenukiRule::kWalkSetup);
  try {
    LayOutMoves(joseki.givenStones, placer, [&](Point p, int k) {
      DrawOnPoint(canvas_, Board::kLeft, p, PlainStoneImage(ColourOfNth(k)));
      canvas_.Refresh();
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
    DrawOnPoint(canvas_, Board::kLeft, p, WalkStoneImage(colour));
    canvas_.Refresh();
    if (walkPrevious_) {
      DrawOnPoint(canvas_, Board::kLeft, *walkPrevious_, PlainStoneImage(Other(colour)));
      canvas_.Refresh();
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
