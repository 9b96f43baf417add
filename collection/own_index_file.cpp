#include "collection/own_index_file.h"

#include <sqlite3.h>

#include "collection/corner_index_db.h"
#include "collection/sqlite_handles.h"

namespace {

// The file is a copy that replaces the index only when whole (or is thrown
// away), so it needs no journal; a larger cache speeds the merging.
constexpr const char* kPrepare = "PRAGMA journal_mode = OFF; PRAGMA cache_size = -65536; BEGIN";
constexpr const char* kCreateHeldGames =
    "CREATE TABLE IF NOT EXISTS held_games (fingerprint BLOB PRIMARY KEY) WITHOUT ROWID";
constexpr const char* kHoldGame = "INSERT OR IGNORE INTO held_games (fingerprint) VALUES (?)";
constexpr const char* kCountGames = "SELECT count(*) FROM held_games";

}  // namespace

struct OwnIndexFile::State {
  sqlite3* db = nullptr;
  Statement hold, count;

  ~State() {
    hold.reset();
    count.reset();
    if (sqlite3_get_autocommit(db) == 0) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
};

OwnIndexFile::OwnIndexFile(const QString& path) : path_(path) {
  auto state = std::make_unique<State>();
  const bool opened =
      sqlite3_open_v2(path.toUtf8().constData(), &state->db,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK &&
      sqlite3_exec(state->db, kPrepare, nullptr, nullptr, nullptr) == SQLITE_OK &&
      CreateCornerTables(state->db, path).isEmpty() &&
      sqlite3_exec(state->db, kCreateHeldGames, nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_stmt* hold = nullptr;
  sqlite3_stmt* count = nullptr;
  if (opened) {
    sqlite3_prepare_v2(state->db, kHoldGame, -1, &hold, nullptr);
    sqlite3_prepare_v2(state->db, kCountGames, -1, &count, nullptr);
  }
  state->hold.reset(hold);
  state->count.reset(count);
  if (!opened || !hold || !count) {
    error_ = QStringLiteral("自分の棋譜の索引「%1」を作れません（%2）。")
                 .arg(path, QString::fromUtf8(sqlite3_errmsg(state->db)));
    return;
  }
  state_ = std::move(state);
}

OwnIndexFile::~OwnIndexFile() = default;

void OwnIndexFile::Failed(const QString& what) {
  error_ = QStringLiteral("自分の棋譜の索引「%1」に書けません（%2）。").arg(path_, what);
}

bool OwnIndexFile::HoldGame(const QByteArray& fingerprint) {
  if (!state_) return false;
  sqlite3_stmt* hold = state_->hold.get();
  sqlite3_bind_blob(hold, 1, fingerprint.constData(), int(fingerprint.size()), SQLITE_TRANSIENT);
  const int stepped = sqlite3_step(hold);
  sqlite3_reset(hold);
  if (stepped != SQLITE_DONE) {
    Failed(QString::fromUtf8(sqlite3_errmsg(state_->db)));
    return false;
  }
  return sqlite3_changes(state_->db) > 0;
}

bool OwnIndexFile::Merge(const CornerIndex& tally) {
  if (!state_) return false;
  const QString failure = MergeCornerTables(state_->db, path_, tally);
  if (!failure.isEmpty()) Failed(failure);
  return failure.isEmpty();
}

int OwnIndexFile::HeldGames() const {
  if (!state_) return 0;
  sqlite3_stmt* count = state_->count.get();
  const int games = sqlite3_step(count) == SQLITE_ROW ? sqlite3_column_int(count, 0) : 0;
  sqlite3_reset(count);
  return games;
}

bool OwnIndexFile::Commit() {
  if (!state_) return false;
  if (sqlite3_exec(state_->db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
    Failed(QString::fromUtf8(sqlite3_errmsg(state_->db)));
    return false;
  }
  return true;
}
