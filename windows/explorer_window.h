#pragma once
// The 次の一手 window: the continuations of the corner a board shows, on a
// small diagram of the corner marked with letters and in a list. It mirrors
// the ExplorerModel; a choice is played through the board window.

#include <QPointer>
#include <QWidget>

#include "model/explorer_model.h"

class BoardWindow;
class PositionSearchWindow;
class QLabel;
class QListWidget;
class QRadioButton;

class CornerDiagramView : public QWidget {
 public:
  explicit CornerDiagramView(QWidget* parent) : QWidget(parent) {}
  void Show(const Exploration& exploration);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Exploration exploration_;
};

class ExplorerWindow : public QWidget {
  Q_OBJECT
 public:
  // Follows source on boardWindow's boards; closes with it.
  ExplorerWindow(BoardWindow& boardWindow, MessageSink& messages, ExplorerSource source);

  ExplorerModel& model() { return model_; }
  QListWidget* continuations() const { return list_; }
  QLabel* heading() const { return heading_; }
  QLabel* summary() const { return summary_; }
  CornerDiagramView* diagram() const { return diagram_; }

  // Reads the followed board again and mirrors the model.
  void Follow();
  // Plays line of the list through the board window.
  void Choose(int line);
  // 形で検索: opens the list of rows through the shown position, or looks it up again.
  PositionSearchWindow* SearchByPosition();
  PositionSearchWindow* positionSearch() const;
  // Selects match of that list in the board window.
  void ShowMatch(int match);

 private:
  void Sync();

  BoardWindow& boardWindow_;
  ExplorerModel model_;
  QRadioButton *leftBoard_, *rightBoard_;
  QLabel *heading_, *summary_, *endingRows_;
  CornerDiagramView* diagram_;
  QListWidget* list_;
  QPointer<PositionSearchWindow> positionSearch_;
};
