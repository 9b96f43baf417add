// The small GIF decoder the canvas uses for fld2/: the same pixels as the
// general loader for every picture, and a null image (so that the general
// loader decides) for anything it does not handle or cannot read.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/canvas.h"
#include "shell/gif_decoder.h"
#include "shell/program_folder.h"
#include "support/pixels.h"

namespace {

QByteArray FileBytes(const QString& name) {
  QFile file(QStringLiteral(PROGRAM_DIR "/fld2/") + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
  return file.readAll();
}

QImage GeneralLoader(const QByteArray& bytes) {
  QImage image;
  image.loadFromData(bytes, "gif");
  return image.convertToFormat(QImage::Format_RGB32);
}

// Offset of the image descriptor of a GIF87a file without extensions.
qsizetype ImageDescriptor(const QByteArray& gif) {
  const int packed = uint8_t(gif[10]);
  return 13 + ((packed & 0x80) ? 3 * (2 << (packed & 7)) : 0);
}

TEST(GifDecoder, EveryPictureOfTheCatalogueDecodesAsTheGeneralLoaderDoes) {
  int gifs = 0;
  for (const QString& name : ImageCatalogue()) {
    if (!name.endsWith(".gif")) continue;
    ++gifs;
    const QByteArray bytes = FileBytes(name);
    const QImage decoded = DecodePlainGif(bytes);
    ASSERT_FALSE(decoded.isNull()) << name.toStdString();
    EXPECT_EQ(decoded.format(), QImage::Format_RGB32);
    EXPECT_TRUE(decoded == ImageFile(name)) << name.toStdString();
  }
  EXPECT_EQ(gifs, 124);
}

TEST(GifDecoder, SmallHandWrittenFiles) {
  // 1 x 1, two colours, the single pixel has index 1 (black).
  const QByteArray plain(
      "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
      ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02L\x01\x00;",
      35);
  const QImage decoded = DecodePlainGif(plain);
  ASSERT_FALSE(decoded.isNull());
  EXPECT_TRUE(decoded == GeneralLoader(plain));
  // The same with a transparent colour: left to the general loader.
  QByteArray transparent = plain;
  transparent.insert(13 + 6, QByteArray("!\xf9\x04\x01\x00\x00\x01\x00", 8));
  EXPECT_TRUE(DecodePlainGif(transparent).isNull());
  // A graphic control block without transparency is passed over.
  QByteArray opaque = plain;
  opaque.insert(13 + 6, QByteArray("!\xf9\x04\x00\x00\x00\x01\x00", 8));
  EXPECT_TRUE(DecodePlainGif(opaque) == decoded);
}

TEST(GifDecoder, InterlacedOrPartialImagesAreLeftToTheGeneralLoader) {
  const QByteArray original = FileBytes("zkuro23.gif");
  const qsizetype descriptor = ImageDescriptor(original);
  ASSERT_EQ(original[descriptor], ',');
  QByteArray interlaced = original;
  interlaced[descriptor + 9] = char(uint8_t(interlaced[descriptor + 9]) | 0x40);
  EXPECT_TRUE(DecodePlainGif(interlaced).isNull());
  QByteArray offset = original;
  offset[descriptor + 1] = 1;  // left edge 1
  EXPECT_TRUE(DecodePlainGif(offset).isNull());
}

TEST(GifDecoder, DamagedFilesGiveANullImageAndNothingElse) {
  const QByteArray original = FileBytes("zshiro37.gif");
  for (qsizetype length = 0; length < original.size() - 1; ++length) {
    // A cut after the last pixel's code still decodes; no cut may crash.
    const QImage image = DecodePlainGif(original.left(length));
    if (!image.isNull()) {
      EXPECT_TRUE(image == ImageFile("zshiro37.gif"));
    }
  }
  EXPECT_TRUE(DecodePlainGif(QByteArray("GIF87a")).isNull());
  EXPECT_TRUE(DecodePlainGif(QByteArray("not a picture at all")).isNull());
  // Every byte of the compressed data changed in turn: never a crash.
  const qsizetype data = ImageDescriptor(original) + 10;
  for (qsizetype i = data; i < original.size(); ++i) {
    for (uint8_t flip : {0x01, 0x80, 0xff}) {
      QByteArray damaged = original;
      damaged[i] = char(uint8_t(damaged[i]) ^ flip);
      const QImage image = DecodePlainGif(damaged);
      if (!image.isNull()) {
        EXPECT_EQ(image.size(), QSize(23, 23));
      }
    }
  }
}

TEST(GifDecoder, CanvasLoadsWhatTheSmallDecoderLeavesThroughTheGeneralLoader) {
  QByteArray interlaced = FileBytes("zkuro23.gif");
  const qsizetype descriptor = ImageDescriptor(interlaced);
  interlaced[descriptor + 9] = char(uint8_t(interlaced[descriptor + 9]) | 0x40);
  QTemporaryDir dir;
  QDir(dir.path()).mkdir("fld2");
  QFile file(dir.filePath("fld2/laced.gif"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(interlaced);
  file.close();
  ProgramFolder::SetRoot(dir.path());
  Canvas canvas;
  canvas.LoadPattern("\\fld2\\laced.gif");
  ProgramFolder::SetRoot(QStringLiteral(PROGRAM_DIR));
  EXPECT_TRUE(canvas.pattern() == GeneralLoader(interlaced));
  EXPECT_FALSE(canvas.pattern() == ImageFile("zkuro23.gif"));
}

}  // namespace
