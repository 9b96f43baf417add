#pragma once
// A folder of games read into the user's own index on a thread of its own,
// so that the window stays alive: it is started, asked how far it is, and
// its outcome taken once it is done.

#include <QString>
#include <optional>
#include <thread>

#include "features/own_games_index.h"

class FolderReadingThread {
 public:
  FolderReadingThread() = default;
  // Cancels a reading still going and waits for it.
  ~FolderReadingThread();
  FolderReadingThread(const FolderReadingThread&) = delete;
  FolderReadingThread& operator=(const FolderReadingThread&) = delete;

  // Starts reading folder into indexPath; false while another reading goes on.
  bool Start(const QString& folder, const QString& indexPath);
  // Started and its outcome not taken yet.
  bool Busy() const { return thread_.joinable(); }
  // The reading has ended (its outcome waits to be taken).
  bool Done() const { return done_; }
  int FilesRead() const { return progress_.filesRead; }
  int Files() const { return progress_.files; }
  // Asks the reading to stop; the index stays as it was.
  void Cancel() { progress_.cancel = true; }
  // The outcome once the reading has ended (waiting for it when wait), else nothing.
  std::optional<FolderReading> Take(bool wait = false);

 private:
  std::thread thread_;
  FolderReadingProgress progress_;
  FolderReading outcome_;
  std::atomic<bool> done_{false};
};
