#pragma once
// Decoding the board's image files: GIF through giflib, anything else (the
// JPEG tiles) through Qt's image reader. A board image is one cell of 22 x 23
// pixels, so a picture that claims to be larger than kMaxImageSide on a side is
// refused before anything is allocated for it: a damaged 35-byte header must
// not cost gigabytes.

#include <QByteArray>
#include <QImage>

inline constexpr int kMaxImageSide = 512;

// The first image of a GIF file as RGB32, every pixel its palette colour (as
// Qt's own reader gives it once converted); a null image when the data is
// damaged or too large.
QImage DecodeGif(const QByteArray& data);

// An image of the named format ("jpg", "png" …) as RGB32; null when it cannot
// be read, is of another format, or is too large.
QImage DecodeOtherImage(const QByteArray& data, const QByteArray& format);

// An image file's bytes as RGB32, decoded as the format its first bytes say
// (GIF, JPEG or PNG) whatever the file is called; null when it is none of
// them, cannot be read, or claims to be too large.
QImage DecodeImage(const QByteArray& data);
