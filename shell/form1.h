#pragma once
// The menu window: the section buttons, help and the end of the program.

#include <QPointer>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class Form4;
class Form5;

class Form1 : public QWidget {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);
  // Colours the section buttons.
  void Form_Load();
  // Reads the help text into Module1::HelpText (an unreadable file leaves it
  // empty and notes why). Done as the help window opens, not at start-up,
  // which it would cost a file read and a code page converter.
  void ReadHelpText();
  // A section button: records the section and shows the board window.
  void ShowSection(int sectionCode);

  QLabel* Picture1;
  QPushButton* Command5;                       // 操作説明
  QPushButton* Command6;                       // プログラム終了
  std::array<QPushButton*, 7> sectionButtons;  // Command12 … Command18
  QPointer<Form4> form4;
  QPointer<Form5> form5;
};
