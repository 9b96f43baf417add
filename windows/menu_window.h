#pragma once
// The menu window: the title picture, the seven section buttons, help and
// the end of the program; and a game the user opens, read for joseki.

#include <QPointer>
#include <QWidget>
#include <array>

#include "collection/program_folder.h"
#include "collection/section.h"
#include "model/game_reading_model.h"

class BoardWindow;
class DrillWindow;
class FileChooser;
class GameReadingWindow;
class HelpWindow;
class MessageSink;
class QLabel;
class QPushButton;

class MenuWindow : public QWidget {
  Q_OBJECT
 public:
  // Sections open from folder; their windows show messages through messages
  // and ask for files through files.
  MenuWindow(const ProgramFolder& folder, MessageSink& messages, FileChooser& files,
             QWidget* parent = nullptr);

  // A section button: shows the board window of the section. An open window
  // of the same section only comes to the front; one of another section is
  // closed and the section's window opens in its place.
  void ShowSection(Section section);

  QPushButton* sectionButton(Section section) const {
    return sectionButtons_[size_t(IndexOf(section))];
  }
  QPushButton* helpButton() const { return helpButton_; }
  QPushButton* quitButton() const { return quitButton_; }
  QLabel* titlePicture() const { return titlePicture_; }
  BoardWindow* boardWindow() const;
  HelpWindow* helpWindow() const;

  // ---- A game the user opens (棋譜を読み込む) ------------------------------
  // Reads the game file and lists its corners in the reading window; a file
  // that cannot be read is reported and changes nothing.
  void OpenGame(const QString& path);
  // Shows the corner of line in the board window of its joseki's section
  // (opened as ShowSection opens it).
  void ShowGameCorner(int line);
  QPushButton* gameButton() const { return gameButton_; }
  GameReadingWindow* readingWindow() const;

  // ---- The drill (定石練習) -------------------------------------------------
  // Shows the drill window (a window still open only comes to the front).
  void ShowDrill();
  QPushButton* drillButton() const { return drillButton_; }
  DrillWindow* drillWindow() const;

 private:
  // The corners of the game read that left the book join the drill's deck 自分の対局から.
  void KeepOwnGameLines(const QString& path);
  QPushButton* drillButton_;
  QPointer<DrillWindow> drillWindow_;
  ProgramFolder folder_;
  MessageSink& messages_;
  FileChooser& files_;
  GameReadingModel reading_;
  QPushButton* gameButton_;
  QPointer<GameReadingWindow> readingWindow_;
  QLabel* titlePicture_;
  QPushButton* helpButton_;
  QPushButton* quitButton_;
  std::array<QPushButton*, kSections.size()> sectionButtons_;
  QPointer<BoardWindow> boardWindow_;
  QPointer<HelpWindow> helpWindow_;
};
