// The pictures: the catalogue of fld2/, reading image files (giflib gives the
// pixels Qt's own reader gives; a file claiming a size no cell has is refused
// at once), the cell copy and the hand-over to the shown picture.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include "pictures/canvas.h"
#include "pictures/image_catalogue.h"
#include "pictures/image_decoding.h"
#include "pictures/picture_text.h"
#include "pictures/window_pictures.h"
#include "support/board_pictures.h"
#include "support/test_folder.h"

namespace {

QByteArray FileBytes(const QString& name) {
  QFile file(BuiltProgramFolder().ImageFolder().filePath(name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
  return file.readAll();
}

// A 23 x 23 image whose every pixel names its own column and row.
QImage CoordinateImage() {
  QImage image(23, 23, QImage::Format_RGB32);
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 23; ++x) image.setPixel(x, y, qRgb(x, y, 200));
  return image;
}

TEST(Pictures, TheCatalogueNamesEveryImageOfTheFolder) {
  const QStringList catalogue = ImageCatalogue();
  QStringList sorted = catalogue;
  sorted.sort();
  EXPECT_EQ(
      BuiltProgramFolder().ImageFolder().entryList({"*.gif", "*.jpg"}, QDir::Files, QDir::Name),
      sorted);
  EXPECT_EQ(catalogue.size(), 134);
}

TEST(Pictures, EveryGifReadsAsQtReadsIt) {
  for (const QString& name : ImageCatalogue()) {
    if (!name.endsWith(".gif")) continue;
    const QByteArray bytes = FileBytes(name);
    QImage qt;
    qt.loadFromData(bytes, "gif");
    EXPECT_TRUE(DecodeGif(bytes) == qt.convertToFormat(QImage::Format_RGB32)) << name.toStdString();
  }
}

// A 1 x 1 GIF of palette {black, white} whose pixel is white, after the given
// extension: a transparent colour keeps its colour, as Qt's reader keeps it.
TEST(Pictures, ExtensionsArePassedOverAsQtDoes) {
  const QByteArray head("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff", 19);
  const QByteArray image(",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02L\x01\x00;", 16);
  const QByteArray extensions[] = {
      QByteArray("!\xf9\x04\x01\x00\x00\x01\x00", 8),  // white transparent
      QByteArray("!\xf9\x04\x00\x00\x00\x01\x00", 8),  // the same without the flag
      QByteArray("!\xf9\x04\x01\x00\x00\x00\x00", 8),  // black transparent
      QByteArray("!\xfe\x04\x01\x00\x00\x01\x00", 8),  // a comment
  };
  for (const QByteArray& extension : extensions) {
    EXPECT_EQ(DecodeGif(head + extension + image).pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_TRUE(DecodeGif(head + extension.chopped(2)).isNull());  // cut inside the block
  }
}

// A GIF of the 5 x 11 frame, rows interlaced, at left on a screen of the given
// size; two colours, a pixel of the frame whose red is above 127 is white.
QByteArray InterlacedGif(const QImage& frame, QSize screen, int left) {
  QByteArray bytes;
  const auto write = [](GifFileType* gif, const GifByteType* data, int n) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), n);
    return n;
  };
  int error = 0;
  GifFileType* gif = EGifOpen(&bytes, write, &error);
  GifColorType colours[2] = {{0, 0, 0}, {255, 255, 255}};
  ColorMapObject* map = GifMakeMapObject(2, colours);
  EGifPutScreenDesc(gif, screen.width(), screen.height(), 1, 0, map);
  EGifPutImageDesc(gif, left, 0, 5, 11, true, nullptr);
  GifPixelType line[5];
  for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
    for (int y = start; y < 11; y += step) {
      for (int x = 0; x < 5; ++x) line[x] = qRed(frame.pixel(x, y)) > 127;
      EGifPutLine(gif, line, 5);
    }
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return bytes;
}

TEST(Pictures, InterlacedRowsLandInTheirPlacesAndTheScreenCutsTheFrame) {
  QImage stripes(5, 11, QImage::Format_RGB32);
  for (int y = 0; y < 11; ++y)
    for (int x = 0; x < 5; ++x)
      stripes.setPixel(x, y, (x + y * y) % 3 == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
  EXPECT_TRUE(DecodeGif(InterlacedGif(stripes, {5, 11}, 0)) == stripes);
  QImage cut(5, 8, QImage::Format_RGB32);
  cut.fill(Qt::black);
  for (int y = 0; y < 8; ++y)
    for (int x = 2; x < 5; ++x) cut.setPixel(x, y, stripes.pixel(x - 2, y));
  EXPECT_TRUE(DecodeGif(InterlacedGif(stripes, {5, 8}, 2)) == cut);
}

// A 35-byte file whose header claims 65535 x 65535 pixels (or a frame that size).
TEST(Pictures, ImagesLargerThanACellCouldBeAreRefusedAtOnce) {
  const QByteArray plain(
      "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
      ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02L\x01\x00;",
      35);
  ASSERT_EQ(DecodeGif(plain).pixel(0, 0), qRgb(0, 0, 0));
  QByteArray hugeScreen = plain, hugeFrame = plain;
  hugeScreen.replace(6, 4, "\xff\xff\xff\xff");
  hugeFrame.replace(6, 4, QByteArray("\x00\x02\x00\x02", 4));  // 512 x 512: the largest allowed
  hugeFrame.replace(24, 4, "\xff\xff\xff\xff");
  EXPECT_TRUE(DecodeGif(hugeScreen).isNull());
  EXPECT_TRUE(DecodeGif(hugeFrame).isNull());
  EXPECT_TRUE(DecodeGif(plain.left(20)).isNull());
  EXPECT_TRUE(
      DecodeGif(QByteArray(plain).replace(6, 2, QByteArray(2, '\0'))).isNull());  // no width
  EXPECT_TRUE(DecodeGif(FileBytes("zshiro37.gif").chopped(12)).isNull());  // pixels cut short

  QImage wide(kMaxImageSide + 1, 1, QImage::Format_RGB32);
  wide.fill(Qt::white);
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  wide.save(&buffer, "jpg");
  EXPECT_TRUE(DecodeOtherImage(jpeg, "jpg").isNull());
  jpeg.clear();
  buffer.seek(0);
  wide.copy(0, 0, kMaxImageSide, 1).save(&buffer, "jpg");
  EXPECT_EQ(DecodeOtherImage(jpeg, "jpg").width(), kMaxImageSide);
  EXPECT_TRUE(DecodeOtherImage(FileBytes("cross23.jpg"), "jpg") == ImageFile("cross23.jpg"));

  TestFolder folder;
  folder.Write("fld1/huge.gif", hugeScreen);
  Canvas canvas(QDir(folder.path("fld1")));
  EXPECT_THROW(canvas.ReadImage("huge.gif"), ImageLoadError);
  // What the bytes are decides, not the name: a GIF called .jpg keeps the cap.
  folder.Write("fld1/disguised.jpg", hugeScreen);
  EXPECT_THROW(canvas.ReadImage("disguised.jpg"), ImageLoadError);
  folder.Write("fld1/stone.jpg", FileBytes("zshiro37.gif"));
  canvas.ReadImage("stone.jpg");
  EXPECT_TRUE(canvas.lastImage() == ImageFile("zshiro37.gif"));
  QByteArray png;
  QBuffer pngBuffer(&png);
  pngBuffer.open(QIODevice::WriteOnly);
  ImageFile("cross23.jpg").save(&pngBuffer, "png");
  folder.Write("fld1/cross.gif", png);
  canvas.ReadImage("cross.gif");
  EXPECT_TRUE(canvas.lastImage() == ImageFile("cross23.jpg"));
  EXPECT_THROW(canvas.ReadImage("missing.gif"), ImageLoadError);
  canvas.ReadImage("../fld2/cross23.jpg");
  EXPECT_TRUE(canvas.lastImage() == ImageFile("cross23.jpg"));
}

TEST(Pictures, ACellIsColumnsOneTo22OfTheImageCutAtEveryEdge) {
  for (QPoint at : {QPoint(100, 50), QPoint(-5, -7), QPoint(850, 430), QPoint(-22, 0)}) {
    Canvas canvas(BuiltProgramFolder().ImageFolder());
    const QImage before = canvas.drawing();
    canvas.SetLastImage(CoordinateImage().copy(0, 0, 20, 23));  // narrower than a cell
    canvas.DrawLastImage(at);
    for (int y = 0; y < Canvas::kHeight; ++y) {
      for (int x = 0; x < Canvas::kWidth; ++x) {
        const int px = x - at.x(), py = y - at.y();
        const bool inside = px >= 0 && px < 19 && py >= 0 && py < 23;
        ASSERT_EQ(canvas.drawing().pixel(x, y), inside ? qRgb(px + 1, py, 200) : before.pixel(x, y))
            << x << ", " << y;
      }
    }
  }
}

TEST(Pictures, TheShownPictureTakesOnlyWhatARefreshHandsOver) {
  Canvas canvas(BuiltProgramFolder().ImageFolder());
  int told = 0;
  canvas.SetRefreshListener([&] { ++told; });
  const QImage start = canvas.shown();
  canvas.SetLastImage(CoordinateImage());
  canvas.DrawLastImage({44, 46});
  canvas.DrawLastImage({800, 400});
  EXPECT_TRUE(canvas.shown() == start);
  canvas.Refresh();
  EXPECT_TRUE(canvas.shown() == canvas.drawing());
  EXPECT_EQ(told, 1);
  EXPECT_EQ(canvas.refreshCount(), 1);
}

// Lettering shrinks to fit its width, but not below 8 pixels.
TEST(Pictures, LetteringShrinksToFitButNotBelowEightPixels) {
  EXPECT_EQ(FittedFont(u"sans-serif"_qs, 17, u"w2"_qs, 100).pixelSize(), 17);
  EXPECT_EQ(FittedFont(u"sans-serif"_qs, 17, u"二線のハネ二線のハネ"_qs, 10).pixelSize(), 8);
}

// The build's picture tool stops when it cannot write a picture.
TEST(Pictures, AWindowPictureThatCannotBeWrittenSaysSo) {
  EXPECT_FALSE(WriteWindowPicture(QImage(1, 1, QImage::Format_RGB32), "/nonexistent/a.pixels"));
}

}  // namespace
