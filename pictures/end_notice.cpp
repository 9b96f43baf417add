#include "pictures/end_notice.h"

#include "pictures/picture_text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kWidth = 121;
constexpr int kHeight = 76;

void PaintPanel(QPainter& painter) {
  QLinearGradient face(0, 0, 0, kHeight);
  face.setColorAt(0.0, QColor(0x3A, 0x6E, 0xD8));
  face.setColorAt(1.0, QColor(0x12, 0x32, 0x96));
  painter.fillRect(QRect(0, 0, kWidth, kHeight), face);
  painter.setPen(QPen(QColor(0xC8, 0xDC, 0xFF), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(3, 3, kWidth - 6, kHeight - 6), 6, 6);
}

}  // namespace

QImage EndNoticePicture() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintPanel(painter);
  const QString text = QStringLiteral("手順終了");
  const QFont font = FittedFont(QStringLiteral("IPAPGothic"), 32, text, kWidth - 16);
  const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
  const QPointF origin = QPointF(kWidth / 2.0, kHeight / 2.0) - ink.center();
  QPainterPath path;
  path.addText(origin, font, text);
  painter.translate(1.5, 1.5);  // a soft shadow first
  painter.fillPath(path, QColor(0x06, 0x14, 0x48));
  painter.translate(-1.5, -1.5);
  painter.fillPath(path, Qt::white);
  return image;
}
