#pragma once
// Writing a picture as a GIF file through giflib.

#include <QImage>
#include <QString>

// Writes the picture, reduced to at most 256 colours, to path; on failure
// returns false and describes the reason in *error.
bool WriteGif(const QImage& image, const QString& path, QString* error);
