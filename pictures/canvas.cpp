#include "pictures/canvas.h"

#include <algorithm>
#include <cstring>

#include "collection/file_reading.h"
#include "pictures/image_decoding.h"

namespace {
// A board image is one cell of a few kilobytes.
constexpr qint64 kMaxImageFileBytes = 1 << 20;
}  // namespace

Canvas::Canvas(const QDir& imageFolder)
    : imageFolder_(imageFolder), drawing_(kWidth, kHeight, QImage::Format_RGB32) {
  drawing_.fill(QColor(0x6b, 0x4f, 0x2e));  // the strip between the boards
  shown_ = drawing_.copy();
}

void Canvas::ReadImage(const QString& name) {
  const QString path = imageFolder_.filePath(name);
  // What the bytes are decides the decoder and its size cap, not the name.
  const QImage image = DecodeImage(ReadRegularFile(path, kMaxImageFileBytes).bytes);
  if (image.isNull()) throw ImageLoadError(path);
  SetLastImage(image);
}

void Canvas::SetLastImage(const QImage& image) {
  lastImage_ =
      image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
}

void Canvas::DrawImage(const QString& name, QPoint topLeft) {
  ReadImage(name);
  DrawLastImage(topLeft);
}

void Canvas::DrawLastImage(QPoint topLeft) {
  const int x = topLeft.x(), y = topLeft.y();
  constexpr int kSourceX = 1;
  // Clip the destination to the drawing and the source to the image.
  const int left = std::max(0, -x);
  const int top = std::max(0, -y);
  const int right = std::min({kCellWidth, kWidth - x, lastImage_.width() - kSourceX});
  const int bottom = std::min({kCellHeight, kHeight - y, lastImage_.height()});
  if (left >= right || top >= bottom) return;
  const size_t bytes = size_t(right - left) * 4;
  // One detach of the drawing per cell rather than one per line.
  const uchar* source = lastImage_.constBits() + (kSourceX + left) * 4;
  uchar* target = drawing_.bits() + (x + left) * 4;
  const qsizetype sourceStride = lastImage_.bytesPerLine();
  const qsizetype targetStride = drawing_.bytesPerLine();
  for (int row = top; row < bottom; ++row) {
    std::memcpy(target + (y + row) * targetStride, source + row * sourceStride, bytes);
  }
  drawnSinceRefresh_ |= QRect(x + left, y + top, right - left, bottom - top);
}

void Canvas::Refresh() {
  ++refreshCount_;
  const QRect& area = drawnSinceRefresh_;
  if (!area.isEmpty()) {
    const size_t bytes = size_t(area.width()) * 4;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      std::memcpy(shown_.scanLine(y) + area.left() * 4, drawing_.constScanLine(y) + area.left() * 4,
                  bytes);
    }
    drawnSinceRefresh_ = QRect();
  }
  if (listener_) listener_();
}
