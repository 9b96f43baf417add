#pragma once
// The corner position index of the collection file (tables corner_positions,
// corner_continuations, corner_rows), read as typed records. Points are in
// the key's frame (rules/corner_position.h): the upper-left corner.

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "rules/corner_position.h"
#include "rules/move_encoding.h"

// What was played next at a position.
struct ContinuationRecord {
  Point point;        // in the key's frame; {0, 0} for a move elsewhere (手抜き)
  int games = 0;      // professional games in which this move followed
  int firstYear = 0;  // earliest and latest dated such game; 0 when none is dated
  int lastYear = 0;
  int cornerLeft = 0;   // of those games, how many played elsewhere right after it
  int engineGames = 0;  // engine self-play games in which it followed

  bool IsElsewhere() const { return point.column == 0; }
};

// A row of the collection passing through a position.
struct RowPassageRecord {
  int joseki = 0;  // gocs.ID
  int stone = 0;   // the row's stones played when it stands there, given stones included
  bool operator==(const RowPassageRecord&) const = default;
};

struct CornerPositionRecord {
  int stones = 0;
  int games = 0;              // professional games in which the position arose
  int gamesFromOccupied = 0;  // of those, games whose corner held handicap stones from the start
  int engineGames = 0;        // engine games in which it arose
  std::vector<ContinuationRecord> continuations;  // in the stored order
  std::vector<RowPassageRecord> rows;             // by joseki, then stone
};

// A row of the collection as the index replays it.
struct RowLineRecord {
  QString title;                   // gocs.title
  QString key;                     // the sort key, the first word of gocs.five
  std::vector<StoredMove> stones;  // given stones included; a tenuki as kElsewhere
  int given = 0;                   // how many of them are given (unnumbered) stones
};

// The index, opened immutable once; every lookup reuses its prepared queries.
class CornerIndexReader {
 public:
  // An unreadable file or one without the corner tables leaves the reader
  // closed; a file without the book's rows (the user's own index) is open.
  explicit CornerIndexReader(const QString& path);
  ~CornerIndexReader();
  CornerIndexReader(const CornerIndexReader&) = delete;
  CornerIndexReader& operator=(const CornerIndexReader&) = delete;

  bool IsOpen() const { return state_ != nullptr; }
  // Why it is closed, as a Japanese sentence; empty when open.
  const QString& Error() const { return error_; }

  // The position under key, or nothing when the index does not hold it.
  std::optional<CornerPositionRecord> Lookup(const CornerKey& key) const;
  // Every row that passes through the position.
  std::vector<RowPassageRecord> RowsThrough(const CornerKey& key) const;
  // Row josekiId (gocs.ID), or nothing when the file has no such row (or no rows).
  std::optional<RowLineRecord> ReadRow(int josekiId) const;
  // How many positions the index holds.
  int PositionCount() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
  QString error_;

  int PositionId(const CornerKey& key) const;
};
