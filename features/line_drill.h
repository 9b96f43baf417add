#pragma once
// One line of the collection drilled: the program plays one side, the user
// the other by naming the next move. The line is shown turned by an
// orientation and with its colours exchanged or not; the drill itself works
// in the drilled row's frame. A move is right when any row of the book plays
// it from the position on the board (book_positions.h); when it leaves the
// row being followed, the drill goes on along the row it joined. A wrong move
// shows the book's moves with letters and waits; Continue then plays the
// book's move for the user.

#include <array>
#include <random>
#include <vector>

#include "features/book_positions.h"
#include "pictures/board_diagram.h"
#include "progress/review_schedule.h"

struct DrillSetup {
  Symmetry orientation;                // how the line is shown
  bool coloursSwapped = false;         // black shown white and white black
  Colour userColour = Colour::kBlack;  // the side the user plays, in the row's colours
};

// An orientation, a colour exchange and a side, each at random.
DrillSetup RandomSetup(std::mt19937& random);

enum class DrillState {
  kYourMove,   // the drill waits for the user's move
  kBookShown,  // a wrong move, or the answer asked for: the book's moves are shown
  kLineDone,   // the line has ended
};

// A stone as it is shown: point and colour as the user sees them.
struct ShownStone {
  Point point;
  Colour colour = Colour::kBlack;
  int number = 0;  // the move's number in the line; 0 for a given stone
  bool operator==(const ShownStone&) const = default;
};

// A book move shown after a wrong move: a letter on its point, or a move elsewhere.
struct BookMark {
  Point point;  // as shown; nothing for a move elsewhere
  bool elsewhere = false;
  char16_t letter = u'a';
  bool operator==(const BookMark&) const = default;
};

class LineDrill {
 public:
  // Lays out the row's given stones and plays the program's moves up to the
  // user's first. The book must outlive the drill.
  LineDrill(const BookPositions& book, int row, const DrillSetup& setup);

  enum class Verdict { kRight, kWrong, kNotAMove };

  // The user's move on the shown point. kNotAMove (and nothing changes) when
  // it is not the user's turn or the point is taken or off the board.
  Verdict Play(Point shown);
  // The user's move elsewhere on the board (tenuki).
  Verdict PlayElsewhere();
  // Shows the book's moves as after a wrong move; it counts as a fault.
  void ShowAnswer();
  // After the book's moves were shown: the move of the row followed is played
  // for the user, and the drill goes on.
  void Continue();

  DrillState state() const { return state_; }
  const DrillSetup& setup() const { return setup_; }
  int drilledRow() const { return drilledRow_; }
  // The row the drill follows now (the drilled one until a move joins another).
  int followedRow() const { return followed_.row; }
  // Every stone on the board, as shown.
  std::vector<ShownStone> Stones() const;
  // The newest move played, as shown; nothing before the first or after a move elsewhere.
  Point lastMove() const;
  const std::vector<BookMark>& bookMarks() const { return marks_; }
  // What the board shows: the stones, numbered once the line is done and
  // the newest marked red until then, and the letters of the book's moves.
  BoardDiagram Diagram() const;
  // Each answer of the user in order: true right, false wrong (or shown).
  const std::vector<bool>& answers() const { return answers_; }
  int faults() const;
  LineOutcome outcome() const;
  // The colour the user plays, as shown.
  Colour userColourShown() const;
  // The next move of the row followed, as shown (what Continue plays); nothing
  // for a move elsewhere or at the end of the line.
  Point ExpectedMove() const;

 private:
  struct Followed {
    int row = 0;
    RowPlacement placement;  // the row in the drill's frame
    int next = 0;            // the row's step played next
  };
  bool FollowedHasNext() const;
  BookStep FollowedStep() const;  // the next step, in the drill's frame
  void PlaceMove(const BookStep& step);
  void AfterMove();
  Verdict Answer(const BookContinuation* chosen);
  const BookContinuation* Choose(const std::vector<BookContinuation>& continuations, Point point,
                                 bool elsewhere) const;
  void ShowBook(const std::vector<BookContinuation>& continuations);

  const BookPositions& book_;
  int drilledRow_;
  DrillSetup setup_;
  Followed followed_;
  BoardState board_;
  std::array<std::array<int, kBoardSize + 1>, kBoardSize + 1> numbers_{};
  int movesPlayed_ = 0;  // numbered moves played
  Point lastMove_;
  Colour toMove_ = Colour::kBlack;
  DrillState state_ = DrillState::kYourMove;
  std::vector<BookMark> marks_;
  std::vector<bool> answers_;
};
