#pragma once
// Where the two boards lie in the board picture, and drawing on them: the
// left board carries the joseki diagram, the right board the game and the
// search input. A cell is 22 pixels wide and 23 high.

#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

#include "pictures/canvas.h"
#include "rules/point.h"

enum class Board { kLeft, kRight };

// The top-left pixel of the cell of p (1..19 each, or 0 for a point above or
// left of the board) on the board.
constexpr QPoint CellOrigin(Board board, Point p) {
  const int firstColumn = board == Board::kLeft ? 0 : 20;
  return {(firstColumn + p.column - 1) * Canvas::kCellWidth, (p.row - 1) * Canvas::kCellHeight};
}

// The cell of p on the board, in the board picture.
constexpr QRect CellRect(Board board, Point p) {
  return {CellOrigin(board, p), QSize(Canvas::kCellWidth, Canvas::kCellHeight)};
}

// The point of the board whose cell holds the pixel (x, y) of the board
// picture, as the mouse reports it (halves go to even); none off that board.
std::optional<Point> PointAt(Board board, double x, double y);

// The board's 19 x 19 cells in the board picture.
constexpr QRect BoardArea(Board board) {
  return {CellOrigin(board, {1, 1}), QSize(19 * Canvas::kCellWidth, 19 * Canvas::kCellHeight)};
}

// Tiles the empty board (each tile file read once) and shows it. False when a
// tile cannot be read: the cells not yet drawn keep their picture and nothing
// is shown.
bool DrawEmptyBoard(Canvas& canvas, Board board);

// Draws the image name on the cell of p; throws ImageLoadError.
void DrawOnPoint(Canvas& canvas, Board board, Point p, const QString& name);

// Paints the empty point p (a captured stone) with its tile and shows it; a
// tile that cannot be read leaves the point as it was.
void RedrawEmptyPoint(Canvas& canvas, Board board, Point p);
