// The board pictures of fld2/ and the drawn pictures of the windows.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QSet>

#include "board/end_notice.h"
#include "shell/menu_pictures.h"

namespace {

constexpr int kSize = 23;

QString ImagePath(const QString& name) {
  return QStringLiteral(PROGRAM_DIR "/fld2/") + name;
}

QImage Load(const QString& name) {
  return QImage(ImagePath(name)).convertToFormat(QImage::Format_RGB32);
}

QStringList TileNames() {
  return {"cross23.jpg",      "crossdot23.jpg",    "upleft23.jpg", "upright23.jpg",
          "bottomleft23.jpg", "bottomright23.jpg", "top23.jpg",    "bottom23.jpg",
          "left23.jpg",       "right23.jpg"};
}

QStringList StoneNames(bool black) {
  QStringList names;
  for (int n = 1; n <= 55; ++n)
    names << QStringLiteral("z%1%2.gif").arg(black ? "kuro" : "shiro").arg(n);
  names << (black ? QStringList{"mygold.gif", "zgold.gif", "zkurored.gif"}
                  : QStringList{"ysilver.gif", "zshirored.gif"});
  return names;
}

QStringList MarkNames() {
  return {"aa.gif",       "ab.gif",         "ac.gif",       "ad.gif",      "ae.gif",
          "kurokuro.gif", "shiroshiro.gif", "newcross.gif", "mmmcross.gif"};
}

QStringList GifNames() {
  return StoneNames(true) + StoneNames(false) + MarkNames();
}

bool IsDark(QRgb pixel) {
  return qGray(pixel) < 90;
}

bool Near(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The wood of an empty board, read where no line passes.
QRgb Wood() {
  return Load("cross23.jpg").pixel(3, 3);
}

TEST(BoardImages, CatalogueIsCompleteWithRightFormatsAndSize) {
  const QStringList expected = TileNames() + GifNames();
  ASSERT_EQ(expected.size(), 134);
  QStringList found = QDir(QStringLiteral(PROGRAM_DIR "/fld2"))
                          .entryList({"*.gif", "*.jpg"}, QDir::Files, QDir::Name);
  QStringList sorted = expected;
  sorted.sort();
  EXPECT_EQ(found, sorted);
  for (const QString& name : expected) {
    SCOPED_TRACE(name.toStdString());
    QImageReader reader(ImagePath(name));  // the format comes from the content
    EXPECT_EQ(reader.format(), name.endsWith(".gif") ? QByteArray("gif") : QByteArray("jpeg"));
    EXPECT_EQ(reader.size(), QSize(kSize, kSize));
  }
}

TEST(BoardImages, EveryPictureIsDistinct) {
  QSet<QByteArray> seen;
  for (const QString& name : TileNames() + GifNames()) {
    const QImage image = Load(name);
    const QByteArray digest = QCryptographicHash::hash(
        QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Sha1);
    EXPECT_FALSE(seen.contains(digest)) << name.toStdString() << " repeats another picture";
    seen.insert(digest);
  }
}

// The grid line of each tile must meet its neighbour's at the shared edge, and
// an edge point has no line beyond the board.
TEST(BoardImages, GridLinesJoinAcrossTiles) {
  const QImage cross = Load("cross23.jpg");
  int lineX = -1, lineY = -1;
  for (int x = 1; x < kSize; ++x)
    if (IsDark(cross.pixel(x, 3))) lineX = x;
  for (int y = 0; y < kSize; ++y)
    if (IsDark(cross.pixel(3, y))) lineY = y;
  ASSERT_GT(lineX, 0);
  ASSERT_GE(lineY, 0);
  struct Probe {
    const char* tile;
    int x, y;
    bool dark;
  };
  const Probe probes[] = {
      {"cross23.jpg", lineX, 0, true},
      {"cross23.jpg", lineX, kSize - 1, true},
      {"cross23.jpg", 1, lineY, true},
      {"cross23.jpg", kSize - 1, lineY, true},
      {"crossdot23.jpg", lineX, 0, true},
      {"crossdot23.jpg", 1, lineY, true},
      {"top23.jpg", lineX, kSize - 1, true},
      {"top23.jpg", lineX, 0, false},
      {"top23.jpg", 1, lineY, true},
      {"bottom23.jpg", lineX, 0, true},
      {"bottom23.jpg", lineX, kSize - 1, false},
      {"left23.jpg", kSize - 1, lineY, true},
      {"left23.jpg", 1, lineY, false},
      {"left23.jpg", lineX, 0, true},
      {"right23.jpg", 1, lineY, true},
      {"right23.jpg", kSize - 1, lineY, false},
      {"upleft23.jpg", lineX, 0, false},
      {"upleft23.jpg", kSize - 1, lineY, true},
      {"bottomright23.jpg", lineX, kSize - 1, false},
      {"bottomright23.jpg", 1, lineY, true},
  };
  for (const Probe& probe : probes) {
    SCOPED_TRACE(std::string(probe.tile) + " at " + std::to_string(probe.x) + "," +
                 std::to_string(probe.y));
    EXPECT_EQ(IsDark(Load(probe.tile).pixel(probe.x, probe.y)), probe.dark);
  }
  // The star point's dot is wider than a line.
  EXPECT_TRUE(IsDark(Load("crossdot23.jpg").pixel(lineX + 1, lineY + 1)));
}

// Numbers sit in the middle, so the stone's colour is read around them.
TEST(BoardImages, StonesHaveTheirColour) {
  for (const bool black : {true, false}) {
    for (const QString& name : StoneNames(black)) {
      SCOPED_TRACE(name.toStdString());
      const QImage image = Load(name);
      int sum = 0;
      const QPoint samples[] = {{12, 3}, {12, 19}, {6, 5}, {18, 5}, {6, 17}, {18, 17}};
      for (const QPoint& p : samples) sum += qGray(image.pixel(p));
      const int mean = sum / int(std::size(samples));
      if (black)
        EXPECT_LT(mean, 80);
      else
        EXPECT_GT(mean, 170);
    }
  }
}

// Cells are copied without transparency: every picture brings its own wood.
TEST(BoardImages, CornersShowTheBoard) {
  const QRgb wood = Wood();
  for (const QString& name : TileNames() + GifNames()) {
    SCOPED_TRACE(name.toStdString());
    const QImage image = Load(name);
    for (const QPoint& corner :
         {QPoint(1, 0), QPoint(kSize - 1, 0), QPoint(1, kSize - 1), QPoint(kSize - 1, kSize - 1)})
      EXPECT_TRUE(Near(image.pixel(corner), wood, 8)) << corner.x() << "," << corner.y();
  }
}

TEST(WindowPictures, HaveTheirSizeAndContent) {
  struct Case {
    const char* name;
    QImage (*draw)();
    QSize size;
  };
  const Case cases[] = {
      {"end notice", EndNoticePicture, {121, 76}},
      {"title", TitlePicture, {321, 233}},
      {"help button", HelpButtonPicture, {144, 33}},
      {"quit button", QuitButtonPicture, {144, 33}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QImage image = c.draw().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.size(), c.size);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    // Lettering and shading give many tones; a blank or failed drawing has few.
    EXPECT_GT(colours.size(), 40);
  }
}

}  // namespace
