#pragma once
// The board window without widgets. It composes the features — the joseki
// diagram and its walk on the left board, the game replay and the search
// input on the right board, the search — and keeps in one place the state
// they share. The window's widgets mirror view() and the canvas, and pass
// every event on to the handlers below.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "collection/joseki_record.h"
#include "collection/program_folder.h"
#include "collection/section.h"
#include "features/game_replay.h"
#include "features/joseki_diagram.h"
#include "features/joseki_games.h"
#include "features/joseki_search.h"
#include "features/search_input.h"
#include "model/game_reading_model.h"
#include "model/messages.h"
#include "model/search_session.h"
#include "pictures/board_renderer.h"
#include "pictures/canvas.h"

// What the window shows besides the board picture.
struct BoardWindowView {
  static constexpr double kNormalTextSize = 11.25;

  QStringList titles;  // the list: one line per joseki of the section
  std::optional<int> selectedLine;
  QString gameHeading;                // right of the list: the players and year of the game
  QString commentary;                 // below the left board
  QString caption;                    // at the foot of the window
  double textSize = kNormalTextSize;  // of the heading and the commentary
  bool gameButtonsEnabled = false;    // the six buttons that step through the game
  QString gameCount;                  // 「実戦 3 / 254 局」 or 「実戦例なし」
  bool previousGameEnabled = false;   // 前の実戦
  bool nextGameEnabled = false;       // 次の実戦
  bool leftEndNoticeShown = false;    // 手順終了 under a board, for a moment
  bool rightEndNoticeShown = false;
  bool endNoticeTimerRunning = false;  // its tick hides both notices
  bool searchReportPending = false;    // its tick shows the joseki found
};

class BoardWindowModel {
 public:
  // A window for a section of the collection in folder.
  BoardWindowModel(const ProgramFolder& folder, Section section, MessageSink& messages);

  // Opening the window: reads the section, lists it and shows its first
  // joseki; the search input stays closed. A collection that cannot be read
  // is reported once and leaves the list empty.
  void Load();
  // A click on line index of the list (also on the line already selected).
  void SelectLine(int index);
  // Selects the row josekiId; where this section does not list it, the window
  // first becomes the row's own section (list, first-move rule and marks). A
  // row that no list holds is reported.
  void ShowRow(const QString& josekiId, Section own);

  // The game on the right board.
  void ShowJosekiInGame();  // 棋譜の表示: back to the joseki's last move
  void ForwardOneMove();    // １手進む
  void ForwardFiveMoves();  // ５手進む
  void BackOneMove();       // １手戻る
  void BackFiveMoves();     // ５手戻る
  void GoToFirstMove();     // 初手に戻る
  void ShowPreviousGame();  // 前の実戦: another game of the joseki
  void ShowNextGame();      // 次の実戦

  // The joseki on the left board.
  void ShowWholeJoseki();  // 全手順表示
  void StartWalk();        // 手順表示開始
  void ShowNextMove();     // 次手を表示
  void ToggleTextSize();   // 文字拡大

  // The search.
  void StartSearchInput();         // 検索手順の入力開始
  void RemoveLastSearchStone();    // 手順を減らす
  void ContinueSearchInput();      // 手順を追加する
  void ShowSearchSequenceAgain();  // 検索手順の再表示
  void RunSearch();                // 検 索 実 行
  void EndSearchInput();           // 検索中止・終了
  // A click at (x, y) of the board picture: on the right board, a stone of
  // the search input.
  void ClickBoardAt(double x, double y);
  // A stone of the search input at p of the right board (a tenuki cell: a
  // move elsewhere); nothing while the input is closed.
  void PlaceSearchStone(Point p);

  // The ticks of the two one-second timers.
  void HideEndNotices();
  void ReportSearchResult();

  const BoardWindowView& view() const { return view_; }
  Canvas& canvas() { return canvas_; }
  const Canvas& canvas() const { return canvas_; }
  // What the board shows, as data.
  const BoardDiagram& shownDiagram(Board board) const {
    return board == Board::kLeft ? leftBoard_.diagram() : rightBoard_.diagram();
  }
  const SearchTexts& searchTexts() const { return session_.texts(); }
  bool inputClosed() const { return session_.closed(); }
  const JosekiDiagram& diagram() const { return diagram_; }
  const GameReplay& replay() const { return replay_; }
  const std::vector<JosekiRecord>& records() const { return records_; }
  Section section() const { return section_; }
  const ProgramFolder& folder() const { return folder_; }
  // The shown joseki (an empty record before any selection), and how many of
  // its stones, given stones included, the left board shows.
  const JosekiRecord& shownRecord() const { return Shown(); }
  int leftBoardStones() const { return leftBoardStones_; }

  // ---- A game the user opened; keeping what a board shows ------------------
  // Shows a corner of a game read for joseki: its joseki selected and drawn on
  // the left board, the game on the right board up to the move where it left
  // the book (game buttons off). A joseki this section does not list changes
  // nothing.
  void ShowGameCorner(const CornerChoice& choice);
  // The board's picture as shown (board_keeping.cpp, as are the rest).
  QImage BoardPicture(Board board) const;
  // Whether the board shows what an SGF file can keep: the joseki, a game.
  bool HasBoardRecord(Board board) const;
  // The left board's joseki, or the right board's game up to the move shown.
  QString BoardRecordSgf(Board board) const;
  // A file name, without suffix, for what the board shows.
  QString SuggestedFileName(Board board) const;
  // Write the picture as PNG, the record as SGF; a failure is reported.
  void SaveBoardPicture(Board board, const QString& path);
  void SaveBoardRecord(Board board, const QString& path);

 private:
  const JosekiRecord& Shown() const;
  void ShowJoseki();
  void ReadGameReference();
  void ShowOtherGame(bool shown);
  void MirrorGameList();
  void ShowGameRecord();
  void AfterStep(GameReplay::Step step);
  void SetSearchTexts(const SearchTexts& texts);
  void NoteRightBoardReset(bool completed);
  void RedrawSearchInput(SearchTexts texts);

  ProgramFolder folder_;
  Section section_;
  MessageSink& messages_;
  Canvas canvas_;
  std::vector<JosekiRecord> records_;
  JosekiSearch search_;
  std::optional<size_t> shownRecord_;  // index into records_; none before any selection
  BoardWindowView view_;

  BoardRenderer leftBoard_{canvas_, Board::kLeft};
  BoardRenderer rightBoard_{canvas_, Board::kRight};
  JosekiDiagram diagram_{leftBoard_};
  JosekiGames games_{folder_.CollectionFile()};
  GameReplay replay_{rightBoard_};
  SearchInput input_{rightBoard_};

  // ---- Where the features meet ------------------------------------------
  // The right board's shared search state; a change of its sequence disables
  // the game buttons.
  SearchSession session_;
  // The stones of the shown joseki on the left board: all of them once it is
  // drawn whole, the given stones and the walked moves during a walk.
  int leftBoardStones_ = 0;

  // ---- A game the user opened ----------------------------------------------
  // The game while the right board shows it up to lastMove: every reset of
  // the right board and every change of the search sequence ends that.
  struct ShownGame {
    PlayedGame game;
    int lastMove = 0;
  };
  std::optional<ShownGame> shownGame_;
};
