#pragma once
// The drill window (定石練習): the left board of the drill's canvas, the deck
// and the daily limit of new lines, what to do now, how the line went, and
// the progress of the deck. Clicks on the board play; keys: N next line,
// Space continue, H show the answer, T a move elsewhere. It mirrors
// DrillModel after every event.

#include <QWidget>
#include <functional>
#include <memory>

#include "collection/program_folder.h"
#include "model/drill_model.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class DrillWindow : public QWidget {
  Q_OBJECT
 public:
  // The progress is kept in the file progressPath (ProgressStore::DefaultPath() normally).
  DrillWindow(const ProgramFolder& folder, const QString& progressPath, MessageSink& messages,
              QWidget* parent = nullptr);
  ~DrillWindow() override;

  DrillModel& model() { return *model_; }
  QWidget* board() const { return board_; }
  QComboBox* deckChoice() const { return deckChoice_; }
  QLabel* prompt() const { return prompt_; }
  QLabel* result() const { return result_; }
  QLabel* progress() const { return progress_; }
  QPushButton* nextButton() const { return nextButton_; }
  QPushButton* gameFolderButton() const { return gameFolderButton_; }

  // Asks for the folder of games to read; empty when cancelled. A folder dialog
  // unless a test gives its own.
  std::function<QString(QWidget* parent)> chooseGameFolder;

 private:
  void Sync();
  QPushButton* AddButton(const QString& caption, const QKeySequence& key,
                         void (DrillModel::*handler)());

  std::unique_ptr<ProgressStore> store_;
  std::unique_ptr<DrillModel> model_;
  QWidget* board_;
  QComboBox* deckChoice_;
  QSpinBox* dailyLimit_;
  QLabel* deckText_;
  QLabel* prompt_;
  QLabel* result_;
  QLabel* commentary_;
  QLabel* progress_;
  QPushButton* nextButton_;
  QPushButton* continueButton_;
  QPushButton* answerButton_;
  QPushButton* elsewhereButton_;
  QPushButton* gameFolderButton_;
};
