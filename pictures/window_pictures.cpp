#include "pictures/window_pictures.h"

#include <QFile>
#include <QResource>
#include <array>
#include <cstring>

namespace {
using Header = std::array<qint32, 3>;  // width, height, QImage::Format
}  // namespace

bool WriteWindowPicture(const QImage& image, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const Header header = {image.width(), image.height(), qint32(image.format())};
  const auto bytes = qint64(sizeof header);
  return file.write(reinterpret_cast<const char*>(header.data()), bytes) == bytes &&
         file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) ==
             image.sizeInBytes();
}

QImage WindowPicture(const QString& name) {
  const QResource resource(u":/pictures/"_qs + name);
  Header header;
  if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
      resource.size() < qint64(sizeof header))
    return {};
  std::memcpy(header.data(), resource.data(), sizeof header);
  if (header[2] <= QImage::Format_Invalid || header[2] >= QImage::NImageFormats) return {};
  QImage image(header[0], header[1], QImage::Format(header[2]));
  if (image.isNull() || resource.size() != qint64(sizeof header) + image.sizeInBytes()) return {};
  std::memcpy(image.bits(), resource.data() + sizeof header, image.sizeInBytes());
  return image;
}
