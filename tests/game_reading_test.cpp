// A game the user opens: read from SGF, read corner by corner against the
// collection, shown on the boards, and what the boards show kept as PNG and SGF.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "collection/sgf_export.h"
#include "collection/sgf_parser.h"
#include "features/corner_reading.h"
#include "model/board_window_model.h"
#include "support/board_pictures.h"
#include "support/joseki_text.h"
#include "support/test_folder.h"

namespace {

// A handicap game: black's stones set up, a comment, a pass and a variation.
const QString kHandicapGame =
    u"(;FF[4]GM[1]SZ[19]PB[黒太郎]BR[三段]PW[白花子]DT[2024-01-02]HA[2]\n"
    "AB[pd][dp]C[二子局];W[qf]C[カカリ];B[]"
    "(;W[tt];B[cd])(;W[aa]))"_qs;

PlayedGame Game(const std::vector<Point>& points, std::vector<Point> blackSetup = {}) {
  PlayedGame game;
  game.blackSetup = std::move(blackSetup);
  const bool whiteFirst = !game.blackSetup.empty();
  for (size_t k = 0; k < points.size(); ++k)
    game.moves.push_back({(k % 2 == 0) != whiteFirst ? Colour::kBlack : Colour::kWhite, points[k]});
  return game;
}

TEST(GameFile, TheMainLineWithSetupStonesPassesAndHeading) {
  const GameFile read = ReadGameText(kHandicapGame, "g.sgf");
  ASSERT_EQ(read.error, "");
  const PlayedGame& game = read.game;
  EXPECT_EQ(game.blackSetup, (std::vector<Point>{{16, 4}, {4, 16}}));
  EXPECT_EQ(game.moves, Game({{17, 6}, {}, {}, {3, 4}}, {{16, 4}}).moves);  // white first
  EXPECT_EQ(game.Heading(), u"黒 黒太郎 三段　白 白花子　2子局　2024-01-02"_qs);
}

// Files that are no game record, or one built to cost time and memory: each is
// refused at once with its reason, or read with its repeats collapsed.
TEST(GameFile, FilesBuiltToExhaustTheReaderAreRefusedOrBounded) {
  TestFolder folder;
  const auto repeated = [](const QByteArray& head, const QByteArray& unit, int times) {
    return head + unit.repeated(times) + ";B[dd])";
  };
  QByteArray distinctNames = "(;";
  for (int n = 0; n <= kMaxSgfPropertiesPerNode; ++n)
    distinctNames +=
        QByteArray(1, char('A' + n / 676)) + char('A' + n / 26 % 26) + char('A' + n % 26) + "[]";
  ASSERT_EQ(::mkfifo(QFile::encodeName(folder.path("pipe.sgf")).constData(), 0600), 0);
  QFile sparse(folder.path("huge.sgf"));
  ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize((16 << 20) + 1));
  const std::pair<QString, QString> cases[] = {
      {folder.Write("names.sgf", distinctNames + ";B[dd])"),
       "一つの局面のプロパティが多すぎます（1000 種類まで）。"},
      {folder.Write("values.sgf", repeated("(;AB", "[aa]", kMaxSgfValues)),
       "プロパティの値が多すぎます（200000 個まで）。"},
      {folder.Write("nodes.sgf", repeated("(", ";", kMaxSgfNodes)),
       "局面の数が多すぎます（100000 まで）。"},
      {folder.Write("moves.sgf", repeated("(;", ";W[pp]", 10'000)),
       "手数が多すぎます（10000手まで読めます）。"},
      {folder.path("pipe.sgf"), "名前付きパイプです。通常のファイルではありません。"},
      {"/dev/zero", "デバイスです。通常のファイルではありません。"},
      {folder.path("fld1"), "フォルダです。棋譜のファイルを選んでください。"},
      {folder.path("huge.sgf"), "棋譜のファイルとしては大きすぎます（16 MB まで）。"},
  };
  for (const auto& [path, reason] : cases) {
    const QString name = QDir::toNativeSeparators(path);
    EXPECT_EQ(ReadGameFile(path).error, u"棋譜「%1」を読み込めません。\n"_qs.arg(name) + reason);
  }
  // 150,000 rectangles of the whole board are the 361 points once.
  const GameFile rectangles =
      ReadGameFile(folder.Write("rectangles.sgf", repeated("(;AB[dd]", "AB[aa:ss]", 150'000)));
  ASSERT_EQ(rectangles.error, "");
  EXPECT_EQ(rectangles.game.blackSetup.size(), size_t(kBoardSize * kBoardSize));
  EXPECT_EQ(rectangles.game.blackSetup.front(), (Point{4, 4}));
  const GameFile longest = ReadGameFile(folder.Write("long.sgf", repeated("(;", ";W[pp]", 9'999)));
  EXPECT_EQ(longest.game.moves.size(), 10'000u);
  // A collection of games opens as its first; the rest is not read.
  EXPECT_EQ(ReadGameText("(;B[dd])(;W[pp]) damaged (", "c.sgf").game.moves.size(), 1u);
}

TEST(GameFile, WhatABoardShowsReadsBackFromItsSgf) {
  const PlayedGame game = ReadGameText(kHandicapGame, "g.sgf").game;
  const QString saved = PlayedGameSgf(game, 3, {"題", "解説", "見出し"});
  const PlayedGame back = ReadGameText(saved, "saved.sgf").game;
  EXPECT_EQ(back.moves, std::vector<PlayedMove>(game.moves.begin(), game.moves.begin() + 3));
  EXPECT_EQ(back.blackSetup, game.blackSetup);
  EXPECT_EQ(back.Heading(), game.Heading());
  EXPECT_TRUE(saved.contains("GN[題]") && saved.contains("C[解説]") &&
              saved.contains("GC[見出し]"));

  const JosekiRecord joseki =
      Joseki(Moves({{4, 3}, {3, 5}, {}, {5, 5}}), 1, "53a552", "見出し|1/2|");
  const QString josekiSgf = JosekiRecordSgf(joseki);
  EXPECT_EQ(ReadGameText(josekiSgf, "j.sgf").game.moves, Game({{4, 3}, {3, 5}, {}, {5, 5}}).moves);
  EXPECT_TRUE(josekiSgf.contains("GN[title]") && josekiSgf.contains("GC[見出し]") &&
              josekiSgf.contains("LB[ce:a]") && josekiSgf.contains("TR[ee]"));
}

// The rows of the tests: a 3-4 point joseki and its longer line, a 4-4 point
// joseki and the same with black playing elsewhere before white's last move.
const std::vector<JosekiRecord> kRows = {
    Joseki(Moves({{4, 3}, {3, 5}, {5, 5}, {3, 3}}), 1),
    Joseki(Moves({{4, 3}, {3, 5}, {5, 5}, {3, 3}, {6, 3}, {2, 6}}), 1),
    Joseki(Moves({{4, 4}, {6, 3}, {3, 6}}), 1),
    Joseki(Moves({{4, 4}, {6, 3}, {}, {3, 6}}), 1),
};

struct CornerWant {
  int row;  // -1: none begins so; -2: an empty corner
  int leftBookAt = 0;
};

TEST(CornerReading, EachCornerFollowsItsRowUntilTheGameLeavesTheBook) {
  std::vector<BookRow> book;
  for (const JosekiRecord& row : kRows) book.push_back({Section::kStarPoint, &row});
  struct Case {
    const char* name;
    PlayedGame game;
    std::array<CornerWant, 4> corners;  // upper left, upper right, lower left, lower right
  };
  // Points of the upper left corner turned to the others, and to the other orientation.
  const auto UR = [](Point p) { return Point{20 - p.column, p.row}; };
  const auto LL = [](Point p) { return Point{p.column, 20 - p.row}; };
  const auto LR = [](Point p) { return Point{20 - p.column, 20 - p.row}; };
  const auto D = [](Point p) { return Point{p.row, p.column}; };
  // Transposed, interleaved, colours exchanged upper right, black elsewhere lower left.
  const std::vector<Point> mixed = {
      {4, 3}, UR(D({4, 3})), UR(D({3, 5})), {3, 5},   {5, 5},        UR(D({5, 5})), UR(D({3, 3})),
      {3, 3}, LL({4, 4}),    LL(D({6, 3})), {10, 10}, LL(D({3, 6})), {2, 2},        LR({5, 5})};
  // Handicap stones, a pass for black's move elsewhere, a deviation at move 12.
  const std::vector<Point> handicap = {{6, 3},     {},         {3, 6},     {},
                                       LR({6, 3}), LR({3, 6}), UR({4, 3}), UR({3, 5}),
                                       UR({5, 5}), UR({3, 3}), UR({6, 3}), UR({2, 2})};
  const Case cases[] = {
      {"mixed", Game(mixed), {{{0}, {0}, {3}, {-1}}}},
      {"handicap", Game(handicap, {{4, 4}, LR({4, 4})}), {{{3}, {1, 12}, {-2}, {2}}}}};
  for (const Case& c : cases) {
    const std::array<CornerReading, 4> read = ReadCorners(c.game, book);
    for (size_t k = 0; k < 4; ++k) {
      SCOPED_TRACE(std::string(c.name) + ", corner " + std::to_string(k));
      const int row = c.corners[k].row;
      EXPECT_EQ(read[k].row, row >= 0 ? std::optional(size_t(row)) : std::nullopt);
      EXPECT_EQ(read[k].firstMove < 0, c.corners[k].row == -2);
      EXPECT_EQ(read[k].leftBookAt, c.corners[k].leftBookAt);
    }
  }
  // Numbered as in the joseki: the handicap stone given, the pass as move 2.
  const std::array<CornerReading, 4> read = ReadCorners(cases[1].game, book);
  EXPECT_EQ(read[0].numbers, (std::vector<NumberedStone>{{1, 1}, {2, 2}, {3, 3}}));
  EXPECT_EQ(read[1].numbers,
            (std::vector<NumberedStone>{{8, 1}, {9, 2}, {10, 3}, {11, 4}, {12, 5}}));
  EXPECT_EQ(read[1].lastShownMove, 12);
}

class ReadingModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.WriteCollection({Row("置碁", "0A", Moves({{4, 4}, {6, 3}, {3, 6}})),
                            Row("小目", "2", Moves({{4, 3}, {3, 5}, {5, 5}, {3, 3}})),
                            Row("五の五", "8A", Moves({{5, 5}, {3, 3}}))});
  }
  QString GameFile(const std::vector<Point>& points) {
    return folder.Write("game.sgf", PlayedGameSgf(Game(points), int(points.size()), {}).toUtf8());
  }

  TestFolder folder;
  MessageRecorder messages;
  GameReadingModel reading{folder.folder(), messages};
};

TEST_F(ReadingModelTest, ACornerChosenShowsItsJosekiAndTheGameUpToWhereItLeftTheBook) {
  const std::vector<Point> moves = {{4, 3},   {3, 5},  {5, 5},  {16, 4},  {14, 3}, {2, 2},
                                    {10, 10}, {17, 6}, {4, 16}, {15, 15}, {17, 17}};
  ASSERT_TRUE(reading.OpenGame(GameFile(moves)));
  EXPECT_EQ(reading.lines(),
            QStringList({"左上隅　小目　6手目で定石を外れました", "右上隅　置碁　定石どおり",
                         "左下隅　定石はまだ始まっていません", "右下隅　五の五　定石どおり"}));
  const CornerChoice choice = *reading.Choice(0);
  EXPECT_EQ(choice.section, Section::kThreeFour);
  EXPECT_EQ(choice.heading, "左上隅：1手目～6手目");
  EXPECT_EQ(reading.Choice(1)->section, Section::kHandicap);  // listed by two sections, read once
  EXPECT_EQ(reading.Choice(3)->section, Section::kOther);
  EXPECT_FALSE(reading.Choice(2));
  EXPECT_FALSE(reading.Choice(-1) || reading.Choice(4));  // no such line

  BoardWindowModel model(folder.folder(), Section::kThreeFour, messages);
  model.Load();
  model.ShowGameCorner(choice);
  EXPECT_EQ(std::string("\n").append(PrintDiagram(model.shownDiagram(Board::kLeft), 5, 5)),
            R"(
. . . . .
. . . . .
. . w3 X .
. . . . .
. . w1 . b2
)");
  EXPECT_EQ(std::string("\n").append(PrintDiagram(model.shownDiagram(Board::kRight), 5, 5)),
            R"(
. . . . .
. w3 . . .
. . . X .
. . . . .
. . w1 . b2
)");
  EXPECT_EQ(PrintPoint(model.shownDiagram(Board::kRight).at({16, 4})), "O");
  EXPECT_EQ(PrintPoint(model.shownDiagram(Board::kRight).at({14, 3})), "X");
  EXPECT_EQ(model.view().gameHeading, choice.heading);
  EXPECT_FALSE(model.view().gameButtonsEnabled);

  model.SaveBoardPicture(Board::kRight, folder.path("right.png"));
  EXPECT_TRUE(QImage(folder.path("right.png")).convertToFormat(QImage::Format_RGB32) ==
              model.canvas().shown().copy(BoardArea(Board::kRight)));
  model.SaveBoardRecord(Board::kRight, folder.path("right.sgf"));
  EXPECT_EQ(ReadGameFile(folder.path("right.sgf")).game.moves.size(), 6u);
  model.SaveBoardRecord(Board::kLeft, folder.path("missing/left.sgf"));
  EXPECT_EQ(messages.messages, QStringList{u"ファイル「%1」に保存できませんでした。"_qs.arg(
                                   folder.path("missing/left.sgf"))});
  model.StartSearchInput();  // the game is gone from the right board
  EXPECT_FALSE(model.HasBoardRecord(Board::kRight));
}

}  // namespace
