// Board resets: the empty grid built from tiles on one board, the other board
// untouched, the count array emptied, and a reset that cannot read a tile.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/board_window.h"
#include "shell/program_folder.h"
#include "support/pixels.h"

namespace {

void Reset(BoardWindow& window, Side side) {
  side == Side::kLeft ? window.ResetLeftBoard() : window.ResetRightBoard();
}

int CellX(Side side, int column) {
  return side == Side::kLeft ? LeftCellX(column) : RightCellX(column);
}

BoardState& Counts(BoardWindow& window, Side side) {
  return side == Side::kLeft ? window.LeftCounts : window.RightCounts;
}

const QRect& Area(Side side) {
  return side == Side::kLeft ? kLeftBoardArea : kRightBoardArea;
}

Side Other(Side side) {
  return side == Side::kLeft ? Side::kRight : Side::kLeft;
}

class BoardResetTest : public ::testing::TestWithParam<Side> {
 protected:
  Side side() const { return GetParam(); }
  BoardWindow window;
};

TEST_P(BoardResetTest, EveryPointShowsItsTile) {
  Reset(window, side());
  for (int row = 1; row <= 19; ++row)
    for (int column = 1; column <= 19; ++column)
      EXPECT_TRUE(CellShows(window.canvas.master(), CellX(side(), column), CellY(row),
                            TileName(column, row)));
}

TEST_P(BoardResetTest, CountsAreEmptiedRingIncluded) {
  BoardState& counts = Counts(window, side());
  for (auto& column : counts.code) column.fill(5);
  Reset(window, side());
  EXPECT_EQ(counts, BoardState{});
}

TEST_P(BoardResetTest, OtherBoardAndTheStripAreUntouched) {
  window.ResetLeftBoard();
  window.ResetRightBoard();
  for (Side s : {Side::kLeft, Side::kRight}) {
    window.DrawImage("\\fld2\\mygold.gif", CellX(s, 4), CellY(4));
    Counts(window, s).at(4, 4) = 1;
  }
  const QImage before = window.canvas.master();
  Reset(window, side());
  EXPECT_TRUE(AreaEqual(window.canvas.master(), before, Area(Other(side()))));
  EXPECT_TRUE(AreaEqual(window.canvas.master(), before, kStripArea));
  EXPECT_EQ(Counts(window, Other(side())).at(4, 4), 1);
  EXPECT_TRUE(CellShows(window.canvas.master(), CellX(side(), 4), CellY(4), "crossdot23.jpg"));
}

TEST_P(BoardResetTest, ResettingTwiceGivesTheSamePictureAsOnce) {
  Reset(window, side());
  const QImage once = window.canvas.master();
  Reset(window, side());
  EXPECT_TRUE(AreaEqual(window.canvas.master(), once, once.rect()));
}

TEST_P(BoardResetTest, BoardIsShownOnceWhenComplete) {
  const int before = window.canvas.refreshCount();
  Reset(window, side());
  EXPECT_EQ(window.canvas.refreshCount(), before + 1);
}

TEST_P(BoardResetTest, OnlyTheRightBoardOpensTheSearchInput) {
  window.InputClosed = true;
  Reset(window, side());
  EXPECT_EQ(window.InputClosed, side() == Side::kLeft);
}

INSTANTIATE_TEST_SUITE_P(Boards, BoardResetTest, ::testing::Values(Side::kLeft, Side::kRight),
                         [](const auto& info) {
                           return std::string(info.param == Side::kLeft ? "Left" : "Right");
                         });

struct TileAt {
  int x;
  int y;
  const char* image;
};

class TilePositionTest : public ::testing::TestWithParam<TileAt> {};

TEST_P(TilePositionTest, CellAtPixelShowsTile) {
  BoardWindow window;
  window.ResetLeftBoard();
  window.ResetRightBoard();
  EXPECT_TRUE(CellShows(window.canvas.master(), GetParam().x, GetParam().y, GetParam().image));
}

INSTANTIATE_TEST_SUITE_P(
    Points, TilePositionTest,
    ::testing::Values(TileAt{0, 0, "upleft23.jpg"}, TileAt{440, 0, "upleft23.jpg"},
                      TileAt{836, 0, "upright23.jpg"}, TileAt{396, 414, "bottomright23.jpg"},
                      TileAt{836, 414, "bottomright23.jpg"}, TileAt{0, 414, "bottomleft23.jpg"},
                      TileAt{66, 69, "crossdot23.jpg"}, TileAt{506, 69, "crossdot23.jpg"},
                      TileAt{198, 207, "crossdot23.jpg"},  // the centre, (10, 10)
                      TileAt{198, 230, "cross23.jpg"},     // (10, 11)
                      TileAt{66, 0, "top23.jpg"},          // (4, 1): an edge, no star
                      TileAt{0, 69, "left23.jpg"}, TileAt{836, 207, "right23.jpg"},
                      TileAt{638, 414, "bottom23.jpg"}));

// ---- a tile that cannot be read --------------------------------------------

// A program folder whose fld2/ lacks one image.
class FolderWithoutImage {
 public:
  explicit FolderWithoutImage(const QString& missing) {
    QDir(dir_.path()).mkpath("fld2");
    for (const QString& name : ImageCatalogue()) {
      if (name != missing) {
        QFile::link(QStringLiteral(PROGRAM_DIR "/fld2/") + name, dir_.filePath("fld2/" + name));
      }
    }
    ProgramFolder::SetRoot(dir_.path());
  }
  ~FolderWithoutImage() { ProgramFolder::SetRoot(QStringLiteral(PROGRAM_DIR)); }

 private:
  QTemporaryDir dir_;
};

TEST(BoardResetFailureTest, MissingTileEndsTheResetBeforeItIsShown) {
  BoardWindow window;
  window.ResetLeftBoard();
  window.DrawImage("\\fld2\\mygold.gif", RightCellX(19), CellY(5));
  const QImage before = window.canvas.master();
  window.RightCounts.at(3, 3) = 1;
  window.InputClosed = true;
  const int refreshes = window.canvas.refreshCount();
  {
    FolderWithoutImage folder("right23.jpg");  // the last tile drawn
    window.ResetRightBoard();
  }
  EXPECT_EQ(window.canvas.refreshCount(), refreshes);
  EXPECT_TRUE(window.InputClosed);
  EXPECT_EQ(window.RightCounts, BoardState{});
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 18, 5, "cross23.jpg"));
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 1, 5, "left23.jpg"));
  EXPECT_TRUE(RightPointShows(window.canvas.master(), 19, 5, "mygold.gif"));  // not redrawn
  EXPECT_TRUE(AreaEqual(window.canvas.master(), before, kLeftBoardArea));
}

}  // namespace
