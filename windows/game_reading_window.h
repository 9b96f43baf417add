#pragma once
// The small window of a game the user opened: its file and players, and one
// line per corner with the joseki played there and where the game left the
// book. Choosing a line is passed on; the lines mirror GameReadingModel.

#include <QWidget>
#include <functional>

class QLabel;
class QListWidget;

class GameReadingWindow : public QWidget {
  Q_OBJECT
 public:
  explicit GameReadingWindow(QWidget* parent = nullptr);

  // Shows the game's heading and lines; the lines not choosable are greyed.
  void Show(const QString& heading, const QStringList& lines, const std::vector<bool>& choosable);

  QLabel* heading() const { return heading_; }
  QListWidget* corners() const { return corners_; }
  // Called with the line chosen (clicked, or activated with the keyboard).
  std::function<void(int line)> onLineChosen;

 private:
  QLabel* heading_;
  QListWidget* corners_;
};
