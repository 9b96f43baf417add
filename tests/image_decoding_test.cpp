// Reading the board's image files: giflib gives the pixels Qt's own reader
// gives, and a file claiming a size no board cell has is refused at once.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include "shell/canvas.h"
#include "shell/image_decoding.h"
#include "support/pixels.h"
#include "support/test_collection.h"

namespace {

QByteArray FileBytes(const QString& name) {
  QFile file(QStringLiteral(PROGRAM_DIR "/fld2/") + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
  return file.readAll();
}

QImage QtReader(const QByteArray& bytes) {
  QImage image;
  image.loadFromData(bytes, "gif");
  return image.convertToFormat(QImage::Format_RGB32);
}

// A GIF of image written by giflib, its rows interlaced; two colours: the
// image's pixels with a red channel above 127 get index 1.
QByteArray InterlacedGif(const QImage& image) {
  QByteArray out;
  const auto write = [](GifFileType* gif, const GifByteType* bytes, int n) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), n);
    return n;
  };
  int error = 0;
  GifFileType* gif = EGifOpen(&out, write, &error);
  GifColorType colours[2] = {{0, 0, 0}, {255, 255, 255}};
  ColorMapObject* map = GifMakeMapObject(2, colours);
  EGifPutScreenDesc(gif, image.width(), image.height(), 1, 0, map);
  EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), true, nullptr);
  std::vector<GifPixelType> line(size_t(image.width()));
  for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
    for (int y = start; y < image.height(); y += step) {
      for (int x = 0; x < image.width(); ++x) line[size_t(x)] = qRed(image.pixel(x, y)) > 127;
      EGifPutLine(gif, line.data(), image.width());
    }
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return out;
}

TEST(ImageDecoding, EveryGifOfTheCatalogueReadsAsQtReadsIt) {
  int gifs = 0;
  for (const QString& name : ImageCatalogue()) {
    if (!name.endsWith(".gif")) continue;
    ++gifs;
    const QByteArray bytes = FileBytes(name);
    const QImage decoded = DecodeGif(bytes);
    ASSERT_EQ(decoded.format(), QImage::Format_RGB32) << name.toStdString();
    EXPECT_TRUE(decoded == QtReader(bytes)) << name.toStdString();
  }
  EXPECT_EQ(gifs, 124);
}

TEST(ImageDecoding, InterlacedRowsLandInTheirPlaces) {
  QImage stripes(5, 11, QImage::Format_RGB32);
  for (int y = 0; y < stripes.height(); ++y)
    for (int x = 0; x < stripes.width(); ++x)
      stripes.setPixel(x, y, (x + y * y) % 3 == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
  EXPECT_TRUE(DecodeGif(InterlacedGif(stripes)) == stripes);
}

// A 35-byte file whose header claims 65535 x 65535 pixels (or a frame that size).
TEST(ImageDecoding, PicturesLargerThanACellCouldBeAreRefused) {
  const QByteArray plain(
      "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
      ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02L\x01\x00;",
      35);
  ASSERT_EQ(DecodeGif(plain).pixel(0, 0), qRgb(0, 0, 0));
  QByteArray hugeScreen = plain, hugeFrame = plain;
  hugeScreen.replace(6, 4, "\xff\xff\xff\xff");
  hugeFrame.replace(6, 4, "\x00\x02\x00\x02");  // 512 x 512 screen: the largest allowed
  hugeFrame.replace(24, 4, "\xff\xff\xff\xff");
  EXPECT_TRUE(DecodeGif(hugeScreen).isNull());
  EXPECT_TRUE(DecodeGif(hugeFrame).isNull());
  EXPECT_TRUE(DecodeGif(plain.left(20)).isNull());
  EXPECT_TRUE(DecodeGif("not a picture").isNull());

  QImage big(kMaxImageSide + 1, 1, QImage::Format_RGB32);
  big.fill(Qt::white);
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  big.save(&buffer, "jpg");
  EXPECT_TRUE(DecodeOtherImage(jpeg, "jpg").isNull());
  EXPECT_FALSE(DecodeOtherImage(FileBytes("cross23.jpg"), "jpg").isNull());

  // In the program folder such a file is a picture that cannot be read.
  TestProgramFolder folder;
  QFile file(folder.path("fld1/huge.gif"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(hugeScreen);
  file.close();
  Canvas canvas;
  EXPECT_THROW(canvas.LoadPattern(u"\\fld1\\huge.gif"_qs), ImageLoadError);
}

}  // namespace
