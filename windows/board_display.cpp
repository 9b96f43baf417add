#include "windows/board_display.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "pictures/canvas.h"

BoardDisplay::BoardDisplay(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
  setFixedSize(Canvas::kWidth, Canvas::kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_.SetRefreshListener([this] { update(); });
}

void BoardDisplay::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), canvas_.shown(), event->rect());
}

void BoardDisplay::contextMenuEvent(QContextMenuEvent* event) {
  if (onContextMenu) onContextMenu(event->pos(), event->globalPos());
}

void BoardDisplay::mouseDoubleClickEvent(QMouseEvent* event) {
  // A double click is one click: the release that ends it is not another.
  if (event->button() == Qt::LeftButton) releaseEndsDoubleClick_ = true;
}

void BoardDisplay::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (std::exchange(releaseEndsDoubleClick_, false)) return;
  if (!rect().contains(event->position().toPoint())) return;
  if (onClick) onClick(event->position().x(), event->position().y());
}
