// Keeping what a board of the board window shows: its picture as PNG, its
// joseki or game as SGF (the boards' context menu).
#include <QBuffer>
#include <QSaveFile>

#include "collection/sgf_export.h"
#include "model/board_window_model.h"

namespace {

// Writes the whole file or, on failure, leaves any file already there as it was.
bool WriteWhole(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QString NotSavedMessage(const QString& path) {
  return u"ファイル「%1」に保存できませんでした。"_qs.arg(path);
}

}  // namespace

QImage BoardWindowModel::BoardPicture(Board board) const {
  return canvas_.shown().copy(BoardArea(board));
}

bool BoardWindowModel::HasBoardRecord(Board board) const {
  if (board == Board::kLeft) return shownRecord_.has_value();
  return shownGame_ || view_.gameButtonsEnabled;
}

QString BoardWindowModel::BoardRecordSgf(Board board) const {
  if (!HasBoardRecord(board)) return {};
  const JosekiRecord& joseki = Shown();
  if (board == Board::kLeft) return JosekiRecordSgf(joseki);
  const SgfTexts texts{joseki.title, joseki.commentary, view_.gameHeading};
  if (shownGame_) return PlayedGameSgf(shownGame_->game, shownGame_->lastMove, texts);
  return PlayedGameSgf(ReferencedGame(joseki.game), replay_.shownMove(), texts);
}

QString BoardWindowModel::SuggestedFileName(Board board) const {
  QString name = Shown().title.isEmpty() ? u"定石"_qs : Shown().title;
  if (board == Board::kRight) name += shownGame_ ? u"（棋譜）"_qs : u"（実戦）"_qs;
  return name.replace(u'/', u'／');
}

void BoardWindowModel::SaveBoardPicture(Board board, const QString& path) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!BoardPicture(board).save(&buffer, "PNG") || !WriteWhole(path, png))
    messages_.ShowMessage(NotSavedMessage(path));
}

void BoardWindowModel::SaveBoardRecord(Board board, const QString& path) {
  if (!HasBoardRecord(board)) return;
  if (!WriteWhole(path, BoardRecordSgf(board).toUtf8()))
    messages_.ShowMessage(NotSavedMessage(path));
}
