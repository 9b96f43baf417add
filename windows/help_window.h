#pragma once
// The help window: one topic of the help text at a time, chosen in a combo box.

#include <QWidget>

#include "collection/help_text.h"

class QComboBox;
class QLabel;

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // Reads the help text from helpFile.
  explicit HelpWindow(const QString& helpFile, QWidget* parent = nullptr);

  QComboBox* topics() const { return topics_; }
  QLabel* topicText() const { return topicText_; }

  // Shows the topic chosen in the combo box (or why the file could not be read).
  void ShowChosenTopic();

 private:
  HelpText help_;
  QComboBox* topics_;
  QLabel* topicText_;
};
