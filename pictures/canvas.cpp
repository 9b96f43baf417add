#include "pictures/canvas.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

#include "pictures/image_decoding.h"

namespace {
// The whole file, or nothing when it cannot be read. Plain system calls: a
// QFile costs more than decoding a 23 x 23 picture, and every stone reads one.
QByteArray ReadFile(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd == -1) return {};
  QByteArray bytes;
  char buffer[4096];
  ssize_t n;
  while ((n = ::read(fd, buffer, sizeof buffer)) > 0) bytes.append(buffer, n);
  ::close(fd);
  return n == 0 ? bytes : QByteArray();
}
}  // namespace

Canvas::Canvas(const QDir& imageFolder)
    : imageFolder_(imageFolder), master_(kWidth, kHeight, QImage::Format_RGB32) {
  master_.fill(QColor(0x6b, 0x4f, 0x2e));  // the strip between the boards
  shown_ = master_.copy();
}

void Canvas::LoadPattern(const QString& name) {
  const QString path = imageFolder_.filePath(name);
  const QByteArray bytes = ReadFile(path);
  // Each file's suffix is its format; naming it skips content sniffing.
  const QByteArray format = QFileInfo(path).suffix().toLatin1().toLower();
  const QImage image = format == "gif" ? DecodeGif(bytes) : DecodeOtherImage(bytes, format);
  if (image.isNull()) throw ImageLoadError(path);
  SetPattern(image);
}

void Canvas::SetPattern(const QImage& image) {
  pattern_ =
      image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
}

void Canvas::DrawImage(const QString& name, QPoint topLeft) {
  LoadPattern(name);
  DrawCell(topLeft);
}

void Canvas::DrawCell(QPoint topLeft) {
  const int x = topLeft.x(), y = topLeft.y();
  constexpr int kSourceX = 1;
  // Clip the destination to Master and the source to Pattern.
  const int left = std::max(0, -x);
  const int top = std::max(0, -y);
  const int right = std::min({kCellWidth, kWidth - x, pattern_.width() - kSourceX});
  const int bottom = std::min({kCellHeight, kHeight - y, pattern_.height()});
  if (left >= right || top >= bottom) return;
  const size_t bytes = size_t(right - left) * 4;
  // One detach of Master per cell rather than one per line.
  const uchar* source = pattern_.constBits() + (kSourceX + left) * 4;
  uchar* target = master_.bits() + (x + left) * 4;
  const qsizetype sourceStride = pattern_.bytesPerLine();
  const qsizetype targetStride = master_.bytesPerLine();
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
      std::memcpy(shown_.scanLine(y) + area.left() * 4, master_.constScanLine(y) + area.left() * 4,
                  bytes);
    }
    drawnSinceRefresh_ = QRect();
  }
  if (listener_) listener_();
}
