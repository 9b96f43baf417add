#pragma once
// 次の一手: what was played next at a corner position of a board, from the
// corner position index: the professionals' and the engine's continuations
// with their counts, and those of the user's own games when an own index
// exists (features/own_games_index.h), best supported first, and the book's
// rows through it.

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "collection/corner_index_reader.h"
#include "collection/section.h"

// One continuation as the explorer lists it.
struct ExplorerLine {
  QString label;  // "a", "b", … on the diagram; 「手抜き」 for a move elsewhere
  std::optional<Point> boardPoint;  // where it stands on the board; none for 手抜き
  int games = 0;                    // professional games in which it followed
  int engineGames = 0;              // engine games in which it followed
  int ownGames = 0;                 // the user's own games in which it followed
  QString professional;  // 「プロ 12 局（40%・1790〜1850年）」, 「プロ 1 局のみ（1846年）」
  QString engine;         // 「AI 300 局（25%）」
  QString own;            // 「自分 3 局（30%）」; empty without an own index
  QStringList rowTitles;  // the book's rows that go on with it
};

struct Exploration {
  bool held = false;  // the index holds the position
  int corner = 0;     // 0 upper left, 1 upper right, 2 lower left, 3 lower right
  Colour toMove = Colour::kBlack;
  BoardState board;  // the board the position was read from
  QString summary;   // what the position's counts count, or that the index holds nothing
  QString gamesText;  // 「プロ 960 局、AI 12932 局、自分 3 局」: the games the position arose in
  std::vector<ExplorerLine> lines;
  QStringList endingRows;  // titles of the book's rows that end here
};

// A row of the collection that passes through a position (形で検索).
struct PositionMatch {
  QString josekiId;  // gocs.ID, as the section lists it
  QString title;
  QString key;                     // the sort key
  std::optional<Section> section;  // the row's own section
  int move = 0;                    // its numbered moves played when it stands there

  // 「小目・小ゲイマガカリ（2B0120）　小目の部・4 手目」
  QString Text() const;
};

// The corner that play at last concerns: of the corners holding last, the one
// with more stones; without a last point, the corner with the most stones.
int CornerOfPlay(const BoardState& board, std::optional<Point> last);

class CornerExplorer {
 public:
  // The collection's index, and the user's own at ownIndexFile when it exists.
  explicit CornerExplorer(const QString& collectionFile, const QString& ownIndexFile = {});

  // Why the index cannot be read, in Japanese; empty when it can.
  const QString& Error() const { return index_.Error(); }
  // Opens the own index again (after it was written); closed when it does not exist.
  void ReopenOwnIndex();
  // Whether an own index is open.
  bool HasOwnIndex() const { return own_ != nullptr; }

  // The corner of board with toMove to play, looked up.
  Exploration Explore(const BoardState& board, Colour toMove, int corner) const;
  // Every row that passes through that position, in any move order,
  // orientation or colours, by section and sort key.
  std::vector<PositionMatch> RowsAt(const BoardState& board, Colour toMove, int corner) const;

 private:
  void AddRowTitles(const CornerPosition& position, const CornerPositionRecord& record,
                    Exploration& exploration) const;
  QString NotHeld(const CornerPosition& position, const QString& side) const;

  CornerIndexReader index_;
  QString ownIndexFile_;
  std::unique_ptr<CornerIndexReader> own_;
};
