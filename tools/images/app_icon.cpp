#include "images/app_icon.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace app_icon {
namespace {

// Lines 28 units apart; the corner of the board sits at the lower right.
constexpr double kSpacing = 28;
constexpr double kCorner = 104;
constexpr double kStoneRadius = 13;
const QColor kInk(0x2A, 0x1C, 0x0E);

QPointF BoardPoint(int fromRight, int fromBottom) {
  return {kCorner - fromRight * kSpacing, kCorner - fromBottom * kSpacing};
}

void PaintWood(QPainter& painter) {
  QLinearGradient wood(0, 0, kUnits, kUnits);
  wood.setColorAt(0.0, QColor(0xEC, 0xC6, 0x80));
  wood.setColorAt(1.0, QColor(0xCC, 0x9A, 0x52));
  painter.setPen(QPen(QColor(0x7A, 0x52, 0x20), 2));
  painter.setBrush(wood);
  painter.drawRoundedRect(QRectF(3, 3, kUnits - 6, kUnits - 6), 18, 18);
}

// Inner lines stop short of the rounded frame; the two edges are heavier.
void PaintGrid(QPainter& painter) {
  constexpr double kFar = 14;
  painter.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::FlatCap));
  for (int k = 1; k <= 3; ++k) {
    const QPointF p = BoardPoint(k, k);
    painter.drawLine(QPointF(p.x(), kFar), QPointF(p.x(), kCorner));
    painter.drawLine(QPointF(kFar, p.y()), QPointF(kCorner, p.y()));
  }
  painter.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::SquareCap));
  painter.drawLine(QPointF(kCorner, kFar), QPointF(kCorner, kCorner));
  painter.drawLine(QPointF(kFar, kCorner), QPointF(kCorner, kCorner));
}

void PaintStone(QPainter& painter, QPointF centre, bool black) {
  const QPointF light = centre + QPointF(-0.4 * kStoneRadius, -0.45 * kStoneRadius);
  QRadialGradient shade(centre, kStoneRadius, light);
  shade.setColorAt(0.0, black ? QColor(0x7A, 0x7A, 0x7A) : Qt::white);
  shade.setColorAt(0.35, black ? QColor(0x2C, 0x2C, 0x2C) : QColor(0xF2, 0xF2, 0xEE));
  shade.setColorAt(1.0, black ? QColor(0x05, 0x05, 0x05) : QColor(0xB0, 0xAE, 0xA6));
  painter.setPen(black ? QPen(Qt::NoPen) : QPen(QColor(0x5E, 0x56, 0x48), 1.5));
  painter.setBrush(shade);
  painter.drawEllipse(centre, kStoneRadius, kStoneRadius);
}

}  // namespace

void Paint(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  PaintWood(painter);
  PaintGrid(painter);
  // Two stones on the corner's diagonal read at any size.
  PaintStone(painter, BoardPoint(2, 2), true);
  PaintStone(painter, BoardPoint(1, 1), false);
}

}  // namespace app_icon
