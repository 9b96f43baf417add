#pragma once
// The board window's pictures: Master (the off-screen picture of both boards,
// 858 x 437), Pattern (the image last read from a file) and the shown picture
// that the window paints. A drawing step hands Master over with a refresh
// when it is done, so a drawing that stops part-way never shows its
// half-finished state. Each image is read from fld2/ whenever it is drawn.

#include <QDir>
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

  // Images are read from imageFolder (the program's fld2/).
  explicit Canvas(const QDir& imageFolder);

  // Reads the image file name into Pattern; throws ImageLoadError when it
  // cannot be read, leaving Pattern as it was.
  void LoadPattern(const QString& name);
  // Replaces Pattern with an image held in memory.
  void SetPattern(const QImage& image);
  // Copies the 22 x 23 cell at (1, 0) of Pattern to topLeft of Master, cut at
  // the edges of both pictures.
  void DrawCell(QPoint topLeft);
  // LoadPattern, then DrawCell.
  void DrawImage(const QString& name, QPoint topLeft);
  // The shown picture takes what has been drawn into Master; the listener is told.
  void Refresh();

  const QImage& master() const { return master_; }
  // Master as of the last refresh: what the window shows.
  const QImage& shown() const { return shown_; }
  const QImage& pattern() const { return pattern_; }
  int refreshCount() const { return refreshCount_; }
  void SetRefreshListener(std::function<void()> listener) { listener_ = std::move(listener); }

 private:
  QDir imageFolder_;
  QImage master_;
  QImage shown_;
  QRect drawnSinceRefresh_;  // the part of Master not yet handed to shown_
  QImage pattern_;
  int refreshCount_ = 0;
  std::function<void()> listener_;
};
