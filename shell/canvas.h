#pragma once
// The board window's pictures: Master (the off-screen picture of both boards,
// 858 x 437), Pattern (the image last loaded from a file) and the shown
// picture that the visible Display paints. A drawing step hands Master over
// with a refresh when it is done, so a drawing that stops part-way never shows
// its half-finished state. A refresh copies only the cells drawn since the
// last one, so it stays cheap enough to follow every stone.

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <stdexcept>

struct ImageLoadError : std::runtime_error {
  explicit ImageLoadError(const QString& path)
      : std::runtime_error(("cannot read image " + path).toStdString()) {}
};

class Canvas {
 public:
  static constexpr int kWidth = 858;
  static constexpr int kHeight = 437;
  static constexpr int kCellWidth = 22;
  static constexpr int kCellHeight = 23;

  Canvas();

  // Loads the image of a program path ("\fld2\aa.gif") into Pattern, read from
  // disk every time; throws ImageLoadError when the file cannot be read.
  void LoadPattern(const QString& programPath);
  // Replaces Pattern with an image held in memory (tests, generated pictures).
  void SetPattern(const QImage& image);
  // Copies the 22 x 23 cell at (1, 0) of Pattern to (x, y) of Master, cut at
  // the edges of both pictures.
  void DrawCell(int x, int y);
  // The shown picture takes what Master holds; the listener is told.
  void Refresh();

  const QImage& master() const { return master_; }
  // Master as of the last refresh: what Display shows.
  const QImage& shown() const { return shown_; }
  const QImage& pattern() const { return pattern_; }
  int refreshCount() const { return refreshCount_; }
  // Called by Refresh (the visible picture box schedules a repaint there).
  void SetRefreshListener(std::function<void()> listener) { listener_ = std::move(listener); }

 private:
  QImage master_;
  QImage shown_;
  QRect drawnSinceRefresh_;  // the part of Master not yet handed to shown_
  QImage pattern_;
  int refreshCount_ = 0;
  std::function<void()> listener_;
};

// Pixel position of the cell of point (column, row), both 1..19.
inline int LeftCellX(int column) {
  return (column - 1) * Canvas::kCellWidth;
}
inline int RightCellX(int column) {
  return (column + 19) * Canvas::kCellWidth;
}
inline int CellY(int row) {
  return (row - 1) * Canvas::kCellHeight;
}
