#pragma once
// 形で検索: the rows of the collection through the position the explorer
// shows, in a list; a choice selects the row in the board window.

#include <QWidget>

class ExplorerWindow;
class QLabel;
class QListWidget;

class PositionSearchWindow : public QWidget {
 public:
  explicit PositionSearchWindow(ExplorerWindow& explorer);

  QListWidget* matches() const { return list_; }
  QLabel* summary() const { return summary_; }

  // Looks up the explorer's position again and lists what it found.
  void Search();
  // Selects match of the list in the board window.
  void Choose(int match);

 private:
  ExplorerWindow& explorer_;
  QLabel* summary_;
  QListWidget* list_;
};
