// The search: entering a sequence with clicks on the right board, and the
// search of a section's rows for it with its relaxation.
#include <gtest/gtest.h>

#include <random>

#include "features/joseki_search.h"
#include "features/search_input.h"
#include "features/search_texts.h"
#include "support/board_pictures.h"
#include "support/joseki_text.h"
#include "support/test_folder.h"

namespace {

class SearchInputTest : public ::testing::Test {
 protected:
  SearchInput::Placed ClickAt(Point p, Section section = Section::kThreeFour) {
    return input.Place(p, section, texts, stones);
  }
  std::string At(Point p) const { return PrintPoint(right.diagram().at(p)); }

  Canvas canvas{BuiltProgramFolder().ImageFolder()};
  BoardRenderer right{canvas, Board::kRight};
  SearchInput input{right};
  SearchTexts texts;
  int stones = 0;
};

TEST_F(SearchInputTest, EachClickAddsAStoneToBothTextsAndDrawsItNumbered) {
  // {17, 10} is a tenuki cell.
  const std::pair<Point, std::string> clicks[] = {
      {{3, 4}, "b1"}, {{5, 3}, "w2"}, {{17, 10}, "b3"}, {{19, 19}, "w4"}};
  for (const auto& [p, token] : clicks) EXPECT_EQ(ClickAt(p), SearchInput::Placed::kAdded);
  EXPECT_EQ(texts.sequence.text(), "432351???JJ1");
  EXPECT_EQ(texts.mirror.text(), "342531???JJ1");
  EXPECT_EQ(stones, 4);
  for (const auto& [p, token] : clicks) EXPECT_EQ(At(p), token);
  EXPECT_TRUE(canvas.shown() == canvas.drawing());
}

TEST_F(SearchInputTest, StoneOneMustSuitTheSection) {
  const struct {
    Section section;
    Point refused, allowed;
  } sections[] = {{Section::kHandicap, {3, 4}, {4, 4}},  {Section::kStarPoint, {3, 3}, {4, 4}},
                  {Section::kThreeFour, {4, 4}, {4, 3}}, {Section::kFiveFour, {4, 4}, {5, 4}},
                  {Section::kFiveThree, {4, 4}, {3, 5}}, {Section::kThreeThree, {4, 4}, {3, 3}}};
  for (const auto& s : sections) {
    SCOPED_TRACE(IndexOf(s.section));
    stones = 0;
    EXPECT_EQ(ClickAt(s.refused, s.section), SearchInput::Placed::kRefusedFirstStone);
    EXPECT_FALSE(FirstMoveMessage(s.section).isEmpty());
    stones = 0;
    EXPECT_EQ(ClickAt(s.allowed, s.section), SearchInput::Placed::kAdded);
    EXPECT_EQ(ClickAt(s.refused, s.section), SearchInput::Placed::kAdded);
  }
  stones = 0;
  EXPECT_EQ(ClickAt({10, 10}, Section::kOther), SearchInput::Placed::kAdded);
  EXPECT_TRUE(FirstMoveMessage(Section::kOther).isEmpty());
}

TEST_F(SearchInputTest, MarksAndARedrawnSequence) {
  input.DrawInputMarks(Section::kThreeFour);
  EXPECT_EQ(At({3, 4}), "*");
  EXPECT_EQ(At({4, 3}), "*");
  EXPECT_TRUE(right.diagram().tenukiMarks);
  stones = 2;
  input.DrawSequence(Sequence(Moves({{}, {3, 4}, {}, {}, {}})), stones);
  EXPECT_EQ(stones, 7);
  EXPECT_EQ(At({17, 10}), "b3");
  EXPECT_EQ(At({3, 4}), "w4");
  EXPECT_EQ(At({18, 10}), "b5");
  EXPECT_EQ(At({19, 10}), "b7");
}

// ---- the search ----------------------------------------------------------

QString Mirror(const QString& sequence) {
  QString mirror = sequence;
  for (qsizetype i = 0; i + 1 < mirror.size(); i += 3) std::swap(mirror[i], mirror[i + 1]);
  return mirror;
}

TEST(JosekiSearch, ExactThenPrefixThenFewerStones) {
  const std::vector<SearchRow> rows = {{"1", "432351"},          {"2", "432351542381"},
                                       {"3", "432351542381462"}, {"40", "432351542381462361582"},
                                       {"5", "4323515423819A2"}, {"6", "4423"}};
  const JosekiSearch search(rows);
  const struct {
    QString sequence;
    bool found;
    int dropped;
    std::optional<size_t> row;
  } cases[] = {
      {"432351542381", true, 0, 1u},                // exact
      {Mirror("432351542381"), true, 0, 1u},        // exact, the other orientation
      {"432351542", true, 0, 2u},                   // prefix of four rows, reordered
      {Mirror("432351542381462361"), true, 0, 3u},  // prefix, the other orientation
      {"999999", false, 0, std::nullopt},           // too short to relax
      {"432351542381462361FF2", true, 1, 3u},       // one stone too many
      {"432351542381462361FF2FF1", true, 2, 3u},
      {"9999999999999999", false, 1, std::nullopt},  // 15 characters left: not searched
      {"432351542381FF2FF1FF2FF1FF2FF1FF2", false, 7, std::nullopt},
      {"4423", true, 0, 5u},
  };
  for (const auto& c : cases) {
    const SearchOutcome outcome = search.Search(c.sequence, Mirror(c.sequence));
    EXPECT_EQ(outcome.found, c.found) << c.sequence.toStdString();
    EXPECT_EQ(outcome.droppedStones, c.dropped) << c.sequence.toStdString();
    EXPECT_EQ(outcome.row, c.row) << c.sequence.toStdString();
  }
  EXPECT_FALSE(JosekiSearch().Search("432351542", "342531452").found);
}

TEST(JosekiSearch, AMirrorMatchEndsThePrefixScanAndEleventhMatchesAreNotKept) {
  std::vector<SearchRow> rows;
  for (int i = 1; i <= 12; ++i) rows.push_back({QString::number(i), "432351" + QString::number(i)});
  SearchResultList results;
  PrefixScanResult scan = PrefixStage(rows, "432", "342", results);
  EXPECT_EQ(scan.count, 11);
  EXPECT_EQ(results[9], "10");
  rows.insert(rows.begin() + 2, {"m", "342999"});
  results = {};
  scan = PrefixStage(rows, "432", "342", results);
  EXPECT_EQ(scan.count, 3);
  EXPECT_EQ(results[2], "m");
  EXPECT_EQ(results[3], "");
}

TEST(JosekiSearch, OneMeasureAnswersEveryShorteningAsAFullScanWould) {
  std::mt19937 random(11);
  const auto randomText = [&](int triples) {
    QString text;
    for (int i = 0; i < triples; ++i)
      text += QString::number(random() % 3 + 1) + QString::number(random() % 3 + 1) + u'1';
    return text;
  };
  for (int round = 0; round < 200; ++round) {
    std::vector<SearchRow> rows;
    for (int i = 0; i < 40; ++i)
      rows.push_back({QString::number(i), randomText(int(random() % 7))});
    const QString sequence = randomText(6), mirror = Mirror(sequence);
    const SequenceMatcher matcher(rows, sequence, mirror);
    for (int length = 0; length <= sequence.size(); length += 3) {
      for (int mirrorLength : {length, length - 3 < 0 ? 0 : length - 3}) {
        SearchResultList measured, scanned;
        const PrefixScanResult a = matcher.CollectPrefixMatches(length, mirrorLength, measured);
        const PrefixScanResult b =
            PrefixStage(rows, sequence.left(length), mirror.left(mirrorLength), scanned);
        ASSERT_EQ(a.count, b.count);
        ASSERT_EQ(a.found, b.found);
        ASSERT_EQ(measured, scanned);
      }
    }
  }
}

TEST(JosekiSearch, CollectedRowsAreReorderedByTheLengthOfTheirIdentifiers) {
  SearchResultList results = {"7", "12", "123"};
  ReorderResults(results, 3);
  EXPECT_EQ(results, (SearchResultList{"7", "123", "12"}));
  results = {"12", "7"};
  ReorderResults(results, 2);
  EXPECT_EQ(results, (SearchResultList{"12", "7"}));
  results = {"7", "12", "3", "4", "5", "6", "7", "8", "9", "1234"};  // ten rows: the last too
  ReorderResults(results, 10);
  EXPECT_EQ(results, (SearchResultList{"7", "3", "4", "5", "6", "7", "8", "9", "1234", "12"}));
  results = {"1", "22", "333"};  // no sort: the first is shown
  ReorderResults(results, 3);
  EXPECT_EQ(results[0], "1");
  EXPECT_EQ(RowIndexOf({{"5", ""}, {"9", ""}}, "9"), 1u);
  EXPECT_EQ(RowIndexOf({{"5", ""}}, "9"), std::nullopt);
}

}  // namespace
