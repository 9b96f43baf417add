#pragma once
// Letters on the board beyond the five that fld2/ holds pictures of (a..e):
// a position of the drill can have more book moves than that. Letters a..e
// are drawn from their pictures; later ones are lettered by our code over
// what the point shows, in the same black bold face.

#include "pictures/board_pictures.h"

// Draws letter (a, b, …) on the cell of p; throws ImageLoadError for a..e
// whose picture cannot be read.
void DrawLetterOnPoint(Canvas& canvas, Board board, Point p, char16_t letter);
