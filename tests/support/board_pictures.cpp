#include "support/board_pictures.h"

#include <QHash>

#include "support/test_folder.h"

const QImage& ImageFile(const QString& name) {
  static QHash<QString, QImage> cache;
  auto found = cache.find(name);
  if (found == cache.end())
    found = cache.insert(name, QImage(BuiltProgramFolder().ImageFolder().filePath(name))
                                   .convertToFormat(QImage::Format_RGB32));
  return *found;
}

QImage EmptyBoards() {
  Canvas canvas(BuiltProgramFolder().ImageFolder());
  BoardRenderer(canvas, Board::kLeft).Clear();
  BoardRenderer(canvas, Board::kRight).Clear();
  return canvas.drawing();
}

bool SameBoard(const QImage& a, const QImage& b, Board board) {
  return a.copy(BoardArea(board)) == b.copy(BoardArea(board));
}
