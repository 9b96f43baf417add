#pragma once
// The pictures compiled into the program under :/pictures/: the menu's title
// and buttons (PPM) and the program's icon (PNG), drawn at build time by
// tools/draw_window_pictures.

#include <QImage>
#include <QString>

// Reads one of them by file name with Qt's built-in reader for its suffix; a
// null image when there is no such picture. Letting Qt guess the reader would
// first load every image plugin installed, a cost the menu's start would bear.
QImage WindowPicture(const QString& name);
