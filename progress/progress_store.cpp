#include "progress/progress_store.h"

#include <algorithm>

#include "progress/sqlite_statement.h"

namespace {
constexpr int kDefaultDailyNewLimit = 10;

QString DayText(QDate day) {
  return day.toString(Qt::ISODate);
}

QDate DayOf(const QString& text) {
  return QDate::fromString(text, Qt::ISODate);
}
}  // namespace

void ProgressStore::LoadSchedules() {
  schedules_.clear();
  SqlStatement rows(db_.get(),
                    "SELECT line, due, interval, ease, repetitions, lapses, first_day "
                    "FROM schedules");
  while (rows.Step()) {
    // Values no scheduler writes (edited by hand) are brought back into range.
    const QDate due = DayOf(rows.Text(1));
    LineSchedule line;
    line.schedule.due = due.isValid() ? due.toJulianDay() : 0;
    line.schedule.intervalDays =
        int(std::clamp<long long>(rows.Integer(2), 0, kMaximumIntervalDays));
    line.schedule.easeHundredths = int(std::clamp<long long>(rows.Integer(3), kMinimumEase, 1000));
    line.schedule.repetitions = int(std::clamp<long long>(rows.Integer(4), 0, 1000000));
    line.schedule.lapses = int(std::clamp<long long>(rows.Integer(5), 0, 1000000));
    line.firstDay = DayOf(rows.Text(6));
    schedules_[rows.Text(0)] = line;
  }
}

std::optional<LineSchedule> ProgressStore::Schedule(const QString& line) const {
  const auto found = schedules_.find(line);
  if (found == schedules_.end()) return std::nullopt;
  return found->second;
}

bool ProgressStore::RecordLine(const QString& line, const ReviewSchedule& schedule,
                               const std::vector<bool>& answers, QDate day) {
  const std::optional<LineSchedule> before = Schedule(line);
  const QDate firstDay = before && before->firstDay.isValid() ? before->firstDay : day;
  bool written = Execute("BEGIN IMMEDIATE");
  written = written && SqlStatement(db_.get(),
                                    "INSERT OR REPLACE INTO schedules (line, due, interval, ease, "
                                    "repetitions, lapses, first_day) VALUES (?, ?, ?, ?, ?, ?, ?)")
                           .Bind(line)
                           .Bind(DayText(QDate::fromJulianDay(schedule.due)))
                           .Bind(schedule.intervalDays)
                           .Bind(schedule.easeHundredths)
                           .Bind(schedule.repetitions)
                           .Bind(schedule.lapses)
                           .Bind(DayText(firstDay))
                           .Run();
  for (bool right : answers) {
    written = written &&
              SqlStatement(db_.get(), "INSERT INTO answers (day, line, right) VALUES (?, ?, ?)")
                  .Bind(DayText(day))
                  .Bind(line)
                  .Bind(right ? 1 : 0)
                  .Run();
  }
  written = written && Execute("COMMIT");
  if (!written) {
    Execute("ROLLBACK");
    error_ = u"練習の記録を保存できませんでした（%1）。"_qs.arg(
        QString::fromUtf8(sqlite3_errmsg(db_.get())));
    return false;
  }
  schedules_[line] = {schedule, firstDay};
  return true;
}

AnswerShare ProgressStore::RightShare(QDate first, QDate last) const {
  SqlStatement share(db_.get(),
                     "SELECT COALESCE(SUM(right), 0), COUNT(*) FROM answers "
                     "WHERE day >= ? AND day <= ?");
  share.Bind(DayText(first)).Bind(DayText(last));
  if (!share.Step()) return {};
  return {int(share.Integer(0)), int(share.Integer(1))};
}

std::vector<FailedLine> ProgressStore::MostFailedLines(int count) const {
  std::vector<FailedLine> lines;
  SqlStatement failed(db_.get(),
                      "SELECT line, COUNT(*) AS wrong FROM answers WHERE right = 0 "
                      "GROUP BY line ORDER BY wrong DESC, line LIMIT ?");
  failed.Bind(count);
  while (failed.Step()) lines.push_back({failed.Text(0), int(failed.Integer(1))});
  return lines;
}

int ProgressStore::NewLinesOn(QDate day) const {
  return int(std::count_if(schedules_.begin(), schedules_.end(),
                           [&](const auto& entry) { return entry.second.firstDay == day; }));
}

int ProgressStore::DailyNewLimit() const {
  SqlStatement limit(db_.get(), "SELECT value FROM settings WHERE key = 'daily_new_limit'");
  if (!limit.Step()) return kDefaultDailyNewLimit;
  return int(std::clamp<long long>(limit.Integer(0), 0, 10000));
}

bool ProgressStore::SetDailyNewLimit(int limit) {
  const bool written =
      SqlStatement(db_.get(),
                   "INSERT OR REPLACE INTO settings (key, value) VALUES ('daily_new_limit', ?)")
          .Bind(std::max(0, limit))
          .Run();
  if (!written)
    error_ = u"練習の設定を保存できませんでした（%1）。"_qs.arg(
        QString::fromUtf8(sqlite3_errmsg(db_.get())));
  return written;
}

bool ProgressStore::AddOwnGameLines(const std::vector<OwnGameLine>& lines) {
  bool written = Execute("BEGIN IMMEDIATE");
  for (const OwnGameLine& line : lines) {
    written = written && SqlStatement(db_.get(),
                                      "INSERT OR REPLACE INTO own_lines (line, game, corner, move) "
                                      "VALUES (?, ?, ?, ?)")
                             .Bind(line.line)
                             .Bind(line.game)
                             .Bind(line.corner)
                             .Bind(line.move)
                             .Run();
  }
  written = written && Execute("COMMIT");
  if (!written) {
    Execute("ROLLBACK");
    error_ = u"自分の対局の定石を保存できませんでした（%1）。"_qs.arg(
        QString::fromUtf8(sqlite3_errmsg(db_.get())));
  }
  return written;
}

QSet<QString> ProgressStore::OwnGameLineIds() const {
  QSet<QString> ids;
  SqlStatement lines(db_.get(), "SELECT DISTINCT line FROM own_lines");
  while (lines.Step()) ids.insert(lines.Text(0));
  return ids;
}
