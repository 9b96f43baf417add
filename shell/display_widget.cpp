#include "shell/display_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/canvas.h"

DisplayWidget::DisplayWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
  setFixedSize(Canvas::kWidth, Canvas::kHeight);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_.SetRefreshListener([this] { update(); });
}

void DisplayWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), canvas_.master(), event->rect());
}

void DisplayWidget::mouseMoveEvent(QMouseEvent* event) {
  if (onMouseMove) onMouseMove(event->position().x(), event->position().y());
}

void DisplayWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  // The click's own position names the cell, as the last movement would.
  if (onMouseMove) onMouseMove(event->position().x(), event->position().y());
  if (onClick) onClick();
}
