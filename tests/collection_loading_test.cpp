// Loading a section of the collection into the board window: the section
// queries, the per-record arrays, the size limit and the load errors.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>

#include "support/loaded_window.h"

namespace {

TestRow Titled(const QString& title, const QString& five, const QString& one = "0") {
  TestRow row;
  row.title = title;
  row.five = five;
  row.one = one;
  row.setupCount = "0";
  row.moves = "3D1";
  return row;
}

// Runs sql on the test folder's collection file.
void Execute(const QString& file, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &db), SQLITE_OK);
  char* error = nullptr;
  const int result = sqlite3_exec(db, sql, nullptr, nullptr, &error);
  const std::string why = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  ASSERT_EQ(result, SQLITE_OK) << why;
}

using SectionLoadingTest = LoadedWindowTest;

// Rows of every section, some of them outside the collection (one = "1").
std::vector<TestRow> MixedRows() {
  return {
      Titled("handicap b", "0b"),
      Titled("handicap d, one 1", "0d", "1"),
      Titled("4-4 a", "1a"),
      Titled("4-4 c", "1c"),
      Titled("4-4 b, one 1", "1b", "1"),
      Titled("3-4 b", "2b"),
      Titled("3-4 a", "2a"),
      Titled("3-4 c, one 1", "2c", "1"),
      Titled("5-4", "3a"),
      Titled("no section 4", "4a"),
      Titled("5-3", "5a"),
      Titled("3-3", "6a"),
      Titled("no section 7", "7a"),
      Titled("others", "8a"),
  };
}

struct SectionCase {
  int section;
  QStringList titles;
};

class SectionQueryTest : public LoadedWindowTest,
                         public ::testing::WithParamInterface<SectionCase> {};

TEST_P(SectionQueryTest, ListsTheSectionsRowsInItsOrder) {
  Load(MixedRows(), GetParam().section);
  EXPECT_TRUE(messages.messages.isEmpty());
  EXPECT_EQ(window->controls.List1, GetParam().titles);
  ASSERT_EQ(int(window->titles.size()), GetParam().titles.size() + 1);
  ASSERT_EQ(int(window->recordset.size()), GetParam().titles.size());
}

// Section 2 takes every handicap row whatever its "one" (And binds before Or)
// and orders by five without its section digit, so both kinds interleave.
INSTANTIATE_TEST_SUITE_P(
    Sections, SectionQueryTest,
    ::testing::Values(SectionCase{1, {"handicap b"}},
                      SectionCase{2, {"4-4 a", "handicap b", "4-4 c", "handicap d, one 1"}},
                      SectionCase{3, {"3-4 a", "3-4 b"}}, SectionCase{4, {"5-4"}},
                      SectionCase{5, {"5-3"}}, SectionCase{6, {"3-3"}},
                      SectionCase{7, {"others"}}));

TEST_F(SectionLoadingTest, RecordsetKeepsTheQueryOrderWithIdsAndAllMoves) {
  std::vector<TestRow> rows = MixedRows();
  rows[2].moves = "4D1???3C2";  // "4-4 a", ID 3
  rows[2].setupCount = "1";
  Load(rows, 2);
  ASSERT_EQ(window->recordset.size(), 4u);
  EXPECT_EQ(window->recordset[0].id, "3");
  EXPECT_EQ(window->recordset[0].moves, "4D1???3C2");
  EXPECT_EQ(window->recordset[1].id, "1");
  EXPECT_EQ(window->recordset[2].id, "4");
  EXPECT_EQ(window->recordset[3].id, "2");
}

TEST_F(SectionLoadingTest, ArraysHoldEachRecordAtItsNumber) {
  TestRow first = Titled("first", "2a");
  first.markers = "3Ca";
  first.commentary = "commentary one";
  first.gameReference = "heading|1/2|4DDD";
  TestRow second = Titled("second", "2b");
  second.commentary = "commentary two";
  second.setupCount = "1";
  second.moves = "4D13C2";
  Load({second, first});
  ASSERT_EQ(window->titles.size(), 3u);
  EXPECT_TRUE(window->titles[0].isEmpty());
  EXPECT_EQ(window->titles[1], "first");
  EXPECT_EQ(window->smallCaptions[1], "2a");  // field 5
  EXPECT_EQ(window->commentaries[1], "commentary one");
  EXPECT_EQ(window->markerStrings[1], "3Ca");
  EXPECT_EQ(window->gameReferences[1], "heading|1/2|4DDD");
  EXPECT_EQ(window->titles[2], "second");
  EXPECT_EQ(window->setupStones[2], "4D1");
  EXPECT_EQ(window->numberedMoves[2], "3C2");
}

struct SetupSplit {
  QString setupCount;
  QString moves;
  QString setup;
  QString numbered;
};

class SetupSplitTest : public LoadedWindowTest, public ::testing::WithParamInterface<SetupSplit> {};

TEST_P(SetupSplitTest, SetupCountSplitsTheMoves) {
  TestRow row = Titled("t", "2a");
  row.setupCount = GetParam().setupCount;
  row.moves = GetParam().moves;
  Load({row});
  EXPECT_TRUE(messages.messages.isEmpty());
  ASSERT_EQ(window->setupStones.size(), 2u);
  EXPECT_EQ(window->setupStones[1], GetParam().setup);
  EXPECT_EQ(window->numberedMoves[1], GetParam().numbered);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, SetupSplitTest,
    ::testing::Values(SetupSplit{"0", "4D13C24C13D2", "", "4D13C24C13D2"},
                      SetupSplit{"3", "4D13C24C13D2", "4D13C24C1", "3D2"},
                      SetupSplit{"4", "4D13C24C13D2", "4D13C24C13D2", ""},
                      SetupSplit{"?", "4D13C2", "", "4D13C2"},  // not a coordinate: 0
                      SetupSplit{"", "4D13C2", "", "4D13C2"},   // empty: 0
                      SetupSplit{"1", "4D13C", "4D1", "3C"},    // a short last triple stays
                      SetupSplit{"A", QString(30, u'1'), QString(30, u'1'), ""}));

TEST_F(SectionLoadingTest, AfterLoadingTheFirstLineIsSelectedAndDrawn) {
  TestRow first = Titled("first", "2a");
  first.commentary = "one";
  first.moves = "3D1";
  first.gameReference = "Game heading|1/1|4D";
  TestRow second = Titled("second", "2b");
  Load({first, second});
  EXPECT_EQ(window->controls.List1Index, 0);
  EXPECT_EQ(window->CurrentRecord, 1);
  EXPECT_EQ(window->controls.Label1, "Game heading");
  EXPECT_EQ(window->controls.Label2, "one");
  EXPECT_EQ(window->controls.Label3, "2a");
  EXPECT_TRUE(window->controls.GameButtonsEnabled);
  EXPECT_FALSE(window->controls.Timer2Enabled);
  EXPECT_FALSE(window->controls.Timer4Enabled);
  EXPECT_FALSE(window->controls.Image1Visible);
  EXPECT_FALSE(window->controls.Image2Visible);
  EXPECT_TRUE(window->InputClosed);
  EXPECT_EQ(window->LeftCounts.at(13, 3), 2);   // white 1 at column 13, row 3
  EXPECT_EQ(window->RightCounts.at(13, 4), 1);  // the game's black 1
}

TEST_F(SectionLoadingTest, ExactlyTwelveHundredRowsLoad) {
  std::vector<TestRow> rows(1200, Titled("t", "2a"));
  rows.back().title = "last";
  Load(rows);
  EXPECT_TRUE(messages.messages.isEmpty());
  ASSERT_EQ(window->controls.List1.size(), 1200);
  EXPECT_EQ(window->controls.List1.back(), "last");
  EXPECT_EQ(window->titles.size(), 1201u);
  EXPECT_EQ(window->CurrentRecord, 1);
}

TEST_F(SectionLoadingTest, RowsOfOtherSectionsDoNotCountTowardsTheLimit) {
  std::vector<TestRow> rows(1200, Titled("t", "2a"));
  rows.push_back(Titled("other", "3a"));
  rows.push_back(Titled("outside", "2a", "1"));
  Load(rows);
  EXPECT_TRUE(messages.messages.isEmpty());
  EXPECT_EQ(window->controls.List1.size(), 1200);
}

TEST_F(SectionLoadingTest, EmptySectionLoadsNothingQuietly) {
  Load({Titled("t", "2a")}, 7);
  EXPECT_TRUE(messages.messages.isEmpty());
  EXPECT_TRUE(window->controls.List1.isEmpty());
  EXPECT_EQ(window->canvas.refreshCount(), 0);
}

TEST_F(SectionLoadingTest, NullOutsideTheSectionIsNotRead) {
  folder.WriteCollection({Titled("t", "2a"), Titled("u", "3a")});
  Execute(folder.path("fld1/goc.db"), "UPDATE gocs SET commentary = NULL WHERE ID = 2");
  LoadSection(3);
  EXPECT_TRUE(messages.messages.isEmpty());
  EXPECT_EQ(window->controls.List1, QStringList{"t"});
}

TEST_F(SectionLoadingTest, HandicapRowWithoutOneIsListedInSectionTwo) {
  folder.WriteCollection({Titled("4-4", "1a"), Titled("handicap", "0b")});
  Execute(folder.path("fld1/goc.db"), "UPDATE gocs SET one = NULL WHERE ID = 2");
  LoadSection(2);
  EXPECT_TRUE(messages.messages.isEmpty());
  EXPECT_EQ(window->controls.List1, QStringList({"4-4", "handicap"}));
}

// The collection is read as the immutable file it is: a WAL-mode file or one
// another process holds locked in a write loads, and nothing appears in fld1/.
TEST_F(SectionLoadingTest, WalModeOrLockedCollectionLoadsAndNothingIsWrittenBesideIt) {
  const QString file = folder.path("fld1/goc.db");
  const auto files = [&] { return QDir(folder.path("fld1")).entryList(QDir::Files); };
  folder.WriteCollection({Titled("t", "2a")});
  Execute(file, "PRAGMA journal_mode=WAL");
  const QStringList walFiles = files();
  LoadSection(3);
  EXPECT_EQ(window->controls.List1, QStringList{"t"});
  EXPECT_EQ(files(), walFiles);

  folder.WriteCollection({Titled("u", "2a")});
  sqlite3* writer = nullptr;
  ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &writer), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE; UPDATE gocs SET title = 'v'", nullptr, nullptr,
                         nullptr),
            SQLITE_OK);
  const QStringList lockedFiles = files();
  LoadSection(3);
  EXPECT_EQ(window->controls.List1, QStringList{"u"});
  EXPECT_EQ(files(), lockedFiles);
  sqlite3_close(writer);
  EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join("\n").toStdString();
}

// ---- collections that cannot be read --------------------------------------

enum class Damage {
  kMissing,
  kTextFile,
  kEmptyFile,
  kNoTable,
  kTooFewColumns,
  kNullField,
  kTooManyRows,
  kSetupLongerThanMoves
};

struct DamageCase {
  const char* name;
  Damage damage;
};

class LoadErrorTest : public LoadedWindowTest, public ::testing::WithParamInterface<DamageCase> {
 protected:
  void Damage(enum Damage damage) {
    const QString file = folder.path("fld1/goc.db");
    switch (damage) {
      case Damage::kMissing:
        break;
      case Damage::kTextFile:
        folder.WriteCollectionBytes("This is not a collection.\r\n定石\r\n");
        break;
      case Damage::kEmptyFile:
        folder.WriteCollectionBytes(QByteArray());
        break;
      case Damage::kNoTable:
        Execute(file, "CREATE TABLE other (a TEXT)");
        break;
      case Damage::kTooFewColumns:
        Execute(file,
                "CREATE TABLE gocs (ID INTEGER, one TEXT, five TEXT);"
                "INSERT INTO gocs VALUES (1, '0', '2a')");
        break;
      case Damage::kNullField: {
        folder.WriteCollection({Titled("t", "2a"), Titled("u", "2b")});
        Execute(file, "UPDATE gocs SET game_reference = NULL WHERE ID = 2");
        break;
      }
      case Damage::kTooManyRows:
        folder.WriteCollection(std::vector<TestRow>(1201, Titled("t", "2a")));
        break;
      case Damage::kSetupLongerThanMoves: {
        TestRow row = Titled("t", "2b");
        row.setupCount = "2";
        row.moves = "4D13C";
        folder.WriteCollection({Titled("fine", "2a"), row});
        break;
      }
    }
  }
};

TEST_P(LoadErrorTest, OneMessageNamingTheFileAndAnEmptyList) {
  Damage(GetParam().damage);
  LoadSection(3);
  ASSERT_EQ(messages.messages.size(), 1) << messages.messages.join("\n").toStdString();
  EXPECT_TRUE(messages.messages[0].contains(folder.path("fld1/goc.db")))
      << messages.messages[0].toStdString();
  EXPECT_TRUE(window->controls.List1.isEmpty());
  EXPECT_TRUE(window->recordset.empty());
  EXPECT_FALSE(window->controls.Timer2Enabled);
  EXPECT_FALSE(window->controls.Timer4Enabled);
  EXPECT_FALSE(window->controls.GameButtonsEnabled);
  EXPECT_EQ(window->canvas.refreshCount(), 0);  // no joseki drawn
  // Another section can be opened afterwards.
  folder.WriteCollection({Titled("t", "2a")});
  LoadSection(3);
  EXPECT_EQ(messages.messages.size(), 1);
  EXPECT_EQ(window->controls.List1, QStringList{"t"});
}

INSTANTIATE_TEST_SUITE_P(
    Collections, LoadErrorTest,
    ::testing::Values(DamageCase{"Missing", Damage::kMissing},
                      DamageCase{"TextFile", Damage::kTextFile},
                      DamageCase{"EmptyFile", Damage::kEmptyFile},
                      DamageCase{"NoTableGocs", Damage::kNoTable},
                      DamageCase{"TooFewColumns", Damage::kTooFewColumns},
                      DamageCase{"NullField", Damage::kNullField},
                      DamageCase{"TwelveHundredAndOneRows", Damage::kTooManyRows},
                      DamageCase{"SetupLongerThanMoves", Damage::kSetupLongerThanMoves}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
