// Drawing the selected joseki on the left board, its marks, and its game.
#include "collection/stone_images.h"
#include "rules/captures.h"
#include "shell/board_window.h"
#include "shell/move_layout.h"

#include <optional>

namespace {
QString MarkerImage(QChar tag) {
  if (tag >= u'a' && tag <= u'e') return u"\\fld2\\a%1.gif"_qs.arg(tag);
  return tag == u'2' ? u"\\fld2\\shiroshiro.gif"_qs : u"\\fld2\\kurokuro.gif"_qs;
}

// A move number of a range, stored as a 16-bit integer; nullopt when it cannot
// be read or does not fit, so that no arithmetic on it can overflow.
std::optional<int> ReadNumber(const QString& text) {
  bool ok = false;
  const short value = text.trimmed().toShort(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}
}  // namespace

void BoardWindow::ShowJoseki() {
  try {
    ResetLeftBoard();
    TenukiPlacer placer(TenukiRule::kRecord);
    LayOutMoves(ShownSetup, placer, [this](int row, int column, int k) {
      MoveY = row;
      MoveX = column;
      StoneColour = k % 2 != 0 ? 1 : 2;
      DrawImage(PlainStoneImage(StoneColour), LeftCellX(MoveX), CellY(MoveY));
      LeftCounts.at(MoveX, MoveY) = int16_t(StoneColour);
      LastMoveX = MoveX;
      LastMoveY = MoveY;
      AddStoneCounts(Side::kLeft);  // given stones never capture
    });
    if (!ShownSetup.isEmpty()) canvas.Refresh();
    LayOutMoves(ShownMoves, placer, [this](int row, int column, int n) {
      MoveY = row;
      MoveX = column;
      DrawImage(JosekiMoveImage(n), LeftCellX(MoveX), CellY(MoveY));
      StoneColour = LeftMoveCount = n % 2 != 0 ? 2 : 1;
      LeftCounts.at(MoveX, MoveY) = int16_t(StoneColour);
      LastMoveX = MoveX;
      LastMoveY = MoveY;
      AddStoneCounts(Side::kLeft);
      CaptureCheck(Side::kLeft);
    });
    canvas.Refresh();
  } catch (const std::runtime_error&) {
    return;  // a picture that cannot be read or a stone off the board ends the drawing
  }
  DrawMarkers();
  ReadGameReference();
  LeftMoveCount = 0;
}

void BoardWindow::DrawMarkers() {
  if (ShownMarkers.isEmpty()) return;
  for (qsizetype i = 0; i < ShownMarkers.size(); i += 3) {
    const int row = CoordValue(CharAt(ShownMarkers, i));
    const int column = CoordValue(CharAt(ShownMarkers, i + 1));
    try {
      canvas.LoadPattern(MarkerImage(CharAt(ShownMarkers, i + 2)));
    } catch (const ImageLoadError&) {
      // the picture Pattern still holds is drawn in its place
    }
    canvas.DrawCell(LeftCellX(column), CellY(row));
  }
  canvas.Refresh();
}

void BoardWindow::ReadGameReference() {
  if (ShownReference.size() < 2) {
    ResetRightBoard();
    SetGameButtonsEnabled(false);
    return;
  }
  // heading | first/last | moves; a part that cannot be cut out keeps its old value
  QString rest = ShownReference;
  const qsizetype headingEnd = rest.indexOf(u'|');
  controls.Label1 = headingEnd >= 0 ? rest.left(headingEnd) : QString();
  if (headingEnd >= 0) rest = rest.mid(headingEnd + 1);
  const qsizetype rangeEnd = rest.indexOf(u'|');
  if (rangeEnd >= 0) {
    const QString range = rest.left(rangeEnd);
    rest = rest.mid(rangeEnd + 1);
    const qsizetype slash = range.indexOf(u'/');
    if (slash >= 0) {
      if (auto first = ReadNumber(range.left(slash))) FirstGameMove = *first;
      if (auto last = ReadNumber(range.mid(slash + 1))) LastGameMove = *last;
    }
  }
  GameMoves = rest;
  for (QChar blank : {QChar(u' '), QChar(u'\u3000')}) {
    const qsizetype p = GameMoves.indexOf(blank);
    if (p >= 0) GameMoves.remove(p, 1);
  }
  ShowGameRecord();
}
