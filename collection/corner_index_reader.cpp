#include "collection/corner_index_reader.h"

#include <sqlite3.h>

#include "collection/sqlite_handles.h"

namespace {

constexpr const char* kPositionQuery =
    "SELECT id, stones, games, games_from_occupied, engine_games FROM corner_positions "
    "WHERE key = ?";
constexpr const char* kContinuationQuery =
    "SELECT column, row, games, first_year, last_year, corner_left, engine_games "
    "FROM corner_continuations WHERE position = ? ORDER BY row, column";
constexpr const char* kRowQuery =
    "SELECT joseki, stone FROM corner_rows WHERE position = ? ORDER BY joseki, stone";
constexpr const char* kCountQuery = "SELECT count(*) FROM corner_positions";
constexpr const char* kRowLineQuery =
    "SELECT title, five, moves, setup_count FROM gocs WHERE ID = ?";

// Runs a statement bound to one position id, calling read for each row.
template <typename Read>
void ForEachRow(sqlite3_stmt* statement, int position, Read read) {
  sqlite3_reset(statement);
  sqlite3_bind_int(statement, 1, position);
  while (sqlite3_step(statement) == SQLITE_ROW) read(statement);
}

}  // namespace

struct CornerIndexReader::State {
  sqlite3* db = nullptr;
  Statement position, continuations, rows, count, rowLine;

  ~State() {
    position.reset();
    continuations.reset();
    rows.reset();
    count.reset();
    rowLine.reset();
    sqlite3_close(db);
  }
};

CornerIndexReader::CornerIndexReader(const QString& path) {
  auto state = std::make_unique<State>();
  const int opened = sqlite3_open_v2(ImmutableUri(path).constData(), &state->db,
                                     SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
  if (opened == SQLITE_OK) {
    state->position = PrepareStatement(state->db, kPositionQuery);
    state->continuations = PrepareStatement(state->db, kContinuationQuery);
    state->rows = PrepareStatement(state->db, kRowQuery);
    state->count = PrepareStatement(state->db, kCountQuery);
    state->rowLine = PrepareStatement(state->db, kRowLineQuery);
  }
  // The book's rows (gocs) are only in the collection file: the user's own
  // index holds the corner tables alone, and ReadRow finds nothing there.
  if (opened != SQLITE_OK || !state->position || !state->continuations || !state->rows ||
      !state->count) {
    error_ = QStringLiteral("形の索引を読めません（%1）。").arg(path);
    return;
  }
  state_ = std::move(state);
}

CornerIndexReader::~CornerIndexReader() = default;

int CornerIndexReader::PositionId(const CornerKey& key) const {
  if (!state_) return 0;
  sqlite3_stmt* statement = state_->position.get();
  sqlite3_reset(statement);
  sqlite3_bind_blob(statement, 1, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
  return sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : 0;
}

std::optional<CornerPositionRecord> CornerIndexReader::Lookup(const CornerKey& key) const {
  const int id = PositionId(key);
  if (id == 0) return std::nullopt;
  sqlite3_stmt* found = state_->position.get();
  CornerPositionRecord record{.stones = sqlite3_column_int(found, 1),
                              .games = sqlite3_column_int(found, 2),
                              .gamesFromOccupied = sqlite3_column_int(found, 3),
                              .engineGames = sqlite3_column_int(found, 4),
                              .continuations = {},
                              .rows = {}};
  ForEachRow(state_->continuations.get(), id, [&](sqlite3_stmt* s) {
    record.continuations.push_back({.point = {sqlite3_column_int(s, 0), sqlite3_column_int(s, 1)},
                                    .games = sqlite3_column_int(s, 2),
                                    .firstYear = sqlite3_column_int(s, 3),
                                    .lastYear = sqlite3_column_int(s, 4),
                                    .cornerLeft = sqlite3_column_int(s, 5),
                                    .engineGames = sqlite3_column_int(s, 6)});
  });
  record.rows = RowsThrough(key);
  return record;
}

std::vector<RowPassageRecord> CornerIndexReader::RowsThrough(const CornerKey& key) const {
  std::vector<RowPassageRecord> rows;
  const int id = PositionId(key);
  if (id == 0) return rows;
  ForEachRow(state_->rows.get(), id, [&](sqlite3_stmt* s) {
    rows.push_back({sqlite3_column_int(s, 0), sqlite3_column_int(s, 1)});
  });
  return rows;
}

int CornerIndexReader::PositionCount() const {
  if (!state_) return 0;
  sqlite3_reset(state_->count.get());
  return sqlite3_step(state_->count.get()) == SQLITE_ROW
             ? sqlite3_column_int(state_->count.get(), 0)
             : 0;
}

std::optional<RowLineRecord> CornerIndexReader::ReadRow(int josekiId) const {
  if (!state_ || !state_->rowLine) return std::nullopt;
  std::optional<RowLineRecord> row;
  ForEachRow(state_->rowLine.get(), josekiId, [&](sqlite3_stmt* s) {
    const auto text = [s](int column) {
      return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, column)),
                               sqlite3_column_bytes(s, column));
    };
    const QString five = text(1);
    const QString moves = text(2);
    const QString given = text(3);
    row =
        RowLineRecord{.title = text(0),
                      .key = five.section(u' ', 0, 0),
                      .stones = ParseMoveString(std::u16string_view(
                          reinterpret_cast<const char16_t*>(moves.utf16()), size_t(moves.size()))),
                      .given = given.size() == 1 ? CoordValue(given[0].unicode()) : 0};
  });
  return row;
}
