#pragma once
// A small decoder for the plain GIF files of fld2/: one image covering the
// whole screen, not interlaced, no transparency. Decoding such a 23 x 23 file
// here costs a tenth of the general image loader; anything else is left to it.

#include <QByteArrayView>
#include <QImage>

// The first image of a plain GIF as RGB32, pixel for pixel what the general
// loader gives; a null image when the data is not a plain GIF or is damaged.
QImage DecodePlainGif(QByteArrayView data);
