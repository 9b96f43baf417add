// The collection as the program reads it: the rows of each section in order,
// the one place where stored texts become records, the files that cannot be
// read, and the help text.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>

#include "collection/collection_store.h"
#include "collection/help_text.h"
#include "collection/record_parsing.h"
#include "support/test_folder.h"

namespace {

TestRow Titled(const QString& title, const QString& five, const QString& one = "0") {
  TestRow row = Row(title, five);
  row.one = one;
  return row;
}

// The titles of the section's rows, joined by '|'.
QString Titles(const SectionRecords& section) {
  QStringList titles;
  for (const JosekiRecord& record : section.records) titles << record.title;
  return titles.join(u'|');
}

TEST(Collection, ARowBecomesATypedRecord) {
  const JosekiRecord record =
      *ParseRecord({"7", "0", "3Ca5E2", "1", "title", "2A caption", "commentary", "4C13D2??? 4",
                    "heading|12/30|4C 3D　5E6F"});
  EXPECT_EQ(record.id, "7");
  EXPECT_EQ(record.caption, "2A caption");
  EXPECT_EQ(record.commentary, "commentary");
  EXPECT_EQ(record.givenStones, (std::vector<StoredMove>{{4, 12}}));
  // Numbered moves: cut to whole triples ("4" dropped), then the first blank out.
  EXPECT_EQ(record.numberedMoves, (std::vector<StoredMove>{{3, 13}, {kElsewhere, kElsewhere}}));
  EXPECT_EQ(record.markers, (std::vector<Marker>{{{12, 3}, u'a'}, {{14, 5}, u'2'}}));
  EXPECT_EQ(record.storedMoves.text(), "4C13D2??? 4");
  EXPECT_EQ(record.referenceText, "heading|12/30|4C 3D　5E6F");
  EXPECT_EQ(record.game.lastMove, 30);  // the reference read as ParseGameReference reads it
  EXPECT_EQ(record.game.moves, (std::vector<Point>{{12, 4}, {13, 3}, {14, 5}, {15, 6}}));
  // More given stones than moves is not a record.
  EXPECT_FALSE(ParseRecord({"8", "0", "", "2", "t", "2", "", "4C13D", ""}));
  EXPECT_EQ(ParseRecord({"8", "0", "", "?", "t", "2", "", "4C1", ""})->numberedMoves.size(), 1u);
}

TEST(Collection, NumberedMovesAreCleanedOnce) {
  const std::pair<QString, QString> cases[] = {
      {"4D13C", "4D1"},          {"4D13", "4D1"},       {"4D13C2", "4D13C2"},
      {"4D 13C2 x", "4D13C2 x"}, {"4　D13C2", "4D13C"}, {"4 D13C2　", "4D13C"},
      {"4 D1 3　C2", "4D1 3C2"},  // one blank of each kind
  };
  for (const auto& [stored, cleaned] : cases)
    EXPECT_EQ(CleanNumberedMoves(stored), cleaned) << stored.toStdString();
}

TEST(Collection, LimitAndNullsOutsideTheSectionDoNotCount) {
  TestFolder folder;
  std::vector<TestRow> rows(1201, Titled("t", "2a"));
  rows.push_back(Titled("other", "3a"));
  rows.push_back(Titled("outside", "2a", "1"));
  folder.WriteCollection(rows);
  folder.Execute(
      "UPDATE gocs SET commentary = NULL WHERE ID = 1202; "
      "UPDATE gocs SET one = NULL WHERE ID = 1");
  const SectionRecords read = ReadSection(folder.folder().CollectionFile(), Section::kThreeFour);
  EXPECT_TRUE(read.error.isEmpty()) << read.error.toStdString();
  EXPECT_EQ(read.records.size(), 1200u);  // the row without "one" is not listed
}

// The collection is read as the immutable file it is: a WAL-mode file, or one
// another process holds locked in a write, reads, and nothing appears in fld1/.
TEST(Collection, WalModeOrLockedFileReadsAndNothingIsWrittenBesideIt) {
  TestFolder folder;
  const QString file = folder.folder().CollectionFile();
  const auto files = [&] { return QDir(folder.path("fld1")).entryList(QDir::Files); };
  folder.WriteCollection({Titled("t", "2a")});
  folder.Execute("PRAGMA journal_mode=WAL");
  QStringList before = files();
  EXPECT_EQ(Titles(ReadSection(file, Section::kThreeFour)), "t");
  EXPECT_EQ(files(), before);

  folder.WriteCollection({Titled("u", "2a")});
  sqlite3* writer = nullptr;
  ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &writer), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE; UPDATE gocs SET title = 'v'", nullptr, nullptr,
                         nullptr),
            SQLITE_OK);
  before = files();
  EXPECT_EQ(Titles(ReadSection(file, Section::kThreeFour)), "u");
  EXPECT_EQ(files(), before);
  sqlite3_close(writer);
}

TEST(HelpText, ShiftJisWithABadByteCostsOneCharacter) {
  EXPECT_EQ(DecodeShiftJis(QByteArray("\x81\xa1\x92\xe8\r\n\x8c\xe9", 8)), u"■定\r\n碁"_qs);
  EXPECT_EQ(DecodeShiftJis(QByteArray("\x81\xa1\x80\x92\xe8\xff", 6)), u"■\uFFFD定\uFFFD"_qs);
  EXPECT_EQ(DecodeShiftJis(QByteArray("\x81\xa1\x80\x92\xe8\xff", 6), 2), u"■\uFFFD定\uFFFD"_qs);
  EXPECT_EQ(DecodeShiftJis(QByteArray("\x81\xa1\x80\x92\xe8\xff", 6), 1), std::nullopt);
  EXPECT_EQ(DecodeShiftJis(QByteArray("\x92\xe8\x81", 3)), u"定\uFFFD"_qs);
}

TEST(HelpText, SectionsRunToTheNextMark) {
  const QString text = u"■はじめに\r\n一行目\r\n■内容説明\r\n本文\r\n■空\r\n■特典１\r\n最後まで"_qs;
  EXPECT_EQ(HelpSection(text, u"空"_qs), QString());
  EXPECT_EQ(HelpSection(text, u"はじめに"_qs), u"一行目\r\n"_qs);
  EXPECT_EQ(HelpSection(text, u"内容説明"_qs), u"本文\r\n"_qs);
  EXPECT_EQ(HelpSection(text, u"特典１"_qs), u"最後まで"_qs);
  EXPECT_EQ(HelpSection(text, u"免責事項"_qs), QString());
}

// A few bad bytes cost a character each; a file that is mostly not Shift_JIS,
// or names no topic, is no help text and is reported as unreadable.
TEST(HelpText, AFileThatIsNotShiftJisHelpTextIsReported) {
  QFile shipped(BuiltProgramFolder().HelpFile());
  ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
  const QByteArray shiftJis = shipped.readAll();
  const QByteArray damaged = QByteArray(shiftJis).replace("\r\n", "\r\n\xFF");  // a bad byte a line
  QByteArray noise(shiftJis.size(), '\0');
  for (qsizetype i = 0; i < noise.size(); ++i) noise[i] = char(0x80 + i * 7 % 0x7f);
  TestFolder folder;
  const std::pair<const char*, QByteArray> unreadable[] = {
      {"utf8.txt", LoadHelpText(shipped.fileName()).text.toUtf8()},
      {"noise.txt", noise},
      {"empty.txt", {}},
  };
  for (const auto& [name, bytes] : unreadable) {
    const QString path = folder.Write(name, bytes);
    EXPECT_EQ(LoadHelpText(path).error,
              u"操作説明のファイル「%1」を読み込めませんでした。"_qs.arg(path))
        << name;
  }
  const HelpText help = LoadHelpText(folder.Write("damaged.txt", damaged));
  EXPECT_EQ(help.error, "");
  EXPECT_TRUE(help.text.contains(u'\uFFFD'));
  EXPECT_FALSE(HelpSection(help.text, u"定石検索"_qs).isEmpty());
}

}  // namespace
