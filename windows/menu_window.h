#pragma once
// The menu window: the title picture, the seven section buttons, help and
// the end of the program.

#include <QPointer>
#include <QWidget>
#include <array>

#include "collection/program_folder.h"

class BoardWindow;
class HelpWindow;
class MessageSink;
class QLabel;
class QPushButton;

class MenuWindow : public QWidget {
  Q_OBJECT
 public:
  // Sections open from folder; their windows show messages through messages.
  MenuWindow(const ProgramFolder& folder, MessageSink& messages, QWidget* parent = nullptr);

  // A section button: shows the board window of section 1..7 (a window still
  // open only comes to the front).
  void ShowSection(int section);

  QPushButton* sectionButton(int section) const { return sectionButtons_[size_t(section - 1)]; }
  QPushButton* helpButton() const { return helpButton_; }
  QPushButton* quitButton() const { return quitButton_; }
  QLabel* titlePicture() const { return titlePicture_; }
  BoardWindow* boardWindow() const;
  HelpWindow* helpWindow() const;

 private:
  ProgramFolder folder_;
  MessageSink& messages_;
  QLabel* titlePicture_;
  QPushButton* helpButton_;
  QPushButton* quitButton_;
  std::array<QPushButton*, 7> sectionButtons_;
  QPointer<BoardWindow> boardWindow_;
  QPointer<HelpWindow> helpWindow_;
};
