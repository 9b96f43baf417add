#pragma once
// The board window's state and procedures, without widgets. The window's
// controls are modelled here as plain values (list lines, label captions,
// enabled flags, timers); the widget layer mirrors them after every event and
// forwards clicks, ticks and mouse moves to the handlers below. The
// procedures live in the folders of their subsystems:
//   collection/  loading, list and selection, drawing a joseki
//   board/       board resets, game replay, navigation
//   rules/       captures on the window's boards, the move walk
//   search/      search input, editing, search

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "shell/board_state.h"
#include "shell/canvas.h"

enum class Side { kLeft, kRight };

class SequenceMatcher;  // search/search_stages.h

// The fields of one collection row that the search reads again.
struct SearchRow {
  QString id;     // field 0 as text
  QString moves;  // field 7: given stones, then numbered moves
};

// The controls of the window, as the handlers set them.
struct BoardWindowControls {
  QStringList List1;
  int List1Index = -1;
  QString Label1;  // heading of the game (right of the list)
  QString Label2;  // commentary (below the left board)
  QString Label3;  // small caption
  double Label1FontSize = 11.25;
  double Label2FontSize = 11.25;
  // Command2, Command3, Command17, Command20, Command21, Command22 change together.
  bool GameButtonsEnabled = false;
  bool Image1Visible = false;  // end notice under the left board
  bool Image2Visible = false;  // end notice under the right board
  bool Timer2Enabled = false;
  bool Timer4Enabled = false;
  QString Text6;  // search sequence (hidden)
  QString Text7;  // its mirror (hidden)
};

class BoardWindow {
 public:
  static constexpr int kMaxRecords = 1200;

  BoardWindow() = default;

  // ---- collection/ ---------------------------------------------------------
  // Loads the section Module1::SectionCode from fld1/goc.db and shows record 1.
  // A collection that cannot be read is reported once and leaves an empty list.
  void Form_Load();
  // List1's click handling: selects and draws the record of the selected line.
  void SelectJoseki();
  // Selects line index of List1 as a click does (runs SelectJoseki).
  void SelectListLine(int index);
  void ShowFirstRecord();
  // Selects and draws record CurrentRecord - 1 (the report of a search).
  void ShowRecordBefore();
  // Draws the selected joseki on the left board, its marks and its game.
  void ShowJoseki();
  void DrawMarkers();
  void ReadGameReference();

  // ---- board/ --------------------------------------------------------------
  void ResetLeftBoard();
  void ResetRightBoard();
  void ShowGameRecord();
  // Draws game moves 1..target onto the right board as it stands.
  void ReplayGameTo(int target);
  void Command22_Click();  // 初手に戻る
  void Command20_Click();  // １手戻る
  void Command21_Click();  // ５手戻る
  void Command3_Click();   // １手進む
  void Command17_Click();  // ５手進む
  void Command2_Click();   // 棋譜の表示
  void Command12_Click();  // 全手順表示
  void Command13_Click();  // 文字拡大
  void Timer2_Timer();

  // ---- rules/ --------------------------------------------------------------
  // Neighbour counts and captures for the stone at MoveX, MoveY of a board.
  void AddStoneCounts(Side side);
  void CaptureCheck(Side side);
  void Command6_Click();  // 手順表示開始
  void Command5_Click();  // 次手を表示

  // ---- search/ -------------------------------------------------------------
  void Display_MouseMove(double x, double y);
  void Display_Click();
  void PlaceInputStone(int row, int column);
  void Command1_Click();   // 検索手順の入力開始
  void Command8_Click();   // 検索手順の再表示
  void Command9_Click();   // 手順を減らす
  void Command10_Click();  // 手順を追加する
  void Command11_Click();  // 検索中止・終了
  void RedisplaySearchSequence();
  void Command4_Click();  // 検 索 実 行
  void RelaxedScan();
  void Timer4_Timer();
  // Sets Text6; a change runs Text6_Change at once.
  void SetText6(const QString& text);
  void SetText7(const QString& text) { controls.Text7 = text; }
  void Text6_Change();

  // ---- shared drawing ------------------------------------------------------
  // Loads an image into Pattern and copies it to (x, y) of Master.
  void DrawImage(const QString& programPath, int x, int y);
  void SetGameButtonsEnabled(bool enabled) { controls.GameButtonsEnabled = enabled; }

  // ---- state -----------------------------------------------------------------
  Canvas canvas;
  BoardWindowControls controls;

  // Collection rows of the section, index 1..n (index 0 holds nothing).
  std::vector<QString> titles, smallCaptions, setupStones, numberedMoves, commentaries,
      markerStrings, gameReferences;
  std::vector<SearchRow> recordset;  // the query's rows, in its order, for the search
  bool collectionLoaded = false;

  BoardState LeftCounts, RightCounts;
  int MoveX = 0, MoveY = 0, StoneColour = 0, LastMoveX = 0, LastMoveY = 0;
  int LeftMoveCount = 0, RightMoveCount = 0;

  int CurrentRecord = 0;
  QString ShownSetup, ShownMoves, ShownMarkers, ShownReference;
  int FirstGameMove = 0, LastGameMove = 0;
  QString GameMoves;
  int TargetMove = 0;

  int NextMoveIndex = 0;
  int ElsewhereCount = 0;
  int WalkPreviousX = 0, WalkPreviousY = 0;  // the walk's own previous stone; Y 0: none

  int InputColumn = 0, InputRow = 0;
  bool InputClosed = false;

  std::array<QString, 11> SearchResults;
  int DroppedStones = 0;
  QString RelaxedSequence, RelaxedMirror;
  bool RelaxedFound = false;

 private:
  BoardState& Counts(Side side) { return side == Side::kLeft ? LeftCounts : RightCounts; }
  void ResetBoard(Side side);
  void RedrawEmptyPoint(Side side, int column, int row);
  void PlaceGameMove(int k, int& numbered, bool numberingBeginsWithWhite, bool keepPatternOnError);
  void StepRightBoard();
  void StepForward(int moves);
  void ShowEndNotice(bool leftBoard);
  void StoreRecord(int r);

  // ---- search/ (private) ---------------------------------------------------
  // The running search's measure of every row against Text6 and Text7; set only
  // while Command4_Click relaxes, so that each shortening is answered without a rescan.
  const SequenceMatcher* runningSearch_ = nullptr;
};
