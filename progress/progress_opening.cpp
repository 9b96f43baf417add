// Opening the progress file: a fresh file where there is none, a damaged one
// put aside beside itself, memory where nothing can be written.
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "progress/progress_store.h"
#include "progress/sqlite_statement.h"

namespace {

// The tables of a progress file; creating them again changes nothing.
constexpr const char* kSchema = R"(
CREATE TABLE IF NOT EXISTS schedules (
  line TEXT PRIMARY KEY, due TEXT NOT NULL, interval INTEGER NOT NULL, ease INTEGER NOT NULL,
  repetitions INTEGER NOT NULL, lapses INTEGER NOT NULL, first_day TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS answers (
  id INTEGER PRIMARY KEY, day TEXT NOT NULL, line TEXT NOT NULL, right INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS answers_by_day ON answers (day);
CREATE TABLE IF NOT EXISTS settings (key TEXT PRIMARY KEY, value INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS own_lines (
  line TEXT NOT NULL, game TEXT NOT NULL, corner INTEGER NOT NULL, move INTEGER NOT NULL,
  PRIMARY KEY (line, game, corner));
)";

// A name beside path that no file has yet, telling when the file was put aside.
QString AsidePath(const QString& path) {
  const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"_qs);
  QString aside = u"%1.damaged-%2"_qs.arg(path, stamp);
  for (int k = 2; QFileInfo::exists(aside); ++k)
    aside = u"%1.damaged-%2-%3"_qs.arg(path, stamp).arg(k);
  return aside;
}

}  // namespace

void ProgressStore::Close::operator()(sqlite3* db) const {
  sqlite3_close(db);
}

QString ProgressStore::DefaultPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return folder.isEmpty() ? QString() : QDir(folder).filePath(u"progress.sqlite"_qs);
}

ProgressStore::ProgressStore(const QString& path) {
  Open(path);
  if (!db_) {
    sqlite3* raw = nullptr;
    sqlite3_open(":memory:", &raw);
    db_.reset(raw);
    path_.clear();
    Prepare();
  }
  LoadSchedules();
}

ProgressStore::~ProgressStore() = default;

bool ProgressStore::Execute(const char* sql) {
  return sqlite3_exec(db_.get(), sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// The tables are there (made when missing), the file is whole, and every
// column the store reads can be read.
bool ProgressStore::Prepare() {
  if (!Execute("PRAGMA busy_timeout = 2000")) return false;
  // Checked before anything is written, so that a file put aside is as it was found.
  SqlStatement check(db_.get(), "PRAGMA quick_check");
  if (!check.Step() || check.Text(0) != u"ok"_qs) return false;
  if (!Execute(kSchema)) return false;
  for (const char* sql : {"SELECT line, due, interval, ease, repetitions, lapses, first_day "
                          "FROM schedules LIMIT 1",
                          "SELECT id, day, line, right FROM answers LIMIT 1",
                          "SELECT key, value FROM settings LIMIT 1",
                          "SELECT line, game, corner, move FROM own_lines LIMIT 1"}) {
    SqlStatement probe(db_.get(), sql);
    probe.Step();
    if (probe.failed()) return false;
  }
  return true;
}

void ProgressStore::Open(const QString& path) {
  const QString unusable =
      u"練習の記録ファイルを作れません（%1）。今回の練習の記録は保存されません。"_qs;
  if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath())) {
    notice_ = unusable.arg(path.isEmpty() ? u"保存先がありません"_qs : path);
    return;
  }
  const bool existed = QFileInfo::exists(path);
  const auto open = [&] {
    sqlite3* raw = nullptr;
    const QByteArray name = QFile::encodeName(path);
    const int opened = sqlite3_open_v2(name.constData(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    db_.reset(raw);
    return opened == SQLITE_OK && Prepare();
  };
  if (open()) {
    path_ = path;
    return;
  }
  db_.reset();
  if (!existed) {
    notice_ = unusable.arg(path);
    return;
  }
  const QString aside = AsidePath(path);
  if (!QFile::rename(path, aside)) {
    notice_ =
        u"練習の記録ファイル「%1」が壊れていて、別の名前で残すこともできません。"
        u"ファイルはそのままにして、今回の練習の記録は保存しません。"_qs.arg(path);
    return;
  }
  if (!open()) {
    db_.reset();
    notice_ = unusable.arg(path);
    return;
  }
  path_ = path;
  notice_ =
      u"練習の記録ファイル「%1」が壊れていたため、新しい記録を始めました。"
      u"元のファイルは「%2」として残してあります。"_qs.arg(path, aside);
}
