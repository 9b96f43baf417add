#include "windows/drill_board.h"

#include <QMouseEvent>
#include <QPainter>

#include "pictures/board_renderer.h"
#include "pictures/canvas.h"

DrillBoard::DrillBoard(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
  setFixedSize(BoardArea(Board::kLeft).size());
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  canvas_.SetRefreshListener([this] { update(); });
}

void DrillBoard::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  painter.drawImage(area, canvas_.shown(), area.translated(BoardArea(Board::kLeft).topLeft()));
}

void DrillBoard::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  const QPointF at = event->position() + BoardArea(Board::kLeft).topLeft();
  if (onClick) onClick(at.x(), at.y());
}
