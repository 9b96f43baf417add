#include "pictures/board_pictures.h"

#include <algorithm>
#include <cmath>

#include "pictures/image_catalogue.h"

namespace {
constexpr int kStarLines[] = {4, 10, 16};
}

bool DrawEmptyBoard(Canvas& canvas, Board board) {
  const auto tile = [&](int column, int row) { canvas.DrawCell(CellOrigin(board, {column, row})); };
  try {
    canvas.LoadPattern(TileImage({2, 2}));
    for (int row = 2; row <= 18; ++row)
      for (int column = 2; column <= 18; ++column) tile(column, row);
    canvas.LoadPattern(TileImage({4, 4}));
    for (int row : kStarLines)
      for (int column : kStarLines) tile(column, row);
    for (Point corner : {Point{1, 1}, Point{19, 1}, Point{19, 19}, Point{1, 19}})
      DrawOnPoint(canvas, board, corner, TileImage(corner));
    canvas.LoadPattern(TileImage({2, 1}));
    for (int column = 2; column <= 18; ++column) tile(column, 1);
    canvas.LoadPattern(TileImage({2, 19}));
    for (int column = 2; column <= 18; ++column) tile(column, 19);
    canvas.LoadPattern(TileImage({1, 2}));
    for (int row = 2; row <= 18; ++row) tile(1, row);
    canvas.LoadPattern(TileImage({19, 2}));
    for (int row = 2; row <= 18; ++row) tile(19, row);
  } catch (const ImageLoadError&) {
    return false;
  }
  canvas.Refresh();
  return true;
}

void DrawOnPoint(Canvas& canvas, Board board, Point p, const QString& name) {
  canvas.DrawImage(name, CellOrigin(board, p));
}

void RedrawEmptyPoint(Canvas& canvas, Board board, Point p) {
  try {
    DrawOnPoint(canvas, board, p, TileImage(p));
  } catch (const ImageLoadError&) {
    // the point keeps its stone picture; the capture goes on
  }
  canvas.Refresh();
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
