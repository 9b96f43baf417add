// Draws the pictures compiled into the program: draw_window_pictures OUTDIR
// writes the menu's title.ppm, help_button.ppm and quit_button.ppm. Drawing
// them here rather than at start-up keeps font loading and path filling out
// of the program's start; they are plain PPM because Qt reads that several
// times faster than PNG, and they are read at every start.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "shell/menu_pictures.h"

int main(int argc, char** argv) {
  // Fonts need a platform; none with a display is needed to draw into images.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_window_pictures OUTDIR\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "draw_window_pictures: cannot create %s\n", argv[1]);
    return 1;
  }
  const struct {
    const char* name;
    QImage image;
  } pictures[] = {
      {"title.ppm", TitlePicture()},
      {"help_button.ppm", HelpButtonPicture()},
      {"quit_button.ppm", QuitButtonPicture()},
  };
  for (const auto& picture : pictures) {
    const QString path = folder.filePath(QString::fromLatin1(picture.name));
    if (!picture.image.save(path)) {
      std::fprintf(stderr, "draw_window_pictures: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
