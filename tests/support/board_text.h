#pragma once
// Reading a board picture back as text, so that tests state boards as small
// diagrams. Each cell is named by the image file it shows (columns 1..22,
// rows 0..22 of the file, which is what a cell copy takes):
//   .  the point's own tile       #  another tile
//   X O  plain black, white       G  the gold stone
//   b2 w1  numbered black, white  X! O!  the walk's red-marked stones
//   a..e  letters   ^ triangle   x cross   + tenuki mark   * first-point mark
//   ?  anything else

#include <QImage>
#include <string>
#include <vector>

#include "pictures/board_pictures.h"

// The file fld2/name of the built program, as RGB32.
const QImage& ImageFile(const QString& name);

std::string CellToken(const QImage& picture, Board board, Point p);

// Rows first..first+rows-1 of columns 1..columns, tokens joined by blanks.
std::vector<std::string> BoardRows(const QImage& picture, Board board, int columns, int rows,
                                   int firstRow = 1);

// The picture of both boards just after their resets.
QImage EmptyBoards();

// Whether the board's area of the two pictures is equal.
bool SameBoard(const QImage& a, const QImage& b, Board board);
