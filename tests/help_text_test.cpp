#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "shell/help_text.h"

TEST(HelpSection, TakesTheBodyUpToTheNextMark) {
  const QString text = u"■はじめに\r\n一行目\r\n二行目\r\n■内容説明\r\n本文\r\n■"_qs;
  EXPECT_EQ(HelpSection(text, u"はじめに"_qs), u"一行目\r\n二行目\r\n"_qs);
  EXPECT_EQ(HelpSection(text, u"はじめに"_qs), HelpSection(text, u"はじめに"_qs));
  EXPECT_EQ(HelpSection(text, u"内容説明"_qs), u"本文\r\n"_qs);
}

TEST(HelpSection, EmptyMissingAndUnclosedSections) {
  EXPECT_EQ(HelpSection(u"■特典１\r\n■特典２\r\nx■"_qs, u"特典１"_qs), QString());
  EXPECT_EQ(HelpSection(u"■特典１\r\n本文"_qs, u"免責事項"_qs), QString());
  EXPECT_EQ(HelpSection(u"■特典１\r\n最後まで"_qs, u"特典１"_qs), u"最後まで"_qs);
  EXPECT_EQ(HelpSection(QString(), u"特典１"_qs), QString());
}

TEST(HelpTopics, TwentyTopicsInOrder) {
  ASSERT_EQ(HelpTopics().size(), 20);
  EXPECT_EQ(HelpTopics().front(), u"はじめに"_qs);
  EXPECT_EQ(HelpTopics()[13], u"検索手順の入力（１）"_qs);
  EXPECT_EQ(HelpTopics().back(), u"著作権"_qs);
}

TEST(ShiftJis, DecodesMarksAndKanjiWithoutAFinalLineBreak) {
  // "■定石" then CR LF then "碁" in code page 932, no line break at the end.
  const QByteArray bytes("\x81\xa1\x92\xe8\x90\xce\r\n\x8c\xe9", 10);
  EXPECT_EQ(DecodeShiftJis(bytes), u"■定石\r\n碁"_qs);
}

TEST(ShiftJis, ABadByteCostsOneCharacterNotTheText) {
  EXPECT_EQ(DecodeShiftJis(QByteArray("\x81\xa1\x80\x92\xe8\xff", 6)), u"■\uFFFD定\uFFFD"_qs);
  EXPECT_EQ(DecodeShiftJis(QByteArray("\x92\xe8\x81", 3)), u"定\uFFFD"_qs);  // cut short
}

TEST(ShiftJis, ShippedHelpFileHasEveryTopicClosed) {
  const auto text = ReadHelpFile(QStringLiteral(PROGRAM_DIR "/fld1/resume.txt"));
  ASSERT_TRUE(text.has_value());
  for (const QString& topic : HelpTopics()) {
    EXPECT_EQ(text->count(u"■"_qs + topic + u"\r\n"_qs), 1) << topic.toStdString();
    EXPECT_FALSE(HelpSection(*text, topic).trimmed().isEmpty()) << topic.toStdString();
  }
  EXPECT_TRUE(text->trimmed().endsWith(u"■"_qs));
  EXPECT_FALSE(ReadHelpFile(u"/nonexistent/resume.txt"_qs).has_value());
}
