// The list of the section's joseki and the selection of one of them.
#include "shell/board_window.h"

namespace {
// Drops what cannot be a whole triple at the end, at most two characters.
void TrimToWholeTriples(QString& moves) {
  for (int i = 0; i < 2 && moves.size() % 3 != 0; ++i) moves.chop(1);
}

void RemoveFirst(QString& text, QChar c) {
  const qsizetype p = text.indexOf(c);
  if (p >= 0) text.remove(p, 1);
}
}  // namespace

void BoardWindow::SelectListLine(int index) {
  controls.List1Index = index;
  SelectJoseki();
}

void BoardWindow::StoreRecord(int r) {
  ShownSetup = setupStones[r];
  ShownMoves = numberedMoves[r];
  controls.Label2 = commentaries[r];
  ShownMarkers = markerStrings[r];
  ShownReference = gameReferences[r];
  if (ShownReference.size() < 2) GameMoves.clear();
}

void BoardWindow::SelectJoseki() {
  const int r = controls.List1Index + 1;
  if (r < 1 || r >= int(titles.size())) return;
  CurrentRecord = r;
  controls.Label3 = smallCaptions[r];
  StoreRecord(r);
  TrimToWholeTriples(ShownMoves);
  RemoveFirst(ShownMoves, u' ');
  RemoveFirst(ShownMoves, u'\u3000');
  SetText6(ShownReference);
  controls.Label1 = u" "_qs;
  ShowJoseki();
}

void BoardWindow::ShowFirstRecord() {
  if (titles.size() < 2) return;
  StoreRecord(1);
  controls.Label1 = u" "_qs;
  ShowJoseki();
}

void BoardWindow::ShowRecordBefore() {
  const int r = CurrentRecord - 1;
  if (r < 1 || r >= int(titles.size())) return;
  StoreRecord(r);
  SelectListLine(r - 1);
  controls.Label1 = u" "_qs;
  ShowJoseki();
}
