#include "images/board_look.h"

namespace board_look {

QColor Wood() {
  return QColor(0xDE, 0xB2, 0x6A);
}
QColor GridLine() {
  return QColor(0x24, 0x1A, 0x0E);
}

QImage BlankCell() {
  QImage image(kImageSize, kImageSize, QImage::Format_RGB32);
  image.fill(Wood());
  return image;
}

void DrawGrid(QImage& image, const Arms& arms, int lineX, int lineY) {
  const QRgb ink = GridLine().rgb();
  const int last = kImageSize - 1;
  for (int y = arms.up ? 0 : lineY; y <= (arms.down ? last : lineY); ++y)
    image.setPixel(lineX, y, ink);
  for (int x = arms.left ? 0 : lineX; x <= (arms.right ? last : lineX); ++x)
    image.setPixel(x, lineY, ink);
}

QImage InnerPointCell() {
  QImage image = BlankCell();
  DrawGrid(image, Arms{});
  return image;
}

}  // namespace board_look
