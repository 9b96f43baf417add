#pragma once
// The 次の一手 window without widgets: it follows one board of a board
// window (the left board's joseki and walk, or the right board's search
// input or game), explores the corner last played in, and plays a chosen
// continuation through the board window's own handlers. A folder of the
// user's games is added to the own index on a thread of its own.

#include <QString>

#include "features/corner_explorer.h"
#include "model/board_window_model.h"
#include "model/folder_reading_thread.h"

enum class ExplorerSource { kLeftBoard, kRightBoard };

// A folder of games being read into the own index, and how the last one went.
struct FolderReadingView {
  bool busy = false;
  int filesRead = 0;
  int files = 0;   // 0 until the folder is listed
  QString report;  // after a reading: what was added, and each file skipped with its reason
};

struct ExplorerView {
  ExplorerSource source = ExplorerSource::kLeftBoard;
  QString heading;  // which board and what it shows
  Exploration exploration;
  FolderReadingView reading;
};

class ExplorerModel {
 public:
  // The own index is read from (and a folder added to) ownIndexFile.
  ExplorerModel(BoardWindowModel& board, MessageSink& messages,
                const QString& ownIndexFile = OwnIndexPath());

  // Which board to follow; the view is read again.
  void SetSource(ExplorerSource source);
  // Reads the followed board again (after every event of the board window).
  void Follow();
  // Plays continuation line of the list: on the right board's search input,
  // which takes the left board's stones first when the left board is
  // followed; a game steps forward when the line is its next move. The
  // explorer then follows the right board.
  void Choose(int line);

  // Starts adding every .sgf under folder to the own index.
  void AddGameFolder(const QString& folder);
  // Stops the reading; the own index stays as it was.
  void CancelReading();
  // Updates the reading's view; once it has ended (waiting for that when
  // wait), reports it and explores with the new index. True when it ended.
  bool UpdateReading(bool wait = false);

  const ExplorerView& view() const { return view_; }

 private:
  void FollowLeftBoard();
  void FollowRightBoard();
  void FollowSearchInput(const QString& sequence);
  void FollowGame();
  void ClickRightBoard(std::optional<Point> p);
  void PlayFromLeftBoard(std::optional<Point> p);
  QString ReadingReport(const FolderReading& reading) const;

  BoardWindowModel& board_;
  MessageSink& messages_;
  CornerExplorer explorer_;
  QString ownIndexFile_;
  FolderReadingThread reading_;
  QString folderRead_;
  ExplorerView view_;
};
