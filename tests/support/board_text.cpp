#include "support/board_text.h"

#include <QHash>
#include <map>

#include "pictures/image_catalogue.h"
#include "support/test_folder.h"

namespace {
bool CellShows(const QImage& picture, QPoint origin, const QImage& image) {
  for (int y = 0; y < Canvas::kCellHeight; ++y)
    for (int x = 0; x < Canvas::kCellWidth; ++x)
      if (picture.pixel(origin.x() + x, origin.y() + y) != image.pixel(x + 1, y)) return false;
  return true;
}

std::string Token(const QString& name, Point p) {
  static const std::map<QString, std::string> kMarks = {
      {"mygold.gif", "X"},    {"ysilver.gif", "O"},    {"zgold.gif", "G"},
      {"zkurored.gif", "X!"}, {"zshirored.gif", "O!"}, {"shiroshiro.gif", "^"},
      {"kurokuro.gif", "x"},  {"newcross.gif", "+"},   {"mmmcross.gif", "*"}};
  if (name.endsWith(".jpg")) return name == TileImage(p) ? "." : "#";
  if (auto mark = kMarks.find(name); mark != kMarks.end()) return mark->second;
  if (name.startsWith("zkuro")) return ("b" + name.mid(5).chopped(4)).toStdString();
  if (name.startsWith("zshiro")) return ("w" + name.mid(6).chopped(4)).toStdString();
  return name.mid(1, 1).toStdString();  // aa.gif .. ae.gif
}
}  // namespace

const QImage& ImageFile(const QString& name) {
  static QHash<QString, QImage> cache;
  auto found = cache.find(name);
  if (found == cache.end())
    found = cache.insert(name, QImage(BuiltProgramFolder().ImageFolder().filePath(name))
                                   .convertToFormat(QImage::Format_RGB32));
  return *found;
}

std::string CellToken(const QImage& picture, Board board, Point p) {
  const QPoint origin = CellOrigin(board, p);
  for (const QString& name : ImageCatalogue())
    if (CellShows(picture, origin, ImageFile(name))) return Token(name, p);
  return "?";
}

std::vector<std::string> BoardRows(const QImage& picture, Board board, int columns, int rows,
                                   int firstRow) {
  std::vector<std::string> lines;
  for (int row = firstRow; row < firstRow + rows; ++row) {
    std::string line;
    for (int column = 1; column <= columns; ++column) {
      if (column > 1) line += ' ';
      line += CellToken(picture, board, {column, row});
    }
    lines.push_back(line);
  }
  return lines;
}

QImage EmptyBoards() {
  Canvas canvas(BuiltProgramFolder().ImageFolder());
  DrawEmptyBoard(canvas, Board::kLeft);
  DrawEmptyBoard(canvas, Board::kRight);
  return canvas.master();
}

bool SameBoard(const QImage& a, const QImage& b, Board board) {
  return a.copy(BoardArea(board)) == b.copy(BoardArea(board));
}
