#pragma once
// The user's own games as a source of 次の一手: a folder of SGF records read
// into an index of the same tables as the collection's (own_games.sqlite in
// the user's data folder). Each game counts once, by its setup and moves,
// however often and from whichever folder it is read.

#include <QString>
#include <QStringList>
#include <atomic>

// Where a reading stands, shared with the thread that reads.
struct FolderReadingProgress {
  std::atomic<int> filesRead{0};
  std::atomic<int> files{0};  // 0 until the folder is listed
  std::atomic<bool> cancel{false};
};

enum class FolderReadingEnd { kAdded, kCancelled, kFailed };

struct FolderReading {
  FolderReadingEnd end = FolderReadingEnd::kAdded;
  int gamesAdded = 0;      // games new to the index
  int duplicates = 0;      // games read that it held already (or read twice)
  int gamesHeld = 0;       // games in the index after the reading
  QStringList unreadable;  // one Japanese sentence per file skipped, naming it and why
  QString error;           // why it failed (kFailed)
};

// own_games.sqlite in the user's data folder (QStandardPaths::AppDataLocation).
QString OwnIndexPath();

// Adds every .sgf file in folder and the folders below it to the index at
// indexPath (made when missing). The index is written beside it and put in
// its place only when whole: a cancel or a failure leaves it as it was.
FolderReading AddGameFolder(const QString& folder, const QString& indexPath,
                            FolderReadingProgress& progress);
