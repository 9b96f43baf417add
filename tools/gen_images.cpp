// Draws the board pictures into a folder: gen_images OUTDIR writes the ten
// JPEG tiles and the GIF stones and marks the board window loads by name.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "images/catalogue.h"
#include "images/gif_writer.h"

namespace {

constexpr int kJpegQuality = 95;

// Writes one picture in the format its name asks for; false with *error.
bool WriteImage(const QImage& image, const QString& path, QString* error) {
  if (path.endsWith(QLatin1String(".gif"))) return WriteGif(image, path, error);
  if (image.save(path, "JPEG", kJpegQuality)) return true;
  *error = path + ": cannot write JPEG";
  return false;
}

// Every account that runs the program reads the pictures, whatever the umask
// (giflib creates its files for their owner alone).
bool MakeReadableByAll(const QString& path, QString* error) {
  if (QFile::setPermissions(
          path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther))
    return true;
  *error = path + ": cannot make it readable";
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // Fonts need a platform; none with a display is needed to draw into images.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_images OUTDIR\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "gen_images: cannot create %s\n", argv[1]);
    return 1;
  }
  for (const CatalogueEntry& entry : ImageCatalogue()) {
    QString error;
    const QString path = folder.filePath(entry.fileName);
    if (!WriteImage(entry.draw(), path, &error) || !MakeReadableByAll(path, &error)) {
      std::fprintf(stderr, "gen_images: %s\n", qPrintable(error));
      return 1;
    }
  }
  return 0;
}
