#include "pictures/picture_text.h"

#include <QFontMetricsF>
#include <QStringList>

QFont FittedFont(const QString& family, int pixelSize, const QString& text, qreal width) {
  QFont font;
  font.setFamilies(
      QStringList{family, u"IPAPGothic"_qs, u"IPAGothic"_qs, u"MotoyaLMaru"_qs, u"sans-serif"_qs});
  font.setBold(true);
  font.setPixelSize(pixelSize);
  while (font.pixelSize() > 8 && QFontMetricsF(font).horizontalAdvance(text) > width)
    font.setPixelSize(font.pixelSize() - 1);
  return font;
}
