#pragma once
// The pictures compiled into the program under :/pictures/ (the menu's title
// and buttons, the program's icon), drawn at build time by
// tools/draw_window_pictures. They are kept as the image's own pixels behind a
// small header (width, height, QImage format), because decoding them was a
// tenth of what the menu's start adds to an empty window: PNG and PPM readers
// both cost more than a copy, and letting Qt pick a reader loads every image
// plugin installed.

#include <QImage>
#include <QString>

// Writes image in that form; false when the file cannot be written.
bool WriteWindowPicture(const QImage& image, const QString& path);

// Reads a compiled-in picture by file name (e.g. "title.pixels"); a null image
// when there is no such picture or it is damaged.
QImage WindowPicture(const QString& name);
