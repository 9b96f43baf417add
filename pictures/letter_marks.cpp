#include "pictures/letter_marks.h"

#include <QPainter>

#include "pictures/image_catalogue.h"
#include "pictures/picture_text.h"

namespace {
constexpr char16_t kLastPictured = u'e';
}  // namespace

void DrawLetterOnPoint(Canvas& canvas, Board board, Point p, char16_t letter) {
  if (letter <= kLastPictured) return DrawOnPoint(canvas, board, p, MarkerImage(letter));
  const QPoint origin = CellOrigin(board, p);
  // DrawCell copies the cell at (1, 0) of the pattern: the point as it is
  // shown now, with the letter on a patch of board colour so that the lines
  // do not cross it.
  QImage cell(Canvas::kCellWidth + 1, Canvas::kCellHeight, QImage::Format_RGB32);
  QPainter painter(&cell);
  painter.drawImage(QPoint(1, 0), canvas.master(),
                    QRect(origin, QSize(Canvas::kCellWidth, Canvas::kCellHeight)));
  const QString text(QChar{letter});
  painter.setFont(FittedFont(u"sans-serif"_qs, 17, text, Canvas::kCellWidth - 4));
  const QRect box(1, 0, Canvas::kCellWidth, Canvas::kCellHeight);
  const QRect inked = painter.boundingRect(box, Qt::AlignCenter, text).adjusted(-1, 2, 1, -2);
  painter.fillRect(inked, cell.pixelColor(2, 1));
  painter.setPen(Qt::black);
  painter.drawText(box, Qt::AlignCenter, text);
  painter.end();
  canvas.SetPattern(cell);
  canvas.DrawCell(origin);
}
