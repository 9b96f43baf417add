#include "images/menu_pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "pictures/picture_text.h"

namespace {

constexpr int kTitleWidth = 321;
constexpr int kTitleHeight = 233;
constexpr int kButtonWidth = 144;
constexpr int kButtonHeight = 33;

// The title's board: lines 24 pixels apart, its corner near the lower right.
constexpr double kSpacing = 24;
const QPointF kCorner(kTitleWidth - 30.5, kTitleHeight - 26.5);

QFont Face(const char* family, int pixelSize) {
  return FittedFont(QString::fromLatin1(family), pixelSize, QString(), pixelSize);
}

QFont Fitted(const char* family, int pixelSize, const QString& text, qreal width) {
  return FittedFont(QString::fromLatin1(family), pixelSize, text, width);
}

// Point (i, j) counted from the corner, 1 being the edge lines.
QPointF BoardPoint(int i, int j) {
  return kCorner - QPointF((i - 1) * kSpacing, (j - 1) * kSpacing);
}

void PaintWood(QPainter& painter) {
  QLinearGradient wood(0, 0, kTitleWidth, kTitleHeight);
  wood.setColorAt(0.0, QColor(0xE8, 0xC0, 0x7A));
  wood.setColorAt(1.0, QColor(0xD2, 0xA2, 0x5A));
  painter.fillRect(QRect(0, 0, kTitleWidth, kTitleHeight), wood);
  // Faint grain: gently waving lines whose spacing drifts across the board.
  painter.setPen(QPen(QColor(0xA8, 0x78, 0x38, 40), 1));
  for (int k = 0; k < 40; ++k) {
    QPainterPath grain;
    const double base = k * 6.3 + 3 * std::sin(k * 1.7);
    grain.moveTo(0, base);
    for (int x = 8; x <= kTitleWidth; x += 8)
      grain.lineTo(x, base + 2.5 * std::sin(x / 37.0 + k * 0.9) + x * 0.05);
    painter.drawPath(grain);
  }
}

void PaintGrid(QPainter& painter) {
  const QColor ink(0x2A, 0x1C, 0x0E);
  painter.setPen(QPen(ink, 1));
  for (double x = kCorner.x(); x > 0; x -= kSpacing)
    painter.drawLine(QPointF(x, 0), QPointF(x, kCorner.y()));
  for (double y = kCorner.y(); y > 0; y -= kSpacing)
    painter.drawLine(QPointF(0, y), QPointF(kCorner.x(), y));
  painter.setPen(QPen(ink, 2));
  painter.drawLine(QPointF(kCorner.x(), 0), kCorner);
  painter.drawLine(QPointF(0, kCorner.y()), kCorner);
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink);
  painter.drawEllipse(BoardPoint(4, 4), 3, 3);
}

void PaintStone(QPainter& painter, QPointF centre, bool black, int number) {
  const double radius = kSpacing / 2 - 0.6;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x40, 0x28, 0x10, 70));
  painter.drawEllipse(centre + QPointF(1.6, 1.8), radius, radius);
  QRadialGradient shade(centre, radius, centre + QPointF(-0.4 * radius, -0.45 * radius));
  shade.setColorAt(0.0, black ? QColor(0x78, 0x78, 0x78) : Qt::white);
  shade.setColorAt(0.35, black ? QColor(0x2C, 0x2C, 0x2C) : QColor(0xF0, 0xF0, 0xEC));
  shade.setColorAt(1.0, black ? QColor(0x05, 0x05, 0x05) : QColor(0xB0, 0xAE, 0xA6));
  painter.setPen(black ? Qt::NoPen : QPen(QColor(0x70, 0x68, 0x5A), 0.8));
  painter.setBrush(shade);
  painter.drawEllipse(centre, radius, radius);
  const QString text = QString::number(number);
  const QFont font = Face("DejaVu Sans", 13);
  painter.setFont(font);
  painter.setPen(black ? QColor(0xF4, 0xF4, 0xF0) : QColor(0x10, 0x10, 0x10));
  painter.drawText(centre - QFontMetricsF(font).tightBoundingRect(text).center(), text);
}

// The 3-3 invasion under the 4-4 point, in the order played.
void PaintJoseki(QPainter& painter) {
  const int moves[][2] = {{4, 4}, {3, 3}, {3, 4}, {4, 3}, {5, 3}, {5, 2}, {6, 2}};
  int number = 0;
  for (const auto& move : moves) {
    ++number;
    PaintStone(painter, BoardPoint(move[0], move[1]), number % 2 == 1, number);
  }
}

// Text filled with one colour over a wider stroke of another.
void PaintOutlinedText(QPainter& painter, QPointF origin, const QFont& font, const QString& text,
                       QColor fill, QColor outline, qreal outlineWidth) {
  QPainterPath path;
  path.addText(origin, font, text);
  painter.strokePath(path, QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.fillPath(path, fill);
}

void PaintTitle(QPainter& painter) {
  const QRectF panel(12, 12, kTitleWidth - 24, 96);
  QLinearGradient lacquer(panel.topLeft(), panel.bottomLeft());
  lacquer.setColorAt(0.0, QColor(0x7A, 0x24, 0x16));
  lacquer.setColorAt(1.0, QColor(0x44, 0x10, 0x08));
  painter.setPen(QPen(QColor(0xE8, 0xC8, 0x70), 2));
  painter.setBrush(lacquer);
  painter.drawRoundedRect(panel, 8, 8);

  const QString title = QStringLiteral("囲碁定石集");
  const QFont titleFont = Fitted("MotoyaLMaru", 50, title, panel.width() - 28);
  const QRectF titleInk = QFontMetricsF(titleFont).tightBoundingRect(title);
  const QPointF titleOrigin(panel.center().x() - titleInk.center().x(),
                            panel.top() + 14 - titleInk.top());
  PaintOutlinedText(painter, titleOrigin, titleFont, title, QColor(0xFF, 0xE8, 0xA8),
                    QColor(0x2A, 0x08, 0x04), 3);

  const QString subtitle = QStringLiteral("検索機能付き");
  const QFont subtitleFont = Fitted("MotoyaLMaru", 17, subtitle, panel.width() - 40);
  const QRectF subtitleInk = QFontMetricsF(subtitleFont).tightBoundingRect(subtitle);
  const QPointF subtitleOrigin(panel.center().x() - subtitleInk.center().x(),
                               panel.bottom() - 10 - subtitleInk.bottom());
  painter.setFont(subtitleFont);
  painter.setPen(QColor(0xF4, 0xE6, 0xC8));
  painter.drawText(subtitleOrigin, subtitle);
}

// A raised frame around a light face, with a round badge and the caption.
QImage Button(const QString& caption, QColor badge, const QString& badgeText) {
  QImage image(kButtonWidth, kButtonHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient face(0, 0, 0, kButtonHeight);
  face.setColorAt(0.0, QColor(0xFA, 0xF2, 0xDE));
  face.setColorAt(1.0, QColor(0xE0, 0xCC, 0x9C));
  painter.fillRect(image.rect(), face);
  const QRect outer = image.rect().adjusted(0, 0, -1, -1);
  painter.setPen(QColor(0x40, 0x30, 0x18));
  painter.drawRect(outer);
  painter.setPen(Qt::white);
  painter.drawLine(1, 1, kButtonWidth - 3, 1);
  painter.drawLine(1, 1, 1, kButtonHeight - 3);
  painter.setPen(QColor(0x98, 0x80, 0x50));
  painter.drawLine(2, kButtonHeight - 2, kButtonWidth - 2, kButtonHeight - 2);
  painter.drawLine(kButtonWidth - 2, 2, kButtonWidth - 2, kButtonHeight - 2);

  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF badgeCentre(17.5, kButtonHeight / 2.0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(badge);
  painter.drawEllipse(badgeCentre, 9.5, 9.5);
  const QFont badgeFont = Face("DejaVu Sans", 14);
  painter.setFont(badgeFont);
  painter.setPen(Qt::white);
  painter.drawText(badgeCentre - QFontMetricsF(badgeFont).tightBoundingRect(badgeText).center(),
                   badgeText);

  const QRectF textArea(31, 0, kButtonWidth - 37, kButtonHeight);
  const QFont font = Fitted("IPAPGothic", 18, caption, textArea.width());
  const QFontMetricsF metrics(font);
  const QPointF origin(textArea.center().x() - metrics.horizontalAdvance(caption) / 2,
                       textArea.center().y() - metrics.tightBoundingRect(caption).center().y());
  painter.setFont(font);
  painter.setPen(QColor(0x20, 0x14, 0x08));
  painter.drawText(origin, caption);
  return image;
}

}  // namespace

QImage TitlePicture() {
  QImage image(kTitleWidth, kTitleHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintWood(painter);
  PaintGrid(painter);
  PaintJoseki(painter);
  PaintTitle(painter);
  return image;
}

QImage HelpButtonPicture() {
  return Button(QStringLiteral("操作説明"), QColor(0x24, 0x5C, 0xC8), QStringLiteral("?"));
}

QImage QuitButtonPicture() {
  return Button(QStringLiteral("プログラム終了"), QColor(0xC0, 0x28, 0x20), QStringLiteral("×"));
}
