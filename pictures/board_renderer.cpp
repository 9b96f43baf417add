#include "pictures/board_renderer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "pictures/canvas.h"
#include "pictures/image_catalogue.h"
#include "pictures/picture_text.h"

namespace {
constexpr int kStarLines[] = {4, 10, 16};
// The search input's marks sit a little inside the cells for a move elsewhere.
constexpr Point kTenukiCells[] = {{17, 10}, {18, 10}, {19, 10}};
constexpr QPoint kTenukiMarkOffset{3, 4};
// fld2/ holds pictures of the letters up to e; later ones are lettered here.
constexpr char16_t kLastPicturedLetter = u'e';

// The image of what p shows, but for a letter drawn over it.
QString ImageOf(Point p, const DiagramPoint& shown) {
  if (shown.letter != 0 && shown.letter <= kLastPicturedLetter) return MarkerImage(shown.letter);
  switch (shown.look) {
    case PointLook::kEmpty:
      return TileImage(p);
    case PointLook::kGold:
      return GoldStoneImage();
    case PointLook::kTriangle:
      return MarkerImage(u'2');
    case PointLook::kCross:
      return MarkerImage(u'1');
    case PointLook::kFirstMoveMark:
      return FirstMoveMarkImage();
    case PointLook::kBlack:
    case PointLook::kWhite:
      break;
  }
  const Colour colour = shown.look == PointLook::kBlack ? Colour::kBlack : Colour::kWhite;
  if (shown.newest) return WalkStoneImage(colour);
  return shown.number > 0 ? NumberedStoneImage(colour, shown.number) : PlainStoneImage(colour);
}
}  // namespace

bool BoardRenderer::Clear() {
  diagram_ = BoardDiagram{};
  const auto tile = [&](int column, int row) {
    canvas_.DrawLastImage(CellOrigin(board_, {column, row}));
  };
  try {
    canvas_.ReadImage(TileImage({2, 2}));
    for (int row = 2; row <= 18; ++row)
      for (int column = 2; column <= 18; ++column) tile(column, row);
    canvas_.ReadImage(TileImage({4, 4}));
    for (int row : kStarLines)
      for (int column : kStarLines) tile(column, row);
    for (Point corner : {Point{1, 1}, Point{19, 1}, Point{19, 19}, Point{1, 19}})
      canvas_.DrawImage(TileImage(corner), CellOrigin(board_, corner));
    canvas_.ReadImage(TileImage({2, 1}));
    for (int column = 2; column <= 18; ++column) tile(column, 1);
    canvas_.ReadImage(TileImage({2, 19}));
    for (int column = 2; column <= 18; ++column) tile(column, 19);
    canvas_.ReadImage(TileImage({1, 2}));
    for (int row = 2; row <= 18; ++row) tile(1, row);
    canvas_.ReadImage(TileImage({19, 2}));
    for (int row = 2; row <= 18; ++row) tile(19, row);
  } catch (const ImageLoadError&) {
    return false;
  }
  canvas_.Refresh();
  return true;
}

void BoardRenderer::Draw(Point p, const DiagramPoint& shown) {
  if (IsOnBoard(p)) diagram_.at(p) = shown;
  canvas_.DrawImage(ImageOf(p, shown), CellOrigin(board_, p));
  if (shown.letter > kLastPicturedLetter) DrawLetter(p, shown.letter);
}

void BoardRenderer::DrawOrRepeatLast(Point p, const DiagramPoint& shown) {
  if (IsOnBoard(p)) diagram_.at(p) = shown;
  try {
    canvas_.ReadImage(ImageOf(p, shown));
  } catch (const ImageLoadError&) {
    // the image read last is drawn in its place
  }
  canvas_.DrawLastImage(CellOrigin(board_, p));
}

void BoardRenderer::Erase(Point p) {
  try {
    Draw(p, {});
  } catch (const ImageLoadError&) {
    // the point keeps its stone picture; the capture goes on
  }
  canvas_.Refresh();
}

void BoardRenderer::MarkTenukiCells() {
  diagram_.tenukiMarks = true;
  for (Point cell : kTenukiCells) {
    try {
      canvas_.DrawImage(TenukiMarkImage(), CellOrigin(board_, cell) + kTenukiMarkOffset);
    } catch (const ImageLoadError&) {
      // input still opens with the marks that could be drawn
    }
  }
}

void BoardRenderer::Refresh() {
  canvas_.Refresh();
}

bool BoardRenderer::DrawWhole(const BoardDiagram& diagram) {
  const bool tiled = Clear();
  for (int row = 1; row <= kBoardSize; ++row) {
    for (int column = 1; column <= kBoardSize; ++column) {
      const Point p{column, row};
      if (diagram.at(p) == DiagramPoint{}) continue;
      try {
        Draw(p, diagram.at(p));
      } catch (const ImageLoadError&) {
        // the point keeps its picture
      }
    }
  }
  diagram_ = diagram;
  canvas_.Refresh();
  return tiled;
}

// Letters past e: the cell as it is shown now, with the letter on a patch of
// board colour so that the lines do not cross it, in the pictures' black
// bold face.
void BoardRenderer::DrawLetter(Point p, char16_t letter) {
  const QPoint origin = CellOrigin(board_, p);
  // DrawLastImage copies the cell at (1, 0) of the image.
  QImage cell(Canvas::kCellWidth + 1, Canvas::kCellHeight, QImage::Format_RGB32);
  QPainter painter(&cell);
  painter.drawImage(QPoint(1, 0), canvas_.drawing(),
                    QRect(origin, QSize(Canvas::kCellWidth, Canvas::kCellHeight)));
  const QString text(QChar{letter});
  painter.setFont(FittedFont(u"sans-serif"_qs, 17, text, Canvas::kCellWidth - 4));
  const QRect box(1, 0, Canvas::kCellWidth, Canvas::kCellHeight);
  const QRect inked = painter.boundingRect(box, Qt::AlignCenter, text).adjusted(-1, 2, 1, -2);
  painter.fillRect(inked, cell.pixelColor(2, 1));
  painter.setPen(Qt::black);
  painter.drawText(box, Qt::AlignCenter, text);
  painter.end();
  canvas_.SetLastImage(cell);
  canvas_.DrawLastImage(origin);
}

QPoint CellOrigin(Board board, Point p) {
  const int firstColumn = board == Board::kLeft ? 0 : 20;
  return {(firstColumn + p.column - 1) * Canvas::kCellWidth, (p.row - 1) * Canvas::kCellHeight};
}

QRect CellRect(Board board, Point p) {
  return {CellOrigin(board, p), QSize(Canvas::kCellWidth, Canvas::kCellHeight)};
}

QRect BoardArea(Board board) {
  return {CellOrigin(board, {1, 1}),
          QSize(kBoardSize * Canvas::kCellWidth, kBoardSize * Canvas::kCellHeight)};
}

std::optional<Point> PointAt(Board board, double x, double y) {
  // Whole pixels as the mouse gives them; far outside only needs to stay outside.
  const auto pixel = [](double value) {
    return std::isfinite(value) ? std::nearbyint(std::clamp(value, -1e6, 1e6)) : -1.0;
  };
  const QPoint origin = CellOrigin(board, {1, 1});
  const Point p{int(std::floor((pixel(x) - origin.x()) / Canvas::kCellWidth)) + 1,
                int(std::floor((pixel(y) - origin.y()) / Canvas::kCellHeight)) + 1};
  return IsOnBoard(p) ? std::optional(p) : std::nullopt;
}
