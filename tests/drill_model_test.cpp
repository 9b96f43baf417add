// The drill window's model, headless and seeded: which row a move joins,
// what a finished line writes, and a line asked again in other orientations.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <set>

#include "model/drill_model.h"
#include "support/joseki_text.h"
#include "support/test_folder.h"

namespace {

const QDate kToday(2026, 12, 7);

void ClickShown(DrillModel& model, Point p) {
  const QPoint at = CellRect(Board::kLeft, p).center();
  model.Click(at.x(), at.y());
}

class DrillModelTest : public testing::Test {
 protected:
  DrillModelTest() { WriteThreeRows(folder_); }
  QString progressPath() const { return data_.filePath(u"progress.sqlite"_qs); }
  TestFolder folder_;
  QTemporaryDir data_;
  MessageRecorder messages_;
};

TEST_F(DrillModelTest, AMoveOfAnotherRowSaysWhichRowTheDrillFollows) {
  for (unsigned seed = 1; seed < 40; ++seed) {
    QTemporaryDir data;
    ProgressStore store(data.filePath(u"progress.sqlite"_qs));
    DrillModel model(folder_.folder(), store, messages_, seed, [] { return kToday; });
    ASSERT_TRUE(model.Load());
    const LineDrill* drill = model.drill();
    ASSERT_TRUE(drill);
    if (drill->setup().userColour != Colour::kBlack || drill->setup().coloursSwapped) continue;
    ClickShown(model, drill->setup().orientation({6, 5}));
    EXPECT_EQ(drill->followedRow(), 1);
    EXPECT_TRUE(
        model.view().prompt.startsWith(u"正解です。「練習・乙」の手順に進みます。黒番です。"_qs));
    // The next answer stays on that row: no row is joined again.
    ClickShown(model, drill->setup().orientation({2, 7}));
    EXPECT_EQ(drill->state(), DrillState::kLineDone);
    EXPECT_TRUE(model.view().result.startsWith(u"練習・乙（出題は 練習・甲）"_qs));
    EXPECT_TRUE(model.view().result.contains(u"間違いなし"_qs));
    return;
  }
  FAIL() << "no seed let the user play black";
}

// A line got wrong comes again in 間違えた定石 at a later sitting, and a family's
// deck (系統：練習・乙) drills that family's rows.
TEST_F(DrillModelTest, TheLinesGotWrongAndAFamilyAreDecksOfTheirOwn) {
  folder_.WriteCollection({Row(u"練習・甲"_qs, u"0A"_qs, Moves({{4, 4}, {6, 3}, {3, 6}})),
                           Row(u"練習・乙・一"_qs, u"0B"_qs, Moves({{4, 4}, {6, 3}, {6, 5}})),
                           Row(u"練習・乙・二"_qs, u"0C"_qs, Moves({{4, 4}, {3, 6}, {4, 7}}))});
  ProgressStore store(progressPath());
  {
    DrillModel sitting(folder_.folder(), store, messages_, 1, [] { return kToday; });
    ASSERT_TRUE(sitting.Load());
    ASSERT_EQ(sitting.drill()->drilledRow(), 0);
    while (sitting.drill()->state() != DrillState::kLineDone) {
      sitting.ShowAnswer();
      sitting.Continue();
    }
    sitting.NextLine();
  }
  DrillModel model(folder_.folder(), store, messages_, 2, [] { return kToday; });
  ASSERT_TRUE(model.Load());
  ASSERT_EQ(model.DeckNames().size(), 10);
  model.ChooseDeck(7);
  ASSERT_TRUE(model.drill());
  EXPECT_EQ(model.drill()->drilledRow(), 0);
  model.ChooseDeck(9);
  ASSERT_TRUE(model.drill());
  EXPECT_EQ(model.drill()->drilledRow(), 1);
}

TEST_F(DrillModelTest, AFinishedLineIsScheduledAndAskedAgainInOtherOrientations) {
  std::set<std::pair<int, bool>> setups;  // orientation and colour exchange seen
  QDate today = kToday;
  for (int day = 0; day < 12; ++day) {
    ProgressStore store(progressPath());
    DrillModel model(folder_.folder(), store, messages_, unsigned(day) + 100,
                     [=] { return today; });
    ASSERT_TRUE(model.Load());
    ASSERT_TRUE(model.drill()) << day;
    const LineDrill* drill = model.drill();
    const Symmetry o = drill->setup().orientation;
    setups.insert({o.code(), drill->setup().coloursSwapped});
    while (drill->state() != DrillState::kLineDone) {
      if (drill->state() == DrillState::kBookShown) {
        model.Continue();
      } else {
        const Point expected = drill->ExpectedMove();
        if (IsOnBoard(expected))
          ClickShown(model, expected);
        else
          model.PlayElsewhere();
      }
    }
    const QString id = model.book().rows[size_t(drill->drilledRow())].id;
    ASSERT_TRUE(store.Schedule(id));
    EXPECT_EQ(store.Schedule(id)->schedule.lapses, 0);
    EXPECT_GT(store.Schedule(id)->schedule.due, today.toJulianDay());
    // The next sitting is on the day the first line falls due.
    long long next = store.schedules().begin()->second.schedule.due;
    for (const auto& entry : store.schedules()) next = std::min(next, entry.second.schedule.due);
    today = QDate::fromJulianDay(next);
  }
  EXPECT_TRUE(messages_.messages.isEmpty());
  EXPECT_GE(setups.size(), 5u);  // twelve drills, drawn from sixteen setups
}

}  // namespace
