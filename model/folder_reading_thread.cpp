#include "model/folder_reading_thread.h"

FolderReadingThread::~FolderReadingThread() {
  Cancel();
  if (thread_.joinable()) thread_.join();
}

bool FolderReadingThread::Start(const QString& folder, const QString& indexPath) {
  if (Busy()) return false;
  progress_.filesRead = 0;
  progress_.files = 0;
  progress_.cancel = false;
  done_ = false;
  thread_ = std::thread([this, folder, indexPath] {
    outcome_ = AddGameFolder(folder, indexPath, progress_);
    done_ = true;  // published after the outcome: Take reads it only then
  });
  return true;
}

std::optional<FolderReading> FolderReadingThread::Take(bool wait) {
  if (!Busy() || (!wait && !done_)) return std::nullopt;
  thread_.join();
  return std::move(outcome_);
}
