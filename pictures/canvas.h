#pragma once
// The board window's pictures: the drawing (the off-screen picture of both
// boards, 858 x 437), the image last read from a file, and the shown picture
// that the window paints. A drawing step hands the drawing over with a
// refresh when it is done, so a drawing that stops part-way never shows its
// half-finished state. Each image is read from fld2/ whenever it is drawn.

#include <QDir>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

#include "pictures/image_load_error.h"

class Canvas {
 public:
  static constexpr int kWidth = 858;
  static constexpr int kHeight = 437;
  static constexpr int kCellWidth = 22;
  static constexpr int kCellHeight = 23;

  // Images are read from imageFolder (the program's fld2/).
  explicit Canvas(const QDir& imageFolder);

  // Reads the image file name as the image last read; throws ImageLoadError
  // when it cannot be read, leaving the image last read as it was.
  void ReadImage(const QString& name);
  // Takes an image held in memory as the image last read.
  void SetLastImage(const QImage& image);
  // Copies the 22 x 23 cell at (1, 0) of the image last read to topLeft of
  // the drawing, cut at the edges of both pictures.
  void DrawLastImage(QPoint topLeft);
  // ReadImage, then DrawLastImage.
  void DrawImage(const QString& name, QPoint topLeft);
  // The shown picture takes what has been drawn; the listener is told.
  void Refresh();

  const QImage& drawing() const { return drawing_; }
  // The drawing as of the last refresh: what the window shows.
  const QImage& shown() const { return shown_; }
  const QImage& lastImage() const { return lastImage_; }
  int refreshCount() const { return refreshCount_; }
  void SetRefreshListener(std::function<void()> listener) { listener_ = std::move(listener); }

 private:
  QDir imageFolder_;
  QImage drawing_;
  QImage shown_;
  QRect drawnSinceRefresh_;  // the part of the drawing not yet handed to shown_
  QImage lastImage_;
  int refreshCount_ = 0;
  std::function<void()> listener_;
};
