// The progress file in a temporary data folder: what survives a restart, and
// what happens to a file that is not a progress file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sqlite3.h>

#include "progress/progress_store.h"
#include "support/test_folder.h"

namespace {

const QDate kToday(2026, 12, 7);

ReviewSchedule Scheduled(int interval, int ease) {
  ReviewSchedule schedule;
  schedule.due = kToday.toJulianDay() + interval;
  schedule.intervalDays = interval;
  schedule.easeHundredths = ease;
  schedule.repetitions = 2;
  schedule.lapses = 1;
  return schedule;
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ExecuteOn(const QString& path, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
}

// The files of folder other than the progress file itself.
QStringList FilesBeside(const QString& folder) {
  return QDir(folder).entryList({u"progress.sqlite.damaged-*"_qs}, QDir::Files);
}

class ProgressFile : public testing::Test {
 protected:
  QString path() const { return data_.filePath(u"data/progress.sqlite"_qs); }
  QString folder() const { return data_.filePath(u"data"_qs); }
  QTemporaryDir data_;
};

TEST_F(ProgressFile, SchedulesAnswersAndTheLimitSurviveARestart) {
  {
    ProgressStore store(path());
    ASSERT_TRUE(store.RecordLine(u"17"_qs, Scheduled(6, 260), {true, false, true}, kToday));
    ASSERT_TRUE(store.RecordLine(u"4"_qs, Scheduled(1, 250), {false}, kToday.addDays(-1)));
    ASSERT_TRUE(store.SetDailyNewLimit(3));
  }
  ProgressStore store(path());
  EXPECT_TRUE(store.notice().isEmpty());
  ASSERT_TRUE(store.Schedule(u"17"_qs));
  EXPECT_EQ(store.Schedule(u"17"_qs)->schedule, Scheduled(6, 260));
  EXPECT_EQ(store.Schedule(u"17"_qs)->firstDay, kToday);
  EXPECT_EQ(store.DailyNewLimit(), 3);
  EXPECT_EQ(store.NewLinesOn(kToday), 1);
  EXPECT_EQ(store.NewLinesOn(kToday.addDays(-1)), 1);
  const AnswerShare today = store.RightShare(kToday, kToday);
  EXPECT_EQ(today.right, 2);
  EXPECT_EQ(today.total, 3);
  EXPECT_EQ(store.RightShare(kToday.addDays(-6), kToday).total, 4);
  const std::vector<FailedLine> failed = store.MostFailedLines(5);
  ASSERT_EQ(failed.size(), 2u);
  EXPECT_EQ(failed[0].line, u"17"_qs);  // one wrong answer each: by ID
  EXPECT_EQ(failed[1].line, u"4"_qs);
}

struct DamagedFile {
  const char* name;
  QByteArray bytes;
};

const DamagedFile kDamagedFiles[] = {
    {"not a database", QByteArray("これは記録ではありません\n", 37)},
    {"cut short", QByteArray("SQLite format 3\0", 16) + QByteArray(100, '\x7f')},
};

class DamagedProgressFile : public ProgressFile, public testing::WithParamInterface<DamagedFile> {};

TEST_P(DamagedProgressFile, IsKeptBesideAndAFreshOneStarted) {
  ASSERT_TRUE(QDir().mkpath(folder()));
  {
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().bytes);
  }
  ProgressStore store(path());
  EXPECT_TRUE(store.notice().contains(u"壊れていた"_qs)) << store.notice().toStdString();
  EXPECT_EQ(store.path(), path());
  const QStringList aside = FilesBeside(folder());
  ASSERT_EQ(aside.size(), 1);
  EXPECT_TRUE(store.notice().contains(aside[0]));
  EXPECT_EQ(Contents(QDir(folder()).filePath(aside[0])), GetParam().bytes);
  EXPECT_TRUE(store.RecordLine(u"1"_qs, Scheduled(1, 250), {true}, kToday));
  EXPECT_TRUE(ProgressStore(path()).Schedule(u"1"_qs));
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedProgressFile, testing::ValuesIn(kDamagedFiles),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name)
                             if (c == ' ') c = '_';
                           return name;
                         });

TEST_F(ProgressFile, ATableWithOtherColumnsIsDamage) {
  ASSERT_TRUE(QDir().mkpath(folder()));
  { ProgressStore store(path()); }
  ExecuteOn(path(), "DROP TABLE schedules; CREATE TABLE schedules (line TEXT)");
  const QByteArray before = Contents(path());
  ProgressStore store(path());
  EXPECT_TRUE(store.notice().contains(u"壊れていた"_qs));
  ASSERT_EQ(FilesBeside(folder()).size(), 1);
  EXPECT_EQ(Contents(QDir(folder()).filePath(FilesBeside(folder())[0])), before);
}

TEST_F(ProgressFile, WhereNothingCanBeWrittenTheProgressLivesInMemory) {
  QFile blocker(data_.filePath(u"data"_qs));  // a file where the folder would be
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  ProgressStore store(path());
  EXPECT_TRUE(store.notice().contains(u"保存されません"_qs));
  EXPECT_TRUE(store.path().isEmpty());
  EXPECT_TRUE(store.RecordLine(u"2"_qs, Scheduled(1, 250), {true}, kToday));
  EXPECT_TRUE(store.Schedule(u"2"_qs));
}

TEST(ProgressFileLocation, IsInTheUsersDataFolder) {
  QStandardPaths::setTestModeEnabled(true);
  const QString path = ProgressStore::DefaultPath();
  QStandardPaths::setTestModeEnabled(false);
  EXPECT_TRUE(path.endsWith(u"/progress.sqlite"_qs));
  EXPECT_TRUE(path.contains(u".qttest"_qs)) << path.toStdString();
}

}  // namespace
