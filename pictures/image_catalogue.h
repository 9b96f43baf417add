#pragma once
// The names of the 134 image files of fld2/, by what they show: 10 board
// tiles (JPEG, 23 x 23) and 124 stones and marks (GIF, 23 x 23).

#include <QString>
#include <QStringList>

#include "rules/point.h"

// The tile the empty board shows at p.
QString TileImage(Point p);
QString PlainStoneImage(Colour colour);
// The one stone picture in gold.
QString GoldStoneImage();
// Numbered stone n of the colour; past 55 the plain stone of the colour.
QString NumberedStoneImage(Colour colour, int n);
// The walk's newest stone, marked red.
QString WalkStoneImage(Colour colour);
// A mark of the diagram: tag "a".."e" a letter, "2" a triangle, else a cross.
QString MarkerImage(char16_t tag);
// The marks the search input puts on the tenuki cells and the allowed first points.
QString TenukiMarkImage();
QString FirstMoveMarkImage();

// Every name above, tiles first.
QStringList ImageCatalogue();
