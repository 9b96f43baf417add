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

// 形で検索: the rows of the collection through the position of the followed board.
struct PositionSearchView {
  QString summary;  // what was looked up and how many rows pass through it
  std::vector<PositionMatch> matches;
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
  // Plays continuation line of the list. The left board's walk steps on when
  // the line is its next move; otherwise the stone goes on the right board's
  // search input, which takes the left board's stones first when the left
  // board is followed, and the explorer then follows the right board. A game
  // steps forward when the line is its next move; otherwise its corner goes
  // on the search input, turned to the upper left, then the chosen stone.
  void Choose(int line);
  // Looks up the followed board's position for every row through it.
  void SearchByPosition();
  // Selects match of the last search in the board window, in its own section
  // where the window's does not list it.
  void ShowMatch(int match);

  // Starts adding every .sgf under folder to the own index.
  void AddGameFolder(const QString& folder);
  // Stops the reading; the own index stays as it was.
  void CancelReading();
  // Updates the reading's view; once it has ended (waiting for that when
  // wait), reports it and explores with the new index. True when it ended.
  bool UpdateReading(bool wait = false);

  const ExplorerView& view() const { return view_; }
  const PositionSearchView& positionSearch() const { return positionSearch_; }

 private:
  void FollowLeftBoard();
  void FollowRightBoard();
  void FollowSearchInput(const Sequence& sequence);
  void FollowGame();
  // A stone of the right board's search input; none: a move elsewhere.
  void PlaceSearchStone(std::optional<Point> p);
  void PlayFromLeftBoard(std::optional<Point> p);
  bool PlayFromGameCorner(std::optional<Point> p);
  bool IsNextWalkMove(std::optional<Point> p) const;
  QString ReadingReport(const FolderReading& reading) const;

  BoardWindowModel& board_;
  MessageSink& messages_;
  CornerExplorer explorer_;
  QString ownIndexFile_;
  FolderReadingThread reading_;
  QString folderRead_;
  ExplorerView view_;
  PositionSearchView positionSearch_;
};
