// Draws the pictures compiled into the program: draw_window_pictures OUTDIR
// writes the menu's title, help_button and quit_button and the program's icon
// (icon-48, icon-128) as .pixels files for the program (pictures/window_pictures.h),
// and the icon for the desktop as icon.svg, icon-48.png and icon-128.png.
// Drawing them here rather than at start-up keeps font loading and path
// filling out of the program's start.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSvgGenerator>
#include <cstdio>

#include "images/app_icon.h"
#include "images/menu_pictures.h"
#include "pictures/window_pictures.h"

namespace {

bool WriteIconSvg(const QString& path) {
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(QSize(app_icon::kUnits, app_icon::kUnits));
  svg.setViewBox(QRect(0, 0, app_icon::kUnits, app_icon::kUnits));
  svg.setTitle(QStringLiteral("囲碁定石集"));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  app_icon::Paint(painter);
  return painter.end();
}

QImage IconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.scale(double(size) / app_icon::kUnits, double(size) / app_icon::kUnits);
  app_icon::Paint(painter);
  painter.end();
  return image;
}

}  // namespace

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
      {"title", TitlePicture()},
      {"help_button", HelpButtonPicture()},
      {"quit_button", QuitButtonPicture()},
      {"icon-48", IconImage(48)},
      {"icon-128", IconImage(128)},
  };
  for (const auto& picture : pictures) {
    const QString path = folder.filePath(QString::fromLatin1(picture.name));
    const bool isIcon = path.contains(u"icon-"_qs);
    if (!WriteWindowPicture(picture.image, path + u".pixels"_qs) ||
        (isIcon && !picture.image.save(path + u".png"_qs))) {
      std::fprintf(stderr, "draw_window_pictures: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  const QString svg = folder.filePath(QStringLiteral("icon.svg"));
  if (!WriteIconSvg(svg)) {
    std::fprintf(stderr, "draw_window_pictures: cannot write %s\n", qPrintable(svg));
    return 1;
  }
  return 0;
}
