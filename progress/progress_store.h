#pragma once
// The user's progress file: an SQLite file in the user's data folder (never
// the program folder) that keeps, per line of the collection (its ID), the
// review schedule, every answer given in the drill, and the user's settings.
//
// A file that is not a progress file (damaged, cut short, something else) is
// renamed beside itself, never deleted, and a fresh one is started; the
// notice says so in Japanese. A missing file starts fresh without a word.
// Where no file can be written at all, the progress is kept in memory for
// this run and the notice says that it will not be kept.

#include <QDate>
#include <QSet>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "progress/review_schedule.h"

struct sqlite3;

struct LineSchedule {
  ReviewSchedule schedule;
  QDate firstDay;  // the day the line was first answered: a new line introduced that day
};

struct AnswerShare {
  int right = 0;
  int total = 0;
};

struct FailedLine {
  QString line;
  int wrongAnswers = 0;
};

// A line of the collection that one of the user's games left (自分の対局から).
struct OwnGameLine {
  QString line;  // the row's ID
  QString game;  // the game's file
  int corner = 0;
  int move = 0;  // the game's move that left the book
};

class ProgressStore {
 public:
  // The file's usual place: progress.sqlite in the application's data folder.
  static QString DefaultPath();

  explicit ProgressStore(const QString& path);
  ~ProgressStore();
  ProgressStore(const ProgressStore&) = delete;
  ProgressStore& operator=(const ProgressStore&) = delete;

  // What the user must be told about opening the file; empty when all went well.
  const QString& notice() const { return notice_; }
  // The file in use; empty when the progress lives in memory only.
  const QString& path() const { return path_; }

  // Every line that has a schedule, by ID.
  const std::map<QString, LineSchedule>& schedules() const { return schedules_; }
  std::optional<LineSchedule> Schedule(const QString& line) const;

  // Records a line drilled on day: its new schedule, and its answers in the
  // order given (true for right). One transaction: all is kept or nothing.
  // False with a Japanese message in error() when the file cannot be written.
  bool RecordLine(const QString& line, const ReviewSchedule& schedule,
                  const std::vector<bool>& answers, QDate day);

  // The share of right answers given from first to last (both included).
  AnswerShare RightShare(QDate first, QDate last) const;
  // The lines with the most wrong answers, most first (ties by ID), at most count.
  std::vector<FailedLine> MostFailedLines(int count) const;
  // How many lines were answered for the first time on day.
  int NewLinesOn(QDate day) const;

  // How many new lines a day brings; 10 until the user sets it.
  int DailyNewLimit() const;
  bool SetDailyNewLimit(int limit);

  // Adds lines of the user's games; a line already kept for the same game
  // and corner is kept once. One transaction.
  bool AddOwnGameLines(const std::vector<OwnGameLine>& lines);
  // The IDs of every line the user's games left.
  QSet<QString> OwnGameLineIds() const;

  const QString& error() const { return error_; }

 private:
  void Open(const QString& path);
  bool Prepare();
  void LoadSchedules();
  bool Execute(const char* sql);

  struct Close {
    void operator()(sqlite3* db) const;
  };
  std::unique_ptr<sqlite3, Close> db_;
  QString path_;
  QString notice_;
  QString error_;
  std::map<QString, LineSchedule> schedules_;
};
