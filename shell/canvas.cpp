#include "shell/canvas.h"

#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cstring>

#include "shell/program_folder.h"

Canvas::Canvas() : master_(kWidth, kHeight, QImage::Format_RGB32) {
  master_.fill(QColor(0x6b, 0x4f, 0x2e));  // the strip between the boards
}

void Canvas::LoadPattern(const QString& programPath) {
  const QString path = ProgramFolder::Path(programPath);
  // Naming the format skips content sniffing; each file's suffix is its format.
  QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
  QImage image;
  if (!reader.read(&image)) throw ImageLoadError(path);
  SetPattern(image);
}

void Canvas::SetPattern(const QImage& image) {
  pattern_ = image.format() == QImage::Format_RGB32 ? image
                                                    : image.convertToFormat(QImage::Format_RGB32);
}

void Canvas::DrawCell(int x, int y) {
  constexpr int kSourceX = 1;
  // Clip the destination to Master and the source to Pattern.
  const int left = std::max(0, -x);
  const int top = std::max(0, -y);
  const int right = std::min({kCellWidth, kWidth - x, pattern_.width() - kSourceX});
  const int bottom = std::min({kCellHeight, kHeight - y, pattern_.height()});
  if (left >= right || top >= bottom) return;
  const size_t bytes = size_t(right - left) * 4;
  for (int row = top; row < bottom; ++row) {
    const auto* source = reinterpret_cast<const uint32_t*>(pattern_.constScanLine(row));
    auto* target = reinterpret_cast<uint32_t*>(master_.scanLine(y + row));
    std::memcpy(target + x + left, source + kSourceX + left, bytes);
  }
}

void Canvas::Refresh() {
  ++refreshCount_;
  if (listener_) listener_();
}
