// The board window's part for 次の一手: opening the explorer window.
#include "windows/board_window.h"
#include "windows/explorer_window.h"

ExplorerWindow* BoardWindow::OpenExplorer(ExplorerSource source) {
  if (!explorer_) {
    explorer_ = new ExplorerWindow(*this, messages_, source);
  } else {
    explorer_->model().SetSource(source);
    explorer_->Follow();
  }
  explorer_->show();
  explorer_->raise();
  explorer_->activateWindow();
  return explorer_;
}

ExplorerWindow* BoardWindow::explorer() const { return explorer_; }
