// The shipped collection as a user meets it: every section holds enough
// joseki, and every joseki is found again when its whole sequence is clicked
// onto the board, as stored and mirrored.
#include <gtest/gtest.h>

#include "collection/collection_store.h"
#include "model/board_window_model.h"
#include "support/test_folder.h"

namespace {

// Clicks the stones of moves onto the right board, transposed when
// mirrored; a tenuki goes to its cell at row 10, column 18.
void ClickSequence(BoardWindowModel& model, const Sequence& moves, bool mirrored) {
  model.StartSearchInput();
  for (StoredMove move : moves.Moves()) {
    if (mirrored) std::swap(move.row, move.column);
    if (move.row == kElsewhere) move = {10, 18};
    model.PlaceSearchStone({move.column, move.row});
  }
}

TEST(ShippedCollection, EverySectionHoldsEnoughJoseki) {
  int total = 0, withGame = 0;
  for (Section section : kSections) {
    const SectionRecords read = ReadSection(BuiltProgramFolder().CollectionFile(), section);
    ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    EXPECT_GE(read.records.size(), 40u) << "section " << IndexOf(section);
    for (const JosekiRecord& record : read.records) {
      // Handicap rows listed again by the star point section are counted once.
      if (section == Section::kStarPoint && record.caption.startsWith(u'0')) continue;
      ++total;
      withGame += record.game.present;
      EXPECT_FALSE(record.title.isEmpty() || record.caption.isEmpty() ||
                   record.commentary.isEmpty())
          << record.id.toStdString();
    }
  }
  EXPECT_GE(total, 800);
  EXPECT_GE(withGame * 10, total * 6) << withGame << " of " << total << " have a game";
}

TEST(ShippedCollection, EveryJosekiIsFoundWhenClickedInEitherOrientation) {
  for (Section section : kSections) {
    MessageRecorder messages;
    BoardWindowModel model(BuiltProgramFolder(), section, messages);
    model.Load();
    ASSERT_FALSE(model.records().empty());
    for (const JosekiRecord& joseki : model.records()) {
      for (bool mirrored : {false, true}) {
        ClickSequence(model, joseki.storedMoves, mirrored);
        model.RunSearch();
        ASSERT_TRUE(messages.messages.isEmpty())
            << "section " << IndexOf(section) << " " << joseki.id.toStdString() << ": "
            << messages.messages.join(u" / "_qs).toStdString();
        model.ReportSearchResult();
        messages.messages.clear();
        // The first row with exactly these moves: rows are unique in a section.
        ASSERT_EQ(model.records()[size_t(model.view().selectedLine.value_or(0))].storedMoves,
                  joseki.storedMoves)
            << "section " << IndexOf(section) << " " << joseki.id.toStdString()
            << (mirrored ? " mirrored" : "");
      }
    }
  }
}

}  // namespace
