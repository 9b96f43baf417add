#pragma once
// The board window: the two boards, the list of the section's joseki, the
// game buttons, the move walk and the search buttons. The widgets only
// mirror the headless BoardWindow and pass its events on.

#include <QTimer>
#include <QWidget>
#include <functional>

#include "shell/board_window.h"

class DisplayWidget;
class QLabel;
class QListWidget;
class QPushButton;

class Form4 : public QWidget {
  Q_OBJECT
 public:
  // Loads the section Module1::SectionCode.
  explicit Form4(QWidget* parent = nullptr);

  BoardWindow model;
  DisplayWidget* Display;
  QListWidget* List1;
  QLabel *Label1, *Label2, *Label3;
  QLabel *Image1, *Image2;
  QPushButton *Command2, *Command3, *Command17, *Command20, *Command21, *Command22;
  QPushButton *Command12, *Command13, *Command6, *Command5, *Command7;
  QPushButton *Command1, *Command9, *Command10, *Command8, *Command11, *Command4;
  QTimer Timer2, Timer4;

  // Runs one handler of the model, then brings the widgets up to date.
  void Run(const std::function<void()>& handler);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int rowBeforePress_ = -1;
  QPushButton* AddButton(const QString& caption, QRect geometry, void (BoardWindow::*handler)());
  void Sync();
};
