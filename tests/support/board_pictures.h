#pragma once
// The pictures tests compare pixels with: the image files of the built
// program, and the boards just after their resets.

#include <QImage>

#include "pictures/board_renderer.h"
#include "pictures/canvas.h"

// The file fld2/name of the built program, as RGB32.
const QImage& ImageFile(const QString& name);

// The picture of both boards just after their resets.
QImage EmptyBoards();

// Whether the board's area of the two pictures is equal.
bool SameBoard(const QImage& a, const QImage& b, Board board);
