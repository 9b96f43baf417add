#include "images/stones.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

#include "images/board_look.h"

namespace stones {
namespace {

constexpr double kRadius = 10.4;

QRadialGradient Shading(Colour colour) {
  const QPointF centre = board_look::PointCentre();
  // The light falls from the upper left.
  const QPointF highlight = centre + QPointF(-0.38 * kRadius, -0.42 * kRadius);
  QRadialGradient gradient(centre, kRadius, highlight);
  if (colour == Colour::kBlack) {
    gradient.setColorAt(0.0, QColor(0x70, 0x70, 0x70));
    gradient.setColorAt(0.3, QColor(0x30, 0x30, 0x30));
    gradient.setColorAt(1.0, QColor(0x06, 0x06, 0x06));
  } else {
    gradient.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
    gradient.setColorAt(0.55, QColor(0xEE, 0xEE, 0xEA));
    gradient.setColorAt(1.0, QColor(0xB4, 0xB2, 0xAA));
  }
  return gradient;
}

void PaintStone(QPainter& painter, Colour colour) {
  painter.setRenderHint(QPainter::Antialiasing);
  // A white stone needs a rim to stand out against the light wood.
  if (colour == Colour::kWhite)
    painter.setPen(QPen(QColor(0x6E, 0x66, 0x58), 0.9));
  else
    painter.setPen(Qt::NoPen);
  painter.setBrush(Shading(colour));
  painter.drawEllipse(board_look::PointCentre(), kRadius, kRadius);
}

QFont NumberFont(int digits) {
  QFont font;
  // A condensed face keeps two digits inside the stone at a legible size.
  if (digits == 1)
    font.setFamilies({"DejaVu Sans", "Liberation Sans", "Noto Sans", "sans-serif"});
  else
    font.setFamilies(
        {"DejaVu Sans Condensed", "Liberation Sans Narrow", "DejaVu Sans", "sans-serif"});
  font.setBold(true);
  font.setPixelSize(digits == 1 ? 14 : 12);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

void PaintNumber(QPainter& painter, Colour colour, int n) {
  const QString text = QString::number(n);
  const QFont font = NumberFont(text.size());
  const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
  const QPointF centre = board_look::PointCentre();
  // Whole-pixel baseline keeps the hinted glyphs crisp.
  const QPointF origin(std::round(centre.x() - ink.center().x()),
                       std::round(centre.y() - ink.center().y()));
  painter.setFont(font);
  painter.setPen(colour == Colour::kBlack ? QColor(0xF4, 0xF4, 0xF0) : QColor(0x10, 0x10, 0x10));
  painter.drawText(origin, text);
}

QImage Draw(Colour colour, const std::function<void(QPainter&)>& extra) {
  QImage image = board_look::BlankCell();
  QPainter painter(&image);
  PaintStone(painter, colour);
  if (extra) extra(painter);
  return image;
}

}  // namespace

QImage Plain(Colour colour) {
  return Draw(colour, nullptr);
}

QImage Numbered(Colour colour, int n) {
  return Draw(colour, [&](QPainter& painter) { PaintNumber(painter, colour, n); });
}

QImage LastMove(Colour colour) {
  return Draw(colour, [](QPainter& painter) {
    painter.setPen(QPen(QColor(0xE8, 0x10, 0x10), 2.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(board_look::PointCentre(), 4.8, 4.8);
  });
}

QImage PastLastNumber() {
  return Draw(Colour::kBlack, [](QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x90, 0x90, 0x90));
    painter.drawEllipse(board_look::PointCentre(), 1.6, 1.6);
  });
}

}  // namespace stones
