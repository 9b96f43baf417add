// The joseki search: its stages over the rows of a section, the choice of the
// row shown, the relaxation, the reports and the tick of Timer4.
#include <gtest/gtest.h>

#include <random>

#include "search/search_stages.h"
#include "search_test_support.h"
#include "shell/messages.h"

using namespace search_test;

namespace {

const QString kNothingFound = u"該当するものはありません。"_qs;

// Stones clicked in section 2 for the tests below: a sequence S of up to 10
// stones, with the mirror of each prefix.
const BoardPoint kStones[] = {{4, 4}, {3, 6}, {6, 3}, {3, 3}, {8, 3},
                              {5, 9}, {2, 5}, {7, 2}, {9, 9}, {12, 3}};

std::pair<QString, QString> FirstStones(int n) {
  return Entered(std::span<const BoardPoint>(kStones, size_t(n)));
}

// A window whose section holds rows, with the first n stones of kStones entered.
void Prepare(BoardWindow& window, const std::vector<Row>& rows, int n) {
  FillCollection(window, rows);
  const auto [sequence, mirror] = FirstStones(n);
  window.SetText6(sequence);
  window.SetText7(mirror);
}

// The stages written out plainly, to hold the scans against.
int PlainExact(const std::vector<SearchRow>& rows, const QString& s, const QString& m) {
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].moves == s || rows[i].moves == m) return int(i);
  }
  return -1;
}

PrefixScanResult PlainPrefix(const std::vector<SearchRow>& rows, const QString& s, const QString& m,
                             SearchResultList& results) {
  PrefixScanResult scan;
  for (const SearchRow& row : rows) {
    const QString p = row.moves.left(s.size());
    const bool entered = p == s;
    if (!entered && p != m) continue;
    if (++scan.count > 10) break;
    results[scan.count] = row.id;
    scan.found = true;
    if (!entered) break;
  }
  return scan;
}

std::vector<SearchRow> SearchRows(const std::vector<Row>& rows) {
  std::vector<SearchRow> result;
  for (const Row& r : rows) result.push_back({r.id, r.moves});
  return result;
}

TEST(SearchStagesTest, ScansAgreeWithThePlainStagesOnRandomCollections) {
  std::mt19937 random(20240611);
  auto text = [&](int maxLength) {
    QString t;
    const int length = std::uniform_int_distribution<int>(0, maxLength)(random);
    for (int i = 0; i < length; ++i) t += QChar(char16_t(u'1' + random() % 3));
    return t;
  };
  for (int round = 0; round < 300; ++round) {
    std::vector<SearchRow> rows;
    const int n = std::uniform_int_distribution<int>(0, 40)(random);
    for (int i = 0; i < n; ++i) rows.push_back({QString::number(random() % 1000), text(9)});
    const QString s = QChar(u'1') + text(8);
    const QString m = random() % 4 ? QChar(u'1') + text(8) : QString();
    SCOPED_TRACE(testing::Message() << "S " << s.toStdString() << " M " << m.toStdString());

    EXPECT_EQ(ExactStage(rows, s, m), PlainExact(rows, s, m));
    SearchResultList fast, plain;
    const PrefixScanResult a = PrefixStage(rows, s, m, fast);
    const PrefixScanResult b = PlainPrefix(rows, s, m, plain);
    EXPECT_EQ(a.count, b.count);
    EXPECT_EQ(a.found, b.found);
    EXPECT_EQ(fast, plain);

    // One matcher answers every shortening of both texts.
    const SequenceMatcher matcher(rows, s, m);
    for (int length = 1; length <= s.size(); ++length) {
      for (int mirrorLength = 0; mirrorLength <= m.size(); ++mirrorLength) {
        const QString ss = s.left(length), mm = m.left(mirrorLength);
        ASSERT_TRUE(matcher.Covers(rows, ss, mm));
        SearchResultList x, y;
        const PrefixScanResult c = matcher.CollectPrefixMatches(length, mirrorLength, x);
        const PrefixScanResult d = PlainPrefix(rows, ss, mm, y);
        EXPECT_EQ(c.count, d.count);
        EXPECT_EQ(x, y);
      }
    }
    EXPECT_FALSE(matcher.Covers(rows, s + u'1', m));
    const std::vector<SearchRow> copy = rows;
    EXPECT_FALSE(matcher.Covers(copy, s, m));
  }
}

TEST(SearchStagesTest, ReorderFollowsTheLengthRule) {
  struct Case {
    std::vector<QString> collected;
    QString shown;
  };
  const Case cases[] = {
      {{u"7"_qs, u"12"_qs}, u"12"_qs},
      {{u"12"_qs, u"7"_qs}, u"12"_qs},
      {{u"5"_qs, u"8"_qs, u"12"_qs}, u"8"_qs},
      {{u"3"_qs, u"4"_qs}, u"3"_qs},
      {{u"100"_qs, u"20"_qs, u"3"_qs}, u"20"_qs},  // not a sort: the longest can fall back
  };
  for (const Case& c : cases) {
    SearchResultList results;
    for (size_t i = 0; i < c.collected.size(); ++i) results[i + 1] = c.collected[i];
    ReorderResults(results, int(c.collected.size()));
    EXPECT_EQ(results[1], c.shown) << c.collected.front().toStdString();
    EXPECT_TRUE(results[0].isEmpty());
    EXPECT_TRUE(results[c.collected.size() + 1].isEmpty());
  }
}

TEST(SearchStagesTest, PrefixStageKeepsTheFirstTenInListOrder) {
  const auto [s, m] = FirstStones(2);
  std::vector<Row> rows;
  for (int i = 1; i <= 13; ++i) rows.push_back({QString::number(100 + i), s + u"3621"_qs});
  SearchResultList results;
  const PrefixScanResult scan = PrefixStage(SearchRows(rows), s, m, results);
  EXPECT_EQ(scan.count, 11);
  EXPECT_TRUE(scan.found);
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(results[i], QString::number(100 + i));
}

TEST(SearchStagesTest, MirrorOnlyMatchEndsThePrefixStage) {
  const auto [s, m] = FirstStones(3);
  const std::vector<Row> rows = {{u"1"_qs, u"552"_qs},
                                 {u"2"_qs, s + u"551"_qs},
                                 {u"3"_qs, m + u"551"_qs},
                                 {u"4"_qs, s + u"771"_qs},
                                 {u"5"_qs, m}};
  SearchResultList results;
  const PrefixScanResult scan = PrefixStage(SearchRows(rows), s, m, results);
  EXPECT_EQ(scan.count, 2);
  EXPECT_EQ(results[1], u"2"_qs);
  EXPECT_EQ(results[2], u"3"_qs);
  EXPECT_TRUE(results[3].isEmpty());

  // As an eleventh match it ends the stage without being stored.
  std::vector<Row> many;
  for (int i = 1; i <= 10; ++i) many.push_back({QString::number(i), s});
  many.push_back({u"11"_qs, m + u"551"_qs});
  many.push_back({u"12"_qs, s});
  SearchResultList full;
  EXPECT_EQ(PrefixStage(SearchRows(many), s, m, full).count, 11);
  EXPECT_EQ(full[10], u"10"_qs);
}

// ---- the search button -------------------------------------------------------

TEST(JosekiSearchTest, ExactMatchBeatsEarlierRowsThatBeginWithTheSequence) {
  const auto [s, m] = FirstStones(3);
  BoardWindow window;
  Prepare(window, {{u"1"_qs, s + u"551"_qs}, {u"22"_qs, s + u"771"_qs}, {u"3"_qs, s}}, 3);
  window.Command4_Click();
  EXPECT_EQ(window.SearchResults[1], u"3"_qs);
  EXPECT_TRUE(window.SearchResults[2].isEmpty());
  EXPECT_EQ(window.CurrentRecord, 4);
  EXPECT_TRUE(window.controls.Timer4Enabled);
  EXPECT_TRUE(window.InputClosed);
}

TEST(JosekiSearchTest, MirrorSequenceFindsInBothStages) {
  const auto [s, m] = FirstStones(4);
  ASSERT_NE(s, m);
  {
    BoardWindow window;
    Prepare(window, {{u"1"_qs, s.left(9)}, {u"2"_qs, s + u"551"_qs}, {u"3"_qs, m}}, 4);
    window.Command4_Click();
    EXPECT_EQ(window.CurrentRecord, 4) << "exact, through the mirror";
  }
  {
    BoardWindow window;
    Prepare(window, {{u"1"_qs, s.left(9)}, {u"2"_qs, m + u"551"_qs}}, 4);
    window.Command4_Click();
    EXPECT_EQ(window.CurrentRecord, 3) << "prefix, through the mirror";
    EXPECT_TRUE(window.controls.Timer4Enabled);
  }
}

TEST(JosekiSearchTest, TheChosenRowFollowsTheReorder) {
  struct Case {
    std::vector<QString> ids;  // of the matching rows, in list order
    int shownRow;              // counted from 1 over all rows
  };
  // Every matching row is preceded by a row that does not match.
  const Case cases[] = {
      {{u"7"_qs, u"12"_qs}, 4}, {{u"12"_qs, u"7"_qs}, 2}, {{u"5"_qs, u"8"_qs, u"12"_qs}, 4}};
  const auto [s, m] = FirstStones(2);
  for (const Case& c : cases) {
    std::vector<Row> rows;
    for (const QString& id : c.ids) {
      rows.push_back({u"90"_qs + id, u"552"_qs});
      rows.push_back({id, s + u"552"_qs});
    }
    BoardWindow window;
    Prepare(window, rows, 2);
    window.Command4_Click();
    EXPECT_EQ(window.CurrentRecord, c.shownRow + 1) << c.ids.front().toStdString();
  }
}

TEST(JosekiSearchTest, ElevenMatchesShowOneOfTheFirstTen) {
  const auto [s, m] = FirstStones(1);
  std::vector<Row> rows;
  for (int i = 1; i <= 12; ++i) rows.push_back({QString::number(i * 7), s + u"631"_qs});
  BoardWindow window;
  Prepare(window, rows, 1);
  window.Command4_Click();
  for (int i = 1; i <= 10; ++i) {
    EXPECT_NE(window.SearchResults[i], u"77"_qs);
    EXPECT_NE(window.SearchResults[i], u"84"_qs);
    EXPECT_FALSE(window.SearchResults[i].isEmpty());
  }
  EXPECT_EQ(window.CurrentRecord, RowNumberOf(window.recordset, window.SearchResults[1]) + 1);
  EXPECT_LE(window.CurrentRecord, 11);
}

TEST(JosekiSearchTest, OneStoneAndOddLengthsAreSearched) {
  BoardWindow window;
  Prepare(window, {{u"1"_qs, u"552"_qs}, {u"2"_qs, u"442631"_qs}}, 1);
  window.Command4_Click();
  EXPECT_EQ(window.CurrentRecord, 3);

  window.SetText6(u"4426"_qs);  // a text that is not whole stones, as a list selection leaves
  window.SetText7(QString());
  window.CurrentRecord = 0;
  window.Command4_Click();
  EXPECT_EQ(window.CurrentRecord, 3);
}

TEST(JosekiSearchTest, RefusalsLeaveTheInputAsItWas) {
  ScopedMessageRecorder recorder;
  BoardWindow window;
  FillCollection(window, NumberedRows({u"442"_qs}));
  window.SearchResults[3] = u"old"_qs;
  window.SetGameButtonsEnabled(true);
  window.DroppedStones = 4;
  window.Command4_Click();
  EXPECT_EQ(recorder.messages, QStringList{u"検索入力がないので検索できません。"_qs});
  EXPECT_EQ(window.SearchResults[3], u"old"_qs);
  EXPECT_TRUE(window.controls.GameButtonsEnabled);
  EXPECT_EQ(window.DroppedStones, 0);
  EXPECT_FALSE(window.InputClosed);

  window.SetText6(u"44263"_qs);
  window.SetGameButtonsEnabled(true);
  window.Command4_Click();
  EXPECT_EQ(recorder.messages.last(), u"手順が少な過ぎます。加えてください。"_qs);
  EXPECT_TRUE(window.SearchResults[3].isEmpty());
  EXPECT_FALSE(window.controls.GameButtonsEnabled);
  EXPECT_FALSE(window.InputClosed);
  EXPECT_FALSE(window.controls.Timer4Enabled);

  window.InputClosed = true;
  window.Command4_Click();
  EXPECT_TRUE(window.InputClosed);
}

TEST(JosekiSearchTest, RelaxationDropsStonesDownToFive) {
  struct Case {
    int stones;
    int dropped;
    QString message;
  };
  const Case cases[] = {
      {1, 0, kNothingFound},
      {4, 0, kNothingFound},
      {5, 1, u"検索石を１つ減らして検索しましたが\r\n該当するものはありません。"_qs},
      {6, 2, u"検索石を２つ減らして検索しましたが\r\n該当するものはありません。"_qs},
      {7, 3, u"検索石を３つ減らして検索しましたが\r\n該当するものはありません。"_qs},
      {8, 4, u"検索石を４つ減らして検索しましたが\r\n該当するものはありません。"_qs},
      {9, 5, u"検索石を５つ以上減らして検索しま\r\nしたが該当するものはありません。"_qs},
      {10, 6, u"検索石を５つ以上減らして検索しま\r\nしたが該当するものはありません。"_qs},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stones);
    ScopedMessageRecorder recorder;
    BoardWindow window;
    std::vector<Row> rows = {{u"1"_qs, u"552"_qs}, {u"2"_qs, u"446A31"_qs}};
    // Four stones are never searched: a row that only they would find stays unfound.
    if (c.stones >= 5) rows.push_back({u"3"_qs, FirstStones(4).first + u"AA2"_qs});
    Prepare(window, rows, c.stones);
    window.CurrentRecord = 9;
    window.Command4_Click();
    EXPECT_EQ(recorder.messages, QStringList{c.message});
    EXPECT_EQ(window.DroppedStones, c.dropped);
    EXPECT_TRUE(window.InputClosed);
    EXPECT_FALSE(window.controls.Timer4Enabled);
    EXPECT_EQ(window.CurrentRecord, 9);
    EXPECT_FALSE(window.RelaxedFound);
    // The shortest sequence tried: four stones, whenever a shortening ran.
    if (c.stones >= 5) {
      EXPECT_EQ(window.RelaxedSequence, FirstStones(4).first);
      EXPECT_EQ(window.RelaxedMirror, FirstStones(4).second);
    }
  }
}

TEST(JosekiSearchTest, MatchFoundAfterDroppingThreeStonesIsShownOneTickLater) {
  const auto [five, fiveMirror] = FirstStones(5);
  ScopedMessageRecorder recorder;
  BoardWindow window;
  Prepare(window,
          {{u"1"_qs, u"552"_qs},
           {u"2"_qs, FirstStones(4).first + u"AA2"_qs},
           {u"3"_qs, fiveMirror + u"AA1BB2"_qs},
           {u"4"_qs, five + u"CC1"_qs}},
          8);
  window.gameReferences[3] = u"x"_qs;  // no game
  window.SetGameButtonsEnabled(true);
  window.Command4_Click();
  EXPECT_TRUE(recorder.messages.isEmpty());
  EXPECT_EQ(window.DroppedStones, 3);
  EXPECT_TRUE(window.RelaxedFound);
  EXPECT_EQ(window.RelaxedSequence, five);
  EXPECT_EQ(window.SearchResults[1], u"3"_qs);
  EXPECT_TRUE(window.SearchResults[2].isEmpty());  // the mirror match ended the scan
  EXPECT_EQ(window.CurrentRecord, 4);
  EXPECT_TRUE(window.controls.Timer4Enabled);
  EXPECT_TRUE(window.InputClosed);
  EXPECT_FALSE(window.controls.GameButtonsEnabled);

  window.Timer4_Timer();
  EXPECT_FALSE(window.controls.Timer4Enabled);
  EXPECT_EQ(recorder.messages, QStringList{u"検索石を３つ減らして該当ありました。"_qs});
  EXPECT_EQ(window.CurrentRecord, 3);
  EXPECT_EQ(window.controls.List1Index, 2);
  EXPECT_EQ(window.controls.Text6, u"x"_qs);
}

TEST(JosekiSearchTest, TimerReportsHowManyStonesWereDropped) {
  const QString expected[] = {
      u"該当あり、検索しました。"_qs,
      u"検索石を１つ減らして該当ありました。"_qs,
      u"検索石を２つ減らして該当ありました。"_qs,
      u"検索石を３つ減らして該当ありました。"_qs,
      u"検索石を４つ減らして該当ありました。"_qs,
      u"検索石を５つ以上減らして該当ありました。"_qs,
      u"検索石を５つ以上減らして該当ありました。"_qs,
  };
  for (int dropped = 0; dropped <= 6; ++dropped) {
    ScopedMessageRecorder recorder;
    BoardWindow window;
    FillCollection(window, NumberedRows({u"442"_qs, u"552"_qs}));
    window.CurrentRecord = 3;
    window.DroppedStones = dropped;
    window.controls.Timer4Enabled = true;
    window.Timer4_Timer();
    EXPECT_EQ(recorder.messages, QStringList{expected[dropped]});
    EXPECT_EQ(window.CurrentRecord, 2);
    EXPECT_FALSE(window.controls.Timer4Enabled);
  }
}

TEST(JosekiSearchTest, SearchWithoutACollectionEndsQuietly) {
  ScopedMessageRecorder recorder;
  BoardWindow window;
  const auto [s, m] = FirstStones(7);
  window.SetText6(s);
  window.SetText7(m);
  window.CurrentRecord = 5;
  window.Command4_Click();
  EXPECT_EQ(recorder.messages, QStringList{kNothingFound});
  EXPECT_EQ(window.DroppedStones, 0);
  EXPECT_TRUE(window.InputClosed);
  EXPECT_FALSE(window.controls.Timer4Enabled);
  EXPECT_EQ(window.CurrentRecord, 5);

  // The input can be opened and searched again.
  window.Command10_Click();
  EXPECT_FALSE(window.InputClosed);
  window.Command4_Click();
  EXPECT_EQ(recorder.messages.size(), 2);
}

TEST(JosekiSearchTest, RelaxedScanWorksOnItsOwn) {
  const auto [s, m] = FirstStones(6);
  BoardWindow window;
  FillCollection(window, {{u"1"_qs, u"552"_qs}, {u"12"_qs, s + u"AA1"_qs}, {u"7"_qs, s}});
  window.SearchResults[5] = u"old"_qs;
  window.RelaxedSequence = s;
  window.RelaxedMirror = m;
  window.RelaxedScan();
  EXPECT_TRUE(window.RelaxedFound);
  EXPECT_EQ(window.SearchResults[1], u"12"_qs);
  EXPECT_EQ(window.SearchResults[2], u"7"_qs);
  EXPECT_TRUE(window.SearchResults[5].isEmpty());
  EXPECT_EQ(window.CurrentRecord, 3);

  window.RelaxedSequence = u"992"_qs;
  window.RelaxedScan();
  EXPECT_FALSE(window.RelaxedFound);
  EXPECT_TRUE(window.SearchResults[1].isEmpty());
  EXPECT_EQ(window.CurrentRecord, 3);
}

}  // namespace
