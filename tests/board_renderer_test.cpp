// What a board shows as data and as pixels: the ASCII form of a diagram
// both ways, and the renderer drawing each kind of point with the picture
// of fld2/ it stands for.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "pictures/board_renderer.h"
#include "pictures/end_notice.h"
#include "support/board_pictures.h"
#include "support/test_folder.h"

namespace {

QImage Cell(const QImage& picture, Board board, Point p) {
  return picture.copy(CellRect(board, p));
}

// The cell an image file puts on the board: its columns 1..22.
QImage CellOfImage(const QString& name) {
  return ImageFile(name).copy(1, 0, Canvas::kCellWidth, Canvas::kCellHeight);
}

TEST(BoardDiagram, PrintsAsItParsesAndRefusesWhatItCannotRead) {
  const std::string text = R"(
. X O G X! O!
b2 w13 w55 a e n
^ x * X:f O:n .
)";
  const BoardDiagram diagram = ParseDiagram(text);
  EXPECT_EQ(PrintDiagram(diagram, 6, 3), text.substr(1));
  EXPECT_EQ(diagram.at({2, 2}), StonePoint(Colour::kWhite, 13));
  EXPECT_EQ(diagram.at({6, 2}), DiagramPoint{.letter = u'n'});
  EXPECT_EQ(diagram.at({5, 3}).letter, u'n');
  EXPECT_EQ(diagram.at({1, 4}), DiagramPoint{});
  EXPECT_EQ(StonePoint(Colour::kBlack, 56), StonePoint(Colour::kBlack));
  for (const char* bad :
       {"b0", "w56", "Q", "X:O", "a:b", "bb", ". . . . . . . . . . . . . . . . . . . ."})
    EXPECT_THROW(ParseDiagram(bad), std::invalid_argument) << bad;
}

TEST(BoardRenderer, EachKindOfPointIsItsPicture) {
  const std::pair<const char*, const char*> cases[] = {
      {".", "cross23.jpg"},  {"X", "mygold.gif"},     {"O", "ysilver.gif"},
      {"G", "zgold.gif"},    {"X!", "zkurored.gif"},  {"O!", "zshirored.gif"},
      {"b2", "zkuro2.gif"},  {"w55", "zshiro55.gif"}, {"a", "aa.gif"},
      {"e", "ae.gif"},       {"^", "shiroshiro.gif"}, {"x", "kurokuro.gif"},
      {"*", "mmmcross.gif"}, {"O:c", "ac.gif"},
  };
  Canvas canvas(BuiltProgramFolder().ImageFolder());
  BoardRenderer right(canvas, Board::kRight);
  ASSERT_TRUE(right.Clear());
  for (const auto& [token, image] : cases) {
    const DiagramPoint shown = ParseDiagram(token).at({1, 1});
    right.Draw({5, 5}, shown);
    EXPECT_TRUE(Cell(canvas.drawing(), Board::kRight, {5, 5}) == CellOfImage(image)) << token;
    EXPECT_EQ(right.diagram().at({5, 5}), shown);
  }
  EXPECT_TRUE(Cell(canvas.drawing(), Board::kRight, {1, 19}) == CellOfImage("bottomleft23.jpg"));
  EXPECT_TRUE(Cell(canvas.drawing(), Board::kRight, {16, 10}) == CellOfImage("crossdot23.jpg"));
  // The marks for a move elsewhere sit a little inside their cells.
  right.MarkTenukiCells();
  EXPECT_TRUE(right.diagram().tenukiMarks);
  const QImage& mark = ImageFile("newcross.gif");
  for (int x : {795, 817, 839}) EXPECT_EQ(canvas.drawing().pixel(x + 5, 211 + 7), mark.pixel(6, 7));
}

TEST(BoardRenderer, LettersPastEAreLetteredOverWhatThePointShows) {
  Canvas canvas(BuiltProgramFolder().ImageFolder());
  BoardRenderer left(canvas, Board::kLeft);
  BoardDiagram whole = ParseDiagram(". . . . . . f . n\n. . . . . . X:f");
  whole.at({19, 19}) = StonePoint(Colour::kWhite);
  ASSERT_TRUE(left.DrawWhole(whole));
  EXPECT_TRUE(Cell(canvas.shown(), Board::kLeft, {19, 19}) == CellOfImage("ysilver.gif"));
  // Points 7-1, 8-1 and 9-1 show the same tile: a lettered one is no longer the empty point.
  const QImage empty = Cell(canvas.shown(), Board::kLeft, {8, 1});
  for (Point p : {Point{7, 1}, Point{9, 1}, Point{7, 2}})
    EXPECT_FALSE(Cell(canvas.shown(), Board::kLeft, p) == empty) << p.column << "-" << p.row;
  EXPECT_FALSE(Cell(canvas.shown(), Board::kLeft, {7, 1}) ==
               Cell(canvas.shown(), Board::kLeft, {9, 1}));
  EXPECT_FALSE(Cell(canvas.shown(), Board::kLeft, {7, 2}) == CellOfImage("mygold.gif"));
}

TEST(BoardRenderer, ErasedPointsAndPicturesThatCannotBeRead) {
  Canvas canvas(BuiltProgramFolder().ImageFolder());
  BoardRenderer right(canvas, Board::kRight);
  ASSERT_TRUE(right.Clear());
  EXPECT_TRUE(SameBoard(canvas.shown(), EmptyBoards(), Board::kRight));
  EXPECT_FALSE(SameBoard(canvas.drawing(), EmptyBoards(), Board::kLeft));  // the strip colour
  right.Draw({4, 4}, StonePoint(Colour::kBlack));
  right.Erase({4, 4});
  EXPECT_TRUE(SameBoard(canvas.shown(), EmptyBoards(), Board::kRight));
  EXPECT_EQ(right.diagram(), BoardDiagram{});

  Canvas missing(QDir("/nonexistent"));
  BoardRenderer nothing(missing, Board::kLeft);
  EXPECT_FALSE(nothing.Clear());
  EXPECT_EQ(missing.refreshCount(), 0);
  EXPECT_THROW(nothing.Draw({3, 3}, StonePoint(Colour::kWhite)), ImageLoadError);
  // The image read last stands in for one that cannot be read.
  missing.SetLastImage(ImageFile("aa.gif"));
  nothing.DrawOrRepeatLast({3, 3}, {PointLook::kTriangle});
  EXPECT_TRUE(Cell(missing.drawing(), Board::kLeft, {3, 3}) == CellOfImage("aa.gif"));
  // The diagram says what was asked for all the same.
  EXPECT_EQ(PrintPoint(nothing.diagram().at({3, 3})), "^");
  nothing.Refresh();
  EXPECT_EQ(missing.refreshCount(), 1);
  EXPECT_EQ(EndNoticePicture().size(), QSize(121, 76));
}

TEST(BoardRenderer, APixelNamesThePointOfItsCellOnlyOnItsBoard) {
  const struct {
    Board board;
    double x, y;
    std::optional<Point> point;
  } cases[] = {
      {Board::kRight, 440, 0, Point{1, 1}},       {Board::kRight, 439.4, 0, std::nullopt},
      {Board::kRight, 835.5, 436, Point{19, 19}}, {Board::kRight, 858, 50, std::nullopt},
      {Board::kRight, 500, 437, std::nullopt},    {Board::kRight, 100, 50, std::nullopt},
      {Board::kRight, 800, 216, Point{17, 10}},   {Board::kLeft, 0, 0, Point{1, 1}},
      {Board::kLeft, -0.6, 5, std::nullopt},      {Board::kLeft, 417, 436, Point{19, 19}},
      {Board::kLeft, 430, 50, std::nullopt},      {Board::kLeft, std::nan(""), 5, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PointAt(c.board, c.x, c.y), c.point) << c.x << ", " << c.y;
    if (c.point) {
      EXPECT_TRUE(CellRect(c.board, *c.point).contains(int(std::nearbyint(c.x)), int(c.y)));
    }
  }
}

}  // namespace
