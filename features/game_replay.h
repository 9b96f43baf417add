#pragma once
// The right board's game: the game in which the selected joseki was played,
// drawn up to the joseki's last move with the joseki's moves numbered (a
// handicap game's stones set up first), and
// stepped through forwards and backwards. Every step draws the game again
// from move 1 on a fresh board.

#include <vector>

#include "collection/joseki_record.h"
#include "pictures/board_renderer.h"
#include "rules/board_state.h"

class GameReplay {
 public:
  explicit GameReplay(BoardRenderer& board) : board_(board) {}

  // Takes the game of a reference. A range that cannot be read keeps the
  // range of the game before.
  void SetGame(const GameReference& game);
  // A joseki without a game: no moves to step through.
  void ForgetMoves() { moves_.clear(); }

  // An empty right board (the game's moves stay); true when the reset was completed.
  bool ClearBoard() { return ResetBoard(); }

  enum class Drawn { kWhole, kBrokenOff, kFailed };
  struct Result {
    Drawn drawn = Drawn::kWhole;
    bool boardReset = false;  // a reset of the right board was completed
  };
  // The game from move 1 to the joseki's last move. A move that is not on the
  // board breaks the drawing off where it stands; a picture that cannot be
  // read, or a negative range, leaves an empty board.
  Result ShowGameRecord();

  struct Step {
    bool pastTheEnd = false;  // forward beyond the game's last move: nothing drawn
    bool boardReset = false;
  };
  Step GoToFirstMove();     // 初手に戻る
  Step BackOneMove();       // １手戻る: not before move 1
  Step BackFiveMoves();     // ５手戻る: not before move 1
  Step Forward(int moves);  // １手進む, ５手進む
  Step GoToJosekiEnd();     // 棋譜の表示: back to the joseki's last move

  // Draws moves 1..target onto the right board as it stands, skipping any
  // that is not on the board.
  void ReplayGameTo(int target);

  int shownMove() const { return shownMove_; }
  const BoardState& counts() const { return counts_; }
  const std::vector<Point>& moves() const { return moves_; }
  // The colour of game move k (from 1): white begins a handicap game.
  Colour ColourOfMove(int k) const;

 private:
  bool ResetBoard();
  Step StepTo(int target);
  void PlaceGameMove(int k, int& numbered, bool numberingBeginsWithWhite, bool repeatLastOnError);

  BoardRenderer& board_;
  BoardState counts_;
  int firstGameMove_ = 0;
  int lastGameMove_ = 0;
  // Draws a handicap game's stones before its first move.
  void PlaceHandicap(bool repeatLastOnError);

  std::vector<Point> handicap_;
  std::vector<Point> moves_;
  int shownMove_ = 0;  // the game's moves drawn on the board
};
