#include "images/gif_writer.h"

#include <gif_lib.h>

#include <QFile>

#include "images/palette.h"

namespace {

QString GifError(int code) {
  const char* text = GifErrorString(code);
  return text ? QString::fromLatin1(text) : QStringLiteral("GIF error %1").arg(code);
}

ColorMapObject* MakeColourMap(const std::vector<QRgb>& palette) {
  int size = 2;  // giflib wants a power of two
  while (size < int(palette.size())) size *= 2;
  ColorMapObject* map = GifMakeMapObject(size, nullptr);
  if (!map) return nullptr;
  for (int i = 0; i < size; ++i) {
    const QRgb colour = i < int(palette.size()) ? palette[i] : qRgb(0, 0, 0);
    map->Colors[i] = GifColorType{GifByteType(qRed(colour)), GifByteType(qGreen(colour)),
                                  GifByteType(qBlue(colour))};
  }
  return map;
}

// Writes the screen, the one frame and its rows; false with *code on failure.
bool WriteFrame(GifFileType* gif, const IndexedImage& indexed, ColorMapObject* map, int* code) {
  if (EGifPutScreenDesc(gif, indexed.width, indexed.height, map->BitsPerPixel, 0, map) ==
          GIF_ERROR ||
      EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_ERROR) {
    *code = gif->Error;
    return false;
  }
  std::vector<GifPixelType> row(indexed.width);
  for (int y = 0; y < indexed.height; ++y) {
    std::copy_n(indexed.indices.begin() + ptrdiff_t(y) * indexed.width, indexed.width, row.begin());
    if (EGifPutLine(gif, row.data(), indexed.width) == GIF_ERROR) {
      *code = gif->Error;
      return false;
    }
  }
  return true;
}

}  // namespace

bool WriteGif(const QImage& image, const QString& path, QString* error) {
  const IndexedImage indexed = Quantise(image);
  int code = 0;
  const QByteArray name = QFile::encodeName(path);
  GifFileType* gif = EGifOpenFileName(name.constData(), false, &code);
  if (!gif) {
    *error = path + ": " + GifError(code);
    return false;
  }
  ColorMapObject* map = MakeColourMap(indexed.palette);
  bool ok = map && WriteFrame(gif, indexed, map, &code);
  if (!map) code = E_GIF_ERR_NOT_ENOUGH_MEM;
  GifFreeMapObject(map);
  int closeCode = 0;
  if (EGifCloseFile(gif, &closeCode) == GIF_ERROR && ok) {
    ok = false;
    code = closeCode;
  }
  if (!ok) *error = path + ": " + GifError(code);
  return ok;
}
