#pragma once
// Pixel checks of the board picture (Canvas::master()) against the image files
// of fld2/: a cell shows an image when its 22 x 23 pixels equal the file's
// columns 1..22, rows 0..22, which is what DrawCell copies.

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

// The image file fld2/<name> of the built program folder, as RGB32; cached.
const QImage& ImageFile(const QString& name);

// The 134 file names of fld2/.
const QStringList& ImageCatalogue();

// True when the cell at (x, y) of master shows the image file name.
::testing::AssertionResult CellShows(const QImage& master, int x, int y, const QString& name);
// The same for the cell of point (column, row) of the left or the right board.
::testing::AssertionResult LeftPointShows(const QImage& master, int column, int row,
                                          const QString& name);
::testing::AssertionResult RightPointShows(const QImage& master, int column, int row,
                                           const QString& name);

// The name of the catalogue image the cell at (x, y) shows, or "?" when none.
QString ShownImage(const QImage& master, int x, int y);
QString LeftPointImage(const QImage& master, int column, int row);
QString RightPointImage(const QImage& master, int column, int row);

// The board tile (file name, no folder) the empty board shows at (column, row).
QString TileName(int column, int row);

// Both boards just after their resets: the picture every drawing starts from.
QImage EmptyBoards();

// True when the two pictures are equal inside area.
::testing::AssertionResult AreaEqual(const QImage& a, const QImage& b, const QRect& area);

// The areas of the left board, the strip between the boards and the right board.
inline const QRect kLeftBoardArea(0, 0, 418, 437);
inline const QRect kStripArea(418, 0, 22, 437);
inline const QRect kRightBoardArea(440, 0, 418, 437);
