// Loading the chosen section into the board window.
#include "collection/collection_store.h"
#include "shell/board_window.h"
#include "shell/messages.h"
#include "shell/module1.h"
#include "shell/move_encoding.h"
#include "shell/program_folder.h"

namespace {
const QString kCollectionPath = u"\\fld1\\goc.db"_qs;
}

void BoardWindow::Form_Load() {
  const QString path = ProgramFolder::Path(kCollectionPath);
  const SectionRows section = ReadSection(path, Module1::SectionCode, kMaxRecords);
  if (!section.error.isEmpty()) {
    ShowMessage(section.error);
    return;
  }
  const int n = int(section.rows.size());
  for (auto* array : {&titles, &smallCaptions, &setupStones, &numberedMoves, &commentaries,
                      &markerStrings, &gameReferences}) {
    array->assign(n + 1, QString());
  }
  recordset.clear();
  for (int r = 1; r <= n; ++r) {
    const JosekiRecord& row = section.rows[r - 1];
    const QString& moves = row[7];
    const int setupLength = 3 * CoordValue(row[3]);
    if (setupLength > moves.size()) {
      ShowMessage(u"定石集のファイル「%1」を読み込めません。\nID %2 の置石の数が手順より多くなっています。"_qs
                      .arg(path, row[0]));
      recordset.clear();
      return;
    }
    titles[r] = row[4];
    smallCaptions[r] = row[5];
    setupStones[r] = moves.left(setupLength);
    numberedMoves[r] = moves.mid(setupLength);
    commentaries[r] = row[6];
    markerStrings[r] = row[2];
    gameReferences[r] = row[8];
    recordset.push_back({row[0], moves});
  }
  collectionLoaded = true;
  if (n == 0) return;  // an empty section ends here, as at the move to the first row

  controls.Label1 = u" "_qs;
  controls.List1 = QStringList(titles.begin() + 1, titles.end());
  SelectListLine(0);
  CurrentRecord = 1;
  SetGameButtonsEnabled(false);
  controls.Timer2Enabled = false;
  controls.Timer4Enabled = false;
  controls.Image1Visible = false;
  controls.Image2Visible = false;
  ShowFirstRecord();
  InputClosed = true;
}
