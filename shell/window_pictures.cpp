#include "shell/window_pictures.h"

#include <QFileInfo>
#include <QImageReader>

QImage WindowPicture(const QString& name) {
  QImageReader reader(u":/pictures/"_qs + name, QFileInfo(name).suffix().toLatin1());
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}
