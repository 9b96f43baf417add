#pragma once
// The board window: the two boards, the list of the section's joseki, the
// game buttons, the move walk and the search buttons. The widgets only mirror
// the BoardWindowModel and pass its events on.

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "model/board_window_model.h"
#include "model/explorer_model.h"

class BoardDisplay;
class ExplorerWindow;
class FileChooser;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

class BoardWindow : public QWidget {
  Q_OBJECT
 public:
  // Opens a section of the collection in folder; messages go to messages,
  // files to keep are asked of files.
  BoardWindow(const ProgramFolder& folder, Section section, MessageSink& messages,
              FileChooser& files, QWidget* parent = nullptr);

  BoardWindowModel& model() { return model_; }
  BoardDisplay* display() const { return display_; }
  QListWidget* josekiList() const { return josekiList_; }
  QLabel* gameHeading() const { return gameHeading_; }
  QLabel* commentary() const { return commentary_; }
  QLabel* caption() const { return caption_; }
  QLabel* gameCount() const { return gameCount_; }
  QLabel* leftEndNotice() const { return leftEndNotice_; }
  QLabel* rightEndNotice() const { return rightEndNotice_; }
  // The button with this caption.
  QPushButton* button(const QString& caption) const;
  QTimer& endNoticeTimer() { return endNoticeTimer_; }
  QTimer& searchReportTimer() { return searchReportTimer_; }

  // Runs one handler of the model, then brings the widgets up to date.
  void Run(const std::function<void()>& handler);

  // ---- A game the user opened; keeping what a board shows ------------------
  // (board_window_keeping.cpp)
  // Shows a corner of a game read for joseki (BoardWindowModel::ShowGameCorner).
  void ShowGameCorner(const CornerChoice& choice);
  // The board's context menu, deleted when closed: save the picture as PNG,
  // save the joseki or the game as SGF, copy the picture.
  QMenu* BoardMenu(Board board);
  // ---- 次の一手 (board_window_explorer.cpp) --------------------------------
  // Opens the explorer following source, or brings the open one forward
  // following it; it follows the board after every event of this window.
  ExplorerWindow* OpenExplorer(ExplorerSource source);
  ExplorerWindow* explorer() const;

  // Told the path of a file dropped on the window.
  std::function<void(const QString& path)> onFileDropped;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void ShowBoardMenu(QPoint at, QPoint globalAt);

 private:
  // While a handler runs, a message it shows first brings the widgets up to
  // date, so that the window behind the modal box shows what the handler did.
  class SyncBeforeMessages : public MessageSink {
   public:
    SyncBeforeMessages(BoardWindow& window, MessageSink& inner) : window_(window), inner_(inner) {}
    void ShowMessage(const QString& text) override;

   private:
    BoardWindow& window_;
    MessageSink& inner_;
  };

  void AddKeys();
  QPushButton* AddButton(const QString& caption, QRect geometry,
                         void (BoardWindowModel::*handler)());
  void Sync();
  // A line the list's width cuts shows its whole title as a tooltip.
  void ShowCutTitlesAsTooltips();

  SyncBeforeMessages messages_;
  FileChooser& files_;
  BoardWindowModel model_;
  BoardDisplay* display_;
  QListWidget* josekiList_;
  QLabel *gameHeading_, *commentary_, *caption_, *gameCount_;
  QPushButton *previousGame_, *nextGame_;
  QLabel *leftEndNotice_, *rightEndNotice_;
  std::vector<QPushButton*> gameButtons_;
  QTimer endNoticeTimer_, searchReportTimer_;
  QStringList listedTitles_;  // the list's lines, as last filled from the model
  int rowBeforePress_ = -1;
  QPointer<ExplorerWindow> explorer_;
};
