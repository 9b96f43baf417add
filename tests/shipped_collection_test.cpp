// The shipped collection as a user meets it: every joseki is found again when
// its whole sequence is clicked onto the board, as stored and mirrored.
#include <gtest/gtest.h>

#include "collection/collection_store.h"
#include "shell/board_window.h"
#include "shell/messages.h"
#include "shell/module1.h"
#include "shell/move_encoding.h"
#include "shell/program_folder.h"

namespace {
const QString kCollection = QStringLiteral(PROGRAM_DIR "/fld1/goc.db");

// Clicks the stones of moves (row, column per triple) onto the right board,
// transposed when mirrored; a tenuki goes to its cell at row 10, column 18.
void ClickSequence(BoardWindow& window, const QString& moves, bool mirrored) {
  window.Command1_Click();
  for (qsizetype i = 0; i + 2 < moves.size(); i += 3) {
    int row = 10, column = 18;
    if (moves[i] != kTenuki) {
      row = CoordValue(moves[i]);
      column = CoordValue(moves[i + 1]);
      if (mirrored) std::swap(row, column);
    }
    window.Display_MouseMove((column + 19) * 22 + 5, (row - 1) * 23 + 5);
    window.Display_Click();
  }
}
}  // namespace

TEST(ShippedCollection, EverySectionHoldsEnoughJoseki) {
  int total = 0, withGame = 0;
  for (int section = 1; section <= 7; ++section) {
    const SectionRows rows = ReadSection(kCollection, section, BoardWindow::kMaxRecords);
    ASSERT_TRUE(rows.error.isEmpty()) << rows.error.toStdString();
    EXPECT_GE(rows.rows.size(), 40u) << "section " << section;
    for (const JosekiRecord& row : rows.rows) {
      if (section == 2 && row[5].startsWith(u'0')) continue;  // counted with the handicap rows
      ++total;
      withGame += row[8].size() >= 2;
      EXPECT_FALSE(row[4].isEmpty() || row[5].isEmpty() || row[6].isEmpty()) << row[0].toStdString();
    }
  }
  EXPECT_GE(total, 800);
  EXPECT_GE(withGame * 10, total * 6) << withGame << " of " << total << " have a game";
}

TEST(ShippedCollection, EveryJosekiIsFoundWhenClickedInEitherOrientation) {
  ProgramFolder::SetRoot(QStringLiteral(PROGRAM_DIR));
  for (int section = 1; section <= 7; ++section) {
    ScopedMessageRecorder messages;
    Module1::SectionCode = section;
    BoardWindow window;
    window.Form_Load();
    ASSERT_FALSE(window.recordset.empty());
    for (int n = 1; n <= int(window.recordset.size()); ++n) {
      const QString& moves = window.recordset[n - 1].moves;
      for (bool mirrored : {false, true}) {
        ClickSequence(window, moves, mirrored);
        window.Command4_Click();
        ASSERT_TRUE(messages.messages.isEmpty())
            << "section " << section << " row " << n << ": "
            << messages.messages.join(u" / "_qs).toStdString();
        ASSERT_TRUE(window.controls.Timer4Enabled);
        // The first row with exactly these moves: rows are unique in a section.
        ASSERT_EQ(window.recordset[window.CurrentRecord - 2].moves, moves)
            << "section " << section << " row " << n << (mirrored ? " mirrored" : "");
        window.controls.Timer4Enabled = false;
      }
    }
  }
}
