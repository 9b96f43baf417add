// The drill of one line, headless: the book's rows written as points
// (column, row) in the upper left corner, the first stone given.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "features/line_drill.h"
#include "rules/captures.h"
#include "support/joseki_text.h"

namespace {

// Three rows that share the position after white's first move (black at
// 4-4, white at 6-3, black to move) and go on from it in three ways: row A
// with 3-6, row B with 6-5, and row C, which lies mirrored in the diagonal
// (its white stone at 3-6), with its 4-7: 7-4 in the others' frame.
std::vector<JosekiRecord> ThreeRows() {
  return {Joseki(Moves({{4, 4}, {6, 3}, {3, 6}, {8, 3}, {3, 3}}), 1),
          Joseki(Moves({{4, 4}, {6, 3}, {6, 5}, {3, 6}, {2, 7}}), 1),
          Joseki(Moves({{4, 4}, {3, 6}, {4, 7}, {6, 3}, {2, 2}}), 1)};
}
constexpr int kRowA = 0, kRowB = 1, kRowC = 2;

DrillSetup Plain(Colour user) {
  return {Symmetry{}, false, user};
}

// The upper left 7 x 7 points as the user sees them: X black, O white, rows apart by '|'.
std::string Shown(const LineDrill& drill) {
  std::string rows = ".......|.......|.......|.......|.......|.......|.......";
  for (const ShownStone& stone : drill.Stones()) {
    if (stone.point.column <= 7 && stone.point.row <= 7)
      rows[size_t(stone.point.row - 1) * 8 + size_t(stone.point.column - 1)] =
          stone.colour == Colour::kBlack ? 'X' : 'O';
  }
  return rows;
}

TEST(LineDrill, ThePlayerToMoveFirstWaitsAndTheOtherSideIsPlayedForTheUser) {
  const std::vector<JosekiRecord> rows = ThreeRows();
  const BookPositions book(rows);
  const LineDrill asBlack(book, kRowA, Plain(Colour::kBlack));
  EXPECT_EQ(asBlack.state(), DrillState::kYourMove);
  EXPECT_EQ(asBlack.Stones(),
            (std::vector<ShownStone>{{{4, 4}, Colour::kBlack, 0}, {{6, 3}, Colour::kWhite, 1}}));
  const LineDrill asWhite(book, kRowA, Plain(Colour::kWhite));
  EXPECT_EQ(asWhite.state(), DrillState::kYourMove);
  EXPECT_EQ(asWhite.Stones(), (std::vector<ShownStone>{{{4, 4}, Colour::kBlack, 0}}));
}

TEST(LineDrill, ALineAnsweredRightThroughIsDoneWithoutAFaultPastARowThatEndsOnTheWay) {
  std::vector<JosekiRecord> rows = ThreeRows();
  rows.push_back(Joseki(Moves({{4, 4}, {6, 3}, {3, 6}, {8, 3}}), 1));  // row A's beginning
  const BookPositions book(rows);
  LineDrill drill(book, kRowA, Plain(Colour::kBlack));
  EXPECT_EQ(drill.Play({3, 6}), LineDrill::Verdict::kRight);
  EXPECT_EQ(drill.lastMove(), (Point{8, 3}));  // the program's answer
  EXPECT_EQ(drill.Play({3, 3}), LineDrill::Verdict::kRight);
  EXPECT_EQ(drill.state(), DrillState::kLineDone);
  EXPECT_EQ(drill.followedRow(), kRowA);
  EXPECT_EQ(drill.outcome(), LineOutcome::kWithoutFault);
  EXPECT_EQ(drill.answers(), (std::vector<bool>{true, true}));
}

// Drilled in an orientation and with colours drawn by a seeded generator:
// a second book answer (row B's) joins row B, a wrong move shows row B's
// move as 'a', and Continue plays it and ends the line.
TEST(LineDrill, PlayedThroughInARandomOrientationWithASecondBookAnswerAndAWrongMove) {
  const std::vector<JosekiRecord> rows = ThreeRows();
  const BookPositions book(rows);
  for (unsigned seed : {21u, 22u, 23u, 24u, 25u, 26u, 27u, 28u}) {
    std::mt19937 random(seed);
    DrillSetup setup = RandomSetup(random);
    setup.userColour = Colour::kBlack;
    Symmetry shown = setup.orientation;
    LineDrill drill(book, kRowA, setup);
    SCOPED_TRACE(seed);
    const Colour black = setup.coloursSwapped ? Colour::kWhite : Colour::kBlack;
    EXPECT_EQ(drill.userColourShown(), black);
    EXPECT_EQ(drill.lastMove(), shown({6, 3}));

    EXPECT_EQ(drill.Play(shown({6, 5})), LineDrill::Verdict::kRight);
    EXPECT_EQ(drill.followedRow(), kRowB);
    EXPECT_EQ(drill.lastMove(), shown({3, 6}));  // row B's white answer

    EXPECT_EQ(drill.Play(shown({10, 10})), LineDrill::Verdict::kWrong);
    EXPECT_EQ(drill.state(), DrillState::kBookShown);
    EXPECT_EQ(drill.bookMarks(), (std::vector<BookMark>{{shown({2, 7}), false, u'a'}}));
    EXPECT_EQ(drill.Play(shown({2, 7})), LineDrill::Verdict::kNotAMove);

    drill.Continue();
    EXPECT_EQ(drill.state(), DrillState::kLineDone);
    EXPECT_EQ(drill.lastMove(), shown({2, 7}));
    EXPECT_TRUE(drill.bookMarks().empty());
    EXPECT_EQ(drill.answers(), (std::vector<bool>{true, false}));
    EXPECT_EQ(drill.outcome(), LineOutcome::kWithFaults);
    const std::vector<ShownStone> stones = drill.Stones();
    EXPECT_EQ(stones.size(), 5u);
    for (Point p : {Point{4, 4}, Point{6, 5}, Point{2, 7}}) {
      EXPECT_NE(std::find(stones.begin(), stones.end(),
                          ShownStone{shown(p), black,
                                     p == Point{4, 4}   ? 0
                                     : p == Point{6, 5} ? 2
                                                        : 4}),
                stones.end());
    }
  }
}

struct BookAnswer {
  Point move;
  int joinedRow;
  Point programAnswer;  // the joined row's next move, in the drilled row's frame
};

class EveryBookAnswer : public testing::TestWithParam<BookAnswer> {};

// The position after white 6-3 has three continuations in the book; each is right.
TEST_P(EveryBookAnswer, IsAcceptedAndTheDrillFollowsItsRow) {
  const std::vector<JosekiRecord> rows = ThreeRows();
  const BookPositions book(rows);
  LineDrill drill(book, kRowA, Plain(Colour::kBlack));
  EXPECT_EQ(drill.Play(GetParam().move), LineDrill::Verdict::kRight);
  EXPECT_EQ(drill.followedRow(), GetParam().joinedRow);
  EXPECT_EQ(drill.lastMove(), GetParam().programAnswer);
  EXPECT_EQ(drill.state(), DrillState::kYourMove);
}

INSTANTIATE_TEST_SUITE_P(ThreeRows, EveryBookAnswer,
                         testing::Values(BookAnswer{{3, 6}, kRowA, {8, 3}},
                                         BookAnswer{{6, 5}, kRowB, {3, 6}},
                                         // row C's white 6-3 is 3-6 mirrored
                                         BookAnswer{{7, 4}, kRowC, {3, 6}}));

TEST(LineDrill, TheAnswerShowsEveryBookMoveTheDrilledRowsFirst) {
  const std::vector<JosekiRecord> rows = ThreeRows();
  const BookPositions book(rows);
  LineDrill drill(book, kRowA, Plain(Colour::kBlack));
  drill.ShowAnswer();
  EXPECT_EQ(
      drill.bookMarks(),
      (std::vector<BookMark>{{{3, 6}, false, u'a'}, {{6, 5}, false, u'b'}, {{7, 4}, false, u'c'}}));
  EXPECT_EQ(drill.answers(), std::vector<bool>{false});
  drill.Continue();  // the drilled row's move is played for the user
  EXPECT_EQ(drill.followedRow(), kRowA);
  EXPECT_EQ(drill.lastMove(), (Point{8, 3}));
  // Drilling row C, its own 4-7 is 'a' although the book lists it last.
  LineDrill mirrored(book, kRowC, Plain(Colour::kBlack));
  mirrored.ShowAnswer();
  ASSERT_FALSE(mirrored.bookMarks().empty());
  EXPECT_EQ(mirrored.bookMarks()[0], (BookMark{{4, 7}, false, u'a'}));
}

TEST(LineDrill, ATakenPointOrAClickOutOfTurnIsNoAnswer) {
  const std::vector<JosekiRecord> rows = ThreeRows();
  const BookPositions book(rows);
  LineDrill drill(book, kRowA, Plain(Colour::kBlack));
  EXPECT_EQ(drill.Play({4, 4}), LineDrill::Verdict::kNotAMove);
  EXPECT_EQ(drill.Play({0, 3}), LineDrill::Verdict::kNotAMove);
  EXPECT_TRUE(drill.answers().empty());
  EXPECT_EQ(drill.state(), DrillState::kYourMove);
}

// White takes the black corner stone; the book continues from the position
// with the capture applied.
TEST(LineDrill, CapturesAreTakenOffTheBoard) {
  const std::vector<JosekiRecord> rows = {
      Joseki(Moves({{1, 1}, {2, 1}, {3, 1}, {1, 2}, {1, 3}}), 1)};
  const BookPositions book(rows);
  LineDrill drill(book, 0, Plain(Colour::kWhite));
  EXPECT_EQ(drill.Play({2, 1}), LineDrill::Verdict::kRight);
  EXPECT_EQ(drill.Play({1, 2}), LineDrill::Verdict::kRight);
  EXPECT_EQ(Shown(drill), ".OX....|O......|X......|.......|.......|.......|.......");
  EXPECT_EQ(drill.state(), DrillState::kLineDone);
}

TEST(LineDrill, AMoveElsewhereIsAnswered) {
  // {0, 0} is a move elsewhere.
  const std::vector<JosekiRecord> rows = {
      Joseki(Moves({{4, 4}, {6, 3}, {0, 0}, {3, 6}, {3, 3}}), 1)};
  const BookPositions book(rows);
  LineDrill wrong(book, 0, Plain(Colour::kBlack));
  EXPECT_EQ(wrong.Play({3, 6}), LineDrill::Verdict::kWrong);
  EXPECT_EQ(wrong.bookMarks(), (std::vector<BookMark>{{{}, true, u'a'}}));
  LineDrill right(book, 0, Plain(Colour::kBlack));
  EXPECT_EQ(right.PlayElsewhere(), LineDrill::Verdict::kRight);
  EXPECT_EQ(right.lastMove(), (Point{3, 6}));
  EXPECT_EQ(right.Play({3, 3}), LineDrill::Verdict::kRight);
  EXPECT_EQ(right.state(), DrillState::kLineDone);
}

// The same position reached with the colours exchanged and a move elsewhere
// between: the second row has black 3-6, white 4-4, then black elsewhere, so
// it is white to move with the first row's colours exchanged, mirrored. A
// third row goes on as the first does: each row's move is offered.
TEST(BookPositions, APositionMatchesWithTheColoursExchangedAndTurned) {
  const std::vector<JosekiRecord> rows = {Joseki(Moves({{4, 4}, {6, 3}, {3, 6}}), 1),
                                          Joseki(Moves({{3, 6}, {4, 4}, {0, 0}, {7, 7}}), 1),
                                          Joseki(Moves({{4, 4}, {6, 3}, {3, 6}, {8, 3}}), 1),
                                          Joseki(Moves({{4, 4}, {3, 3}}), 1)};
  const BookPositions book(rows);
  BoardState board;
  PlaceStone(board, {4, 4}, Colour::kBlack);
  PlaceStone(board, {6, 3}, Colour::kWhite);
  const std::vector<BookContinuation> continuations = book.Continuations(board, Colour::kBlack);
  ASSERT_EQ(continuations.size(), 3u);
  EXPECT_EQ(continuations[0].point, (Point{3, 6}));
  EXPECT_EQ(continuations[1].row, 1);
  EXPECT_TRUE(continuations[1].placement.swapped);
  EXPECT_EQ(continuations[1].point, (Point{7, 7}));
  // A lone 4-4 stone reads the same mirrored: the first and third rows go on at
  // either of their mirrored points, the last row at the 3-3 point once.
  BoardState star;
  PlaceStone(star, {4, 4}, Colour::kBlack);
  EXPECT_EQ(book.Continuations(star, Colour::kWhite).size(), 5u);
}

}  // namespace
