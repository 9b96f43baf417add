#include "images/marks.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "images/board_look.h"

namespace marks {
namespace {

using board_look::PointCentre;

// Where the tenuki mark's image lies relative to its cell.
constexpr int kTenukiShiftX = 3;
constexpr int kTenukiShiftY = 4;

QColor MarkInk() {
  return QColor(0x14, 0x10, 0x0C);
}

}  // namespace

QImage Letter(QChar letter) {
  QImage image = board_look::InnerPointCell();
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(board_look::Wood());
  painter.drawEllipse(PointCentre(), 7.6, 7.6);

  QFont font;
  font.setFamilies({"DejaVu Sans", "Liberation Sans", "Noto Sans", "sans-serif"});
  font.setBold(true);
  font.setPixelSize(16);
  const QString text(letter);
  const QFontMetricsF metrics(font);
  // Centring the x-height, not the ink, keeps a, b, c, d, e on one baseline.
  const QPointF origin(std::round(PointCentre().x() - metrics.tightBoundingRect(text).center().x()),
                       std::round(PointCentre().y() + metrics.xHeight() / 2));
  painter.setFont(font);
  painter.setPen(MarkInk());
  painter.drawText(origin, text);
  return image;
}

QImage DarkTriangle() {
  QImage image = board_look::InnerPointCell();
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(MarkInk());
  const QPointF c = PointCentre();
  const double r = 8.4;  // circumradius; the centroid sits on the point
  painter.drawPolygon(QPolygonF(
      {c + QPointF(0, -r), c + QPointF(r * 0.866, r * 0.5), c + QPointF(-r * 0.866, r * 0.5)}));
  return image;
}

QImage LightSquare() {
  QImage image = board_look::InnerPointCell();
  QPainter painter(&image);
  painter.setPen(QPen(MarkInk(), 1.0));
  painter.setBrush(QColor(0xFC, 0xFC, 0xF8));
  // Pixel-aligned so the rim stays one crisp pixel.
  painter.drawRect(QRect(board_look::kLineX - 5, board_look::kLineY - 5, 10, 10));
  return image;
}

QImage AllowedFirstPoint() {
  QImage image = board_look::InnerPointCell();
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0xE0, 0x12, 0x12), 2.4));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(PointCentre(), 6.2, 6.2);
  return image;
}

QImage TenukiCell() {
  const int lineX = board_look::kLineX - kTenukiShiftX;
  const int lineY = board_look::kLineY - kTenukiShiftY;
  QImage image = board_look::BlankCell();
  board_look::DrawGrid(image, board_look::Arms{}, lineX, lineY);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF c(lineX + 0.5, lineY + 0.5);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xD8, 0xEC, 0xFF));
  painter.drawEllipse(c, 6.8, 6.8);
  painter.setPen(QPen(QColor(0x10, 0x48, 0xC8), 2.2, Qt::SolidLine, Qt::RoundCap));
  const double arm = 3.8;
  painter.drawLine(c + QPointF(-arm, -arm), c + QPointF(arm, arm));
  painter.drawLine(c + QPointF(-arm, arm), c + QPointF(arm, -arm));
  return image;
}

}  // namespace marks
