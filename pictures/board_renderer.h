#pragma once
// Where the two boards lie in the board picture, and the one renderer that
// draws what a board shows onto it: the only code that turns points into
// pixels and back, and diagram points into the images of fld2/. The left
// board carries the joseki diagram, the right board the game and the search
// input. A cell is 22 pixels wide and 23 high.

#include <QPoint>
#include <QRect>
#include <optional>

#include "pictures/board_diagram.h"
#include "pictures/image_load_error.h"

class Canvas;

enum class Board { kLeft, kRight };

// The top-left pixel of the cell of p (1..19 each, or 0 for a point above or
// left of the board) on the board.
QPoint CellOrigin(Board board, Point p);

// The cell of p on the board, in the board picture.
QRect CellRect(Board board, Point p);

// The point of the board whose cell holds the pixel (x, y) of the board
// picture, as the mouse reports it (halves go to even); none off that board.
std::optional<Point> PointAt(Board board, double x, double y);

// The board's 19 x 19 cells in the board picture.
QRect BoardArea(Board board);

// Draws one board of a canvas and keeps the diagram it was asked to draw,
// so that what the board shows can be read as data. The diagram follows
// every request, also where a picture could not be read.
class BoardRenderer {
 public:
  BoardRenderer(Canvas& canvas, Board board) : canvas_(canvas), board_(board) {}

  // Tiles the empty board (each tile file read once) and shows it. False when
  // a tile cannot be read: the cells not yet drawn keep their picture and
  // nothing is shown.
  bool Clear();
  // Draws what p shows. Throws ImageLoadError, the cell keeping its picture.
  void Draw(Point p, const DiagramPoint& shown);
  // Draws what p shows; where its picture cannot be read, the image read last
  // is drawn in its place.
  void DrawOrRepeatLast(Point p, const DiagramPoint& shown);
  // Empties p (a captured stone) and shows it; a tile that cannot be read
  // leaves the point's picture as it was.
  void Erase(Point p);
  // The search input's marks on the three cells for a move elsewhere; a
  // mark that cannot be read is left out.
  void MarkTenukiCells();
  // A fresh board, then every point of diagram, shown; a point whose
  // picture cannot be read keeps the picture it had. False when the board
  // could not be tiled.
  bool DrawWhole(const BoardDiagram& diagram);
  // Hands what has been drawn to the window.
  void Refresh();

  const BoardDiagram& diagram() const { return diagram_; }

 private:
  void DrawLetter(Point p, char16_t letter);

  Canvas& canvas_;
  Board board_;
  BoardDiagram diagram_;
};
