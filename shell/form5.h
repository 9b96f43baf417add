#pragma once
// The help window: one topic of the help text at a time.

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

class Form5 : public QWidget {
  Q_OBJECT
 public:
  explicit Form5(QWidget* parent = nullptr);
  // Shows the section of the topic chosen in Combo1.
  void Combo1_Click();

  QComboBox* Combo1;
  QPushButton* Command1;
  QLabel* Label1;
};
