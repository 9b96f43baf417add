#pragma once
// The drill window (定石練習) without widgets: the book of every row, the
// deck chosen, the line drilled on the left board of its canvas, the user's
// progress file. The window mirrors view() and the canvas and passes every
// event on to the handlers below.

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <random>

#include "collection/program_folder.h"
#include "features/book_positions.h"
#include "features/drill_deck.h"
#include "features/line_drill.h"
#include "model/messages.h"
#include "pictures/board_renderer.h"
#include "pictures/canvas.h"
#include "progress/progress_store.h"

// What the window shows besides the board.
struct DrillView {
  QString deck;              // the deck and what it holds today
  QString prompt;            // what the user is to do now
  QString result;            // at the end of a line: its title, how it went, when it comes again
  QString commentary;        // at the end of a line: the row's commentary
  QString progress;          // the progress view: counts, shares, lines most often failed
  bool canContinue = false;  // Space: after the book's moves were shown
  bool canAnswer = false;    // H and T: the user's turn
  bool canStartNext = true;  // N
  int dailyNewLimit = 10;
};

class DrillModel {
 public:
  using Clock = std::function<QDate()>;
  // The collection in folder, the progress in store; seed draws orientations
  // and colours; clock tells today.
  DrillModel(const ProgramFolder& folder, ProgressStore& store, MessageSink& messages,
             unsigned seed, Clock clock);
  ~DrillModel();

  // Reads the collection (reported once when it cannot be read) and shows the
  // first line of the first section. False when there is nothing to drill.
  bool Load();

  // The decks offered: the seven sections, the lines got wrong, the lines of
  // the user's own games, then the families.
  QStringList DeckNames() const;
  void ChooseDeck(int index);  // by position in DeckNames
  int deckIndex() const { return deckIndex_; }

  void NextLine();                 // N: the next line of the deck
  void Click(double x, double y);  // on the board picture
  void PlayElsewhere();            // T: the user's move elsewhere (手抜き)
  void ShowAnswer();               // H
  void Continue();                 // Space
  void SetDailyNewLimit(int limit);

  // 自分の対局から: reads the games (SGF files) and adds each corner that left
  // the book to that deck; what was read is reported in one message.
  void ReadGames(const QStringList& paths);
  // The same for every .sgf file in folder and the folders below it.
  void ReadGameFolder(const QString& folder);
  // Lines of a game read elsewhere (the menu's 棋譜を読み込む) join that deck.
  void AddOwnGameLines(const std::vector<OwnGameLine>& lines);

  const DrillView& view() const { return view_; }
  Canvas& canvas() { return canvas_; }
  // What the board shows, as data.
  const BoardDiagram& shownDiagram() const { return board_.diagram(); }
  const LineDrill* drill() const { return drill_.get(); }
  const DrillBook& book() const { return book_; }

 private:
  DeckChoice Choice(int index) const;
  void AfterEvent();
  void FinishLine();
  void Draw();
  void UpdateTexts();
  QString ProgressText() const;
  QString Prompt() const;
  NextLineRules Rules() const;

  ProgramFolder folder_;
  ProgressStore& store_;
  MessageSink& messages_;
  std::mt19937 random_;
  Clock clock_;
  Canvas canvas_;
  BoardRenderer board_{canvas_, Board::kLeft};
  DrillBook book_;
  QStringList families_;
  std::unique_ptr<BookPositions> positions_;
  std::unique_ptr<LineDrill> drill_;
  std::vector<int> deck_;
  int deckIndex_ = 0;
  std::set<int> drilledThisSession_;
  bool lineRecorded_ = false;
  int followedRow_ = -1;  // as of the last event: a change is a row joined
  QString joinedRow_;     // the title of the row a move just joined
  DrillView view_;
};
