// The board window's part for a game the user opened and for keeping what a
// board shows: the corner shown, the boards' context menu, files dropped on
// the window.
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

#include "windows/board_window.h"
#include "windows/file_chooser.h"

namespace {
// The first local file a drag carries; empty when it carries none.
QString DraggedFile(const QMimeData* data) {
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}
}  // namespace

void BoardWindow::ShowGameCorner(const CornerChoice& choice) {
  Run([&] { model_.ShowGameCorner(choice); });
}

QMenu* BoardWindow::BoardMenu(Board board) {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addAction(u"画像を保存（PNG）…"_qs, this, [this, board] {
    const QString path =
        files_.FileToSave(this, u"盤の画像を保存"_qs, model_.SuggestedFileName(board),
                          u"PNG画像 (*.png)"_qs, u"png"_qs);
    if (!path.isEmpty()) Run([&] { model_.SaveBoardPicture(board, path); });
  });
  const QString record =
      board == Board::kLeft ? u"定石を保存（SGF）…"_qs : u"棋譜を保存（SGF）…"_qs;
  menu->addAction(record, this,
                  [this, board] {
                    const QString path = files_.FileToSave(this, u"SGFファイルに保存"_qs,
                                                           model_.SuggestedFileName(board),
                                                           u"SGFファイル (*.sgf)"_qs, u"sgf"_qs);
                    if (!path.isEmpty()) Run([&] { model_.SaveBoardRecord(board, path); });
                  })
      ->setEnabled(model_.HasBoardRecord(board));
  menu->addAction(u"画像をコピー"_qs, this, [this, board] {
    QGuiApplication::clipboard()->setImage(model_.BoardPicture(board));
  });
  menu->addAction(u"次の一手…"_qs, this, [this, board] {
    OpenExplorer(board == Board::kLeft ? ExplorerSource::kLeftBoard : ExplorerSource::kRightBoard);
  });
  return menu;
}

void BoardWindow::ShowBoardMenu(QPoint at, QPoint globalAt) {
  for (Board board : {Board::kLeft, Board::kRight})
    if (BoardArea(board).contains(at)) BoardMenu(board)->popup(globalAt);
}

void BoardWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DraggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void BoardWindow::dropEvent(QDropEvent* event) {
  const QString path = DraggedFile(event->mimeData());
  if (path.isEmpty() || !onFileDropped) return;
  event->acceptProposedAction();
  // Read once the drop has ended: a message about the file must not hold the drag.
  QMetaObject::invokeMethod(
      this, [this, path] { onFileDropped(path); }, Qt::QueuedConnection);
}
