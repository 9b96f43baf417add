#pragma once
// The 次の一手 window without widgets: it follows one board of a board
// window (the left board's joseki and walk, or the right board's search
// input or game), explores the corner last played in, and plays a chosen
// continuation through the board window's own handlers.

#include <QString>

#include "features/corner_explorer.h"
#include "model/board_window_model.h"

enum class ExplorerSource { kLeftBoard, kRightBoard };

struct ExplorerView {
  ExplorerSource source = ExplorerSource::kLeftBoard;
  QString heading;  // which board and what it shows
  Exploration exploration;
};

class ExplorerModel {
 public:
  ExplorerModel(BoardWindowModel& board, MessageSink& messages);

  // Which board to follow; the view is read again.
  void SetSource(ExplorerSource source);
  // Reads the followed board again (after every event of the board window).
  void Follow();
  // Plays continuation line of the list: on the right board's search input,
  // which takes the left board's stones first when the left board is
  // followed; a game steps forward when the line is its next move. The
  // explorer then follows the right board.
  void Choose(int line);

  const ExplorerView& view() const { return view_; }

 private:
  void FollowLeftBoard();
  void FollowRightBoard();
  void FollowSearchInput(const QString& sequence);
  void FollowGame();
  void ClickRightBoard(std::optional<Point> p);
  void PlayFromLeftBoard(std::optional<Point> p);

  BoardWindowModel& board_;
  MessageSink& messages_;
  CornerExplorer explorer_;
  ExplorerView view_;
};
