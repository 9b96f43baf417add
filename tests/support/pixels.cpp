#include "support/pixels.h"

#include <QHash>

#include "shell/board_window.h"
#include "shell/canvas.h"

namespace {
constexpr int kCellWidth = Canvas::kCellWidth;
constexpr int kCellHeight = Canvas::kCellHeight;

bool CellEquals(const QImage& master, int x, int y, const QImage& image) {
  if (image.width() < kCellWidth + 1 || image.height() < kCellHeight) return false;
  for (int row = 0; row < kCellHeight; ++row) {
    for (int column = 0; column < kCellWidth; ++column) {
      if (master.pixel(x + column, y + row) != image.pixel(column + 1, row)) return false;
    }
  }
  return true;
}
}  // namespace

const QImage& ImageFile(const QString& name) {
  static QHash<QString, QImage> cache;
  auto found = cache.find(name);
  if (found == cache.end()) {
    const QImage image(QStringLiteral(PROGRAM_DIR "/fld2/") + name);
    found = cache.insert(name, image.convertToFormat(QImage::Format_RGB32));
  }
  return *found;
}

const QStringList& ImageCatalogue() {
  static const QStringList names = [] {
    QStringList list = {"cross23.jpg",    "crossdot23.jpg",   "upleft23.jpg",
                        "upright23.jpg",  "bottomleft23.jpg", "bottomright23.jpg",
                        "top23.jpg",      "bottom23.jpg",     "left23.jpg",
                        "right23.jpg",    "mygold.gif",       "ysilver.gif",
                        "zgold.gif",      "zkurored.gif",     "zshirored.gif",
                        "aa.gif",         "ab.gif",           "ac.gif",
                        "ad.gif",         "ae.gif",           "kurokuro.gif",
                        "shiroshiro.gif", "newcross.gif",     "mmmcross.gif"};
    for (int n = 1; n <= 55; ++n) list << QStringLiteral("zkuro%1.gif").arg(n);
    for (int n = 1; n <= 55; ++n) list << QStringLiteral("zshiro%1.gif").arg(n);
    return list;
  }();
  return names;
}

::testing::AssertionResult CellShows(const QImage& master, int x, int y, const QString& name) {
  const QImage& image = ImageFile(name);
  if (image.isNull()) return ::testing::AssertionFailure() << "cannot read " << name.toStdString();
  if (CellEquals(master, x, y, image)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "cell (" << x << ", " << y << ") shows " << ShownImage(master, x, y).toStdString()
         << ", not " << name.toStdString();
}

::testing::AssertionResult LeftPointShows(const QImage& master, int column, int row,
                                          const QString& name) {
  return CellShows(master, LeftCellX(column), CellY(row), name)
         << " (left board, column " << column << ", row " << row << ")";
}

::testing::AssertionResult RightPointShows(const QImage& master, int column, int row,
                                           const QString& name) {
  return CellShows(master, RightCellX(column), CellY(row), name)
         << " (right board, column " << column << ", row " << row << ")";
}

QString ShownImage(const QImage& master, int x, int y) {
  for (const QString& name : ImageCatalogue()) {
    if (CellEquals(master, x, y, ImageFile(name))) return name;
  }
  return QStringLiteral("?");
}

QString LeftPointImage(const QImage& master, int column, int row) {
  return ShownImage(master, LeftCellX(column), CellY(row));
}

QString RightPointImage(const QImage& master, int column, int row) {
  return ShownImage(master, RightCellX(column), CellY(row));
}

QString TileName(int column, int row) {
  const bool top = row == 1, bottom = row == 19, left = column == 1, right = column == 19;
  if (top && left) return "upleft23.jpg";
  if (top && right) return "upright23.jpg";
  if (bottom && left) return "bottomleft23.jpg";
  if (bottom && right) return "bottomright23.jpg";
  if (top) return "top23.jpg";
  if (bottom) return "bottom23.jpg";
  if (left) return "left23.jpg";
  if (right) return "right23.jpg";
  const auto star = [](int line) { return line == 4 || line == 10 || line == 16; };
  return star(column) && star(row) ? "crossdot23.jpg" : "cross23.jpg";
}

::testing::AssertionResult AreaEqual(const QImage& a, const QImage& b, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) {
        return ::testing::AssertionFailure() << "pictures differ at (" << x << ", " << y << ")";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

QImage EmptyBoards() {
  BoardWindow empty;
  empty.ResetLeftBoard();
  empty.ResetRightBoard();
  return empty.canvas.master();
}
