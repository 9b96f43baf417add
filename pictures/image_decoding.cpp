#include "pictures/image_decoding.h"

#include <gif_lib.h>

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace {

bool FitsTheCap(int width, int height) {
  return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide;
}

// giflib reads through this callback from the bytes held in memory.
struct GifSource {
  const QByteArray& data;
  qsizetype position = 0;
};

int ReadGifBytes(GifFileType* gif, GifByteType* out, int wanted) {
  auto* source = static_cast<GifSource*>(gif->UserData);
  const qsizetype n = std::min<qsizetype>(wanted, source->data.size() - source->position);
  std::memcpy(out, source->data.constData() + source->position, size_t(n));
  source->position += n;
  return int(n);
}

struct CloseGif {
  void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};
using GifFile = std::unique_ptr<GifFileType, CloseGif>;

// Passes over an extension block and its sub-blocks (comments, graphic
// control: a transparent colour keeps its own colour, as in Qt's reader).
bool SkipExtension(GifFile& gif) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif.get(), &code, &block) != GIF_OK) return false;
  while (block)
    if (DGifGetExtensionNext(gif.get(), &block) != GIF_OK) return false;
  return true;
}

// The palette of the frame just described; indices past its end are black.
std::array<QRgb, 256> FramePalette(const ColorMapObject& map) {
  std::array<QRgb, 256> colours;
  colours.fill(qRgb(0, 0, 0));
  for (int i = 0; i < std::min(map.ColorCount, 256); ++i)
    colours[size_t(i)] = qRgb(map.Colors[i].Red, map.Colors[i].Green, map.Colors[i].Blue);
  return colours;
}

// Reads the rows of the frame (interlaced or not) into image at its offset.
bool ReadFrame(GifFile& gif, QImage& image) {
  const GifImageDesc& frame = gif->Image;
  const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
  if (!FitsTheCap(frame.Width, frame.Height) || !map) return false;
  const std::array<QRgb, 256> colours = FramePalette(*map);
  std::vector<GifPixelType> line(size_t(frame.Width));
  std::vector<int> rows;
  if (frame.Interlace) {
    for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
      for (int y = start; y < frame.Height; y += step) rows.push_back(y);
  } else {
    for (int y = 0; y < frame.Height; ++y) rows.push_back(y);
  }
  // The part of the frame that lies on the screen (offsets are never negative).
  const int columns = std::min(frame.Width, image.width() - frame.Left);
  for (int y : rows) {
    if (DGifGetLine(gif.get(), line.data(), frame.Width) != GIF_OK) return false;
    if (frame.Top + y >= image.height()) continue;
    auto* target = reinterpret_cast<QRgb*>(image.scanLine(frame.Top + y)) + frame.Left;
    for (int x = 0; x < columns; ++x) target[x] = colours[line[size_t(x)]];
  }
  return true;
}

}  // namespace

QImage DecodeGif(const QByteArray& data) {
  GifSource source{data};
  int error = 0;
  GifFile gif(DGifOpen(&source, ReadGifBytes, &error));
  if (!gif || !FitsTheCap(gif->SWidth, gif->SHeight)) return {};
  for (;;) {
    GifRecordType record;
    if (DGifGetRecordType(gif.get(), &record) != GIF_OK) return {};
    if (record == EXTENSION_RECORD_TYPE) {
      if (!SkipExtension(gif)) return {};
    } else if (record == IMAGE_DESC_RECORD_TYPE) {
      if (DGifGetImageDesc(gif.get()) != GIF_OK) return {};
      QImage image(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
      image.fill(qRgb(0, 0, 0));
      if (!ReadFrame(gif, image)) return {};
      return image;
    } else {
      return {};  // the trailer before any image
    }
  }
}

QImage DecodeOtherImage(const QByteArray& data, const QByteArray& format) {
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  // Only the named format's reader: one that guessed from the content would
  // read a picture whose size it was never asked for.
  reader.setAutoDetectImageFormat(false);
  const QSize size = reader.size();
  if (!FitsTheCap(size.width(), size.height())) return {};
  const QImage image = reader.read();
  return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

QImage DecodeImage(const QByteArray& data) {
  if (data.startsWith("GIF87a") || data.startsWith("GIF89a")) return DecodeGif(data);
  if (data.startsWith("\xFF\xD8\xFF")) return DecodeOtherImage(data, "jpeg");
  if (data.startsWith("\x89PNG\r\n\x1A\n")) return DecodeOtherImage(data, "png");
  return {};
}
