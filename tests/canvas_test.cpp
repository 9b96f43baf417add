#include <gtest/gtest.h>

#include "shell/canvas.h"

namespace {
// A 23 x 23 pattern whose every pixel names its own column and row.
QImage CoordinatePattern() {
  QImage image(23, 23, QImage::Format_RGB32);
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 23; ++x) image.setPixel(x, y, qRgb(x, y, 200));
  return image;
}
}  // namespace

TEST(DrawCell, CopiesColumnsOneTo22OfThePattern) {
  Canvas canvas;
  canvas.SetPattern(CoordinatePattern());
  const QRgb before = canvas.master().pixel(100, 50);
  canvas.DrawCell(100, 50);
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 22; ++x) ASSERT_EQ(canvas.master().pixel(100 + x, 50 + y), qRgb(x + 1, y, 200));
  EXPECT_EQ(canvas.master().pixel(122, 50), before);  // column 0 of the pattern is never copied
  EXPECT_EQ(canvas.master().pixel(99, 50), before);
  EXPECT_EQ(canvas.master().pixel(100, 73), before);
}

TEST(DrawCell, IsCutAtEveryEdgeOfMaster) {
  struct Case {
    int x, y;
  };
  for (const Case c : {Case{-22, 0}, Case{-5, -7}, Case{850, 430}, Case{858, 0}, Case{0, -23}}) {
    Canvas canvas;
    canvas.SetPattern(CoordinatePattern());
    canvas.DrawCell(c.x, c.y);
    for (int y = 0; y < Canvas::kHeight; ++y) {
      for (int x = 0; x < Canvas::kWidth; ++x) {
        const bool inside = x >= c.x && x < c.x + 22 && y >= c.y && y < c.y + 23;
        if (inside) {
          ASSERT_EQ(canvas.master().pixel(x, y), qRgb(x - c.x + 1, y - c.y, 200));
        }
      }
    }
  }
}

TEST(DrawCell, ASmallerPatternCopiesOnlyWhatItHas) {
  Canvas canvas;
  canvas.SetPattern(CoordinatePattern().copy(0, 0, 10, 5));
  const QRgb before = canvas.master().pixel(20, 20);
  canvas.DrawCell(20, 20);
  EXPECT_EQ(canvas.master().pixel(20, 20), qRgb(1, 0, 200));
  EXPECT_EQ(canvas.master().pixel(29, 20), before);
  EXPECT_EQ(canvas.master().pixel(20, 25), before);
}

TEST(Canvas, MissingFileRaisesAndKeepsThePattern) {
  Canvas canvas;
  canvas.SetPattern(CoordinatePattern());
  EXPECT_THROW(canvas.LoadPattern(u"\\fld2\\nosuchfile.gif"_qs), ImageLoadError);
  EXPECT_EQ(canvas.pattern().pixel(5, 5), qRgb(5, 5, 200));
}

TEST(Canvas, RefreshTellsTheDisplay) {
  Canvas canvas;
  int told = 0;
  canvas.SetRefreshListener([&] { ++told; });
  canvas.Refresh();
  canvas.Refresh();
  EXPECT_EQ(told, 2);
  EXPECT_EQ(canvas.refreshCount(), 2);
}
