// Decks of the drill and the choice of the next line.
#include <gtest/gtest.h>

#include "features/drill_deck.h"
#include "support/joseki_text.h"
#include "support/test_folder.h"

namespace {

constexpr long long kToday = 2461000;

JosekiRecord Titled(const QString& id, const QString& title) {
  JosekiRecord row = Joseki(Moves({{4, 3}, {3, 5}}), 1);
  row.id = id;
  row.title = title;
  return row;
}

DrillBook Book() {
  DrillBook book;
  book.rows = {Titled(u"1"_qs, u"星・小ゲイマガカリ・一間バサミ"_qs),
               Titled(u"2"_qs, u"小目・小ゲイマガカリ・一間低バサミ"_qs),
               Titled(u"3"_qs, u"小目・小ゲイマガカリ・一間低バサミ・ツケ"_qs),
               Titled(u"4"_qs, u"小目・小ゲイマガカリ・三間低バサミ"_qs),
               Titled(u"5"_qs, u"小目・小ゲイマジマリ"_qs)};
  book.sections = {Section::kStarPoint, Section::kThreeFour, Section::kThreeFour,
                   Section::kThreeFour, Section::kThreeFour};
  return book;
}

LineSchedule Due(long long day, int lapses = 0, int interval = 1) {
  LineSchedule line;
  line.schedule.due = day;
  line.schedule.lapses = lapses;
  line.schedule.intervalDays = interval;
  return line;
}

struct DeckCase {
  const char* name;
  DeckChoice choice;
  std::vector<int> rows;
};

class Deck : public testing::TestWithParam<DeckCase> {};

TEST_P(Deck, HoldsItsRowsInTheCollectionsOrder) {
  const std::map<QString, LineSchedule> schedules = {{u"4"_qs, Due(kToday, 1)},
                                                     {u"2"_qs, Due(kToday, 0)}};
  EXPECT_EQ(DeckRows(Book(), GetParam().choice, schedules), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Decks, Deck,
    testing::Values(
        DeckCase{"section", {DeckKind::kSection, Section::kThreeFour, {}, {}}, {1, 2, 3, 4}},
        DeckCase{"family", {DeckKind::kFamily, {}, u"小目・小ゲイマガカリ"_qs, {}}, {1, 2, 3}},
        DeckCase{"family_member_and_its_stages",
                 {DeckKind::kFamily, {}, u"小目・小ゲイマガカリ・一間低バサミ"_qs, {}},
                 {1, 2}},
        DeckCase{"whole_terms_only", {DeckKind::kFamily, {}, u"小目・小ゲイマ"_qs, {}}, {}},
        DeckCase{"got_wrong", {DeckKind::kWrong, {}, {}, {}}, {3}},
        DeckCase{"own_games", {DeckKind::kOwnGames, {}, {}, {u"5"_qs, u"1"_qs}}, {0, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FamilyPrefixes, AreTheTermPathsTwoRowsShare) {
  EXPECT_EQ(FamilyPrefixes(Book().rows),
            (QStringList{u"小目・小ゲイマガカリ"_qs, u"小目・小ゲイマガカリ・一間低バサミ"_qs}));
}

struct NextCase {
  const char* name;
  std::map<QString, LineSchedule> schedules;
  int newLinesAllowed;
  bool practiseAhead;
  std::set<int> drilled;
  std::optional<int> next;
};

class Next : public testing::TestWithParam<NextCase> {};

TEST_P(Next, ComesDueFirstThenNewWithinTheDailyLimit) {
  const NextCase& c = GetParam();
  const DrillBook book = Book();
  const std::vector<int> deck = {0, 1, 2, 3, 4};
  EXPECT_EQ(
      NextLine(book, deck, c.schedules, {kToday, c.newLinesAllowed, c.practiseAhead, c.drilled}),
      c.next);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Next,
    testing::Values(
        NextCase{"nothing_drilled_yet", {}, 5, false, {}, 0},
        NextCase{"the_longest_overdue_first",
                 {{u"1"_qs, Due(kToday + 3)}, {u"3"_qs, Due(kToday)}, {u"4"_qs, Due(kToday - 2)}},
                 5,
                 false,
                 {},
                 3},
        NextCase{"due_before_new",
                 {{u"1"_qs, Due(kToday + 3)}, {u"5"_qs, Due(kToday)}},
                 5,
                 false,
                 {},
                 4},
        NextCase{"new_when_nothing_is_due", {{u"1"_qs, Due(kToday + 3)}}, 1, false, {}, 1},
        NextCase{
            "the_daily_limit_reached", {{u"1"_qs, Due(kToday + 3)}}, 0, false, {}, std::nullopt},
        NextCase{"drilled_this_sitting_is_not_asked_again", {}, 5, false, {0, 1}, 2},
        NextCase{"practising_ahead_takes_the_soonest_due",
                 {{u"1"_qs, Due(kToday + 3)}, {u"2"_qs, Due(kToday + 1)}},
                 0,
                 true,
                 {},
                 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
