// Letters of book moves on the board: pictures for a..e, lettered beyond.
#include <gtest/gtest.h>

#include "pictures/letter_marks.h"
#include "support/board_text.h"
#include "support/test_folder.h"

namespace {

QImage Cell(const QImage& picture, Point p) {
  return picture.copy(QRect(CellOrigin(Board::kLeft, p), QSize(22, 23)));
}

TEST(LetterMarks, TheFirstFiveArePicturesAndLaterOnesAreLettered) {
  Canvas canvas(BuiltProgramFolder().ImageFolder());
  ASSERT_TRUE(DrawEmptyBoard(canvas, Board::kLeft));
  DrawLetterOnPoint(canvas, Board::kLeft, {5, 5}, u'a');
  DrawLetterOnPoint(canvas, Board::kLeft, {7, 5}, u'f');
  DrawLetterOnPoint(canvas, Board::kLeft, {9, 5}, u'n');
  canvas.Refresh();
  EXPECT_EQ(CellToken(canvas.shown(), Board::kLeft, {5, 5}), "a");
  // Points 7-5, 8-5 and 9-5 show the same tile: a lettered one is no longer the empty point.
  const QImage empty = Cell(canvas.shown(), {8, 5});
  for (Point p : {Point{7, 5}, Point{9, 5}}) {
    EXPECT_EQ(CellToken(canvas.shown(), Board::kLeft, p), "?");  // no picture of fld2/
    EXPECT_NE(Cell(canvas.shown(), p), empty) << p.column;
  }
  EXPECT_NE(Cell(canvas.shown(), {7, 5}), Cell(canvas.shown(), {9, 5}));
}

}  // namespace
