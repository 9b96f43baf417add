// The SM-2 scheduler against values worked out by hand from the published
// formula (not from the code):
//   grade q >= 3: I(1) = 1, I(2) = 6, I(n) = round(I(n-1) * EF), with the EF
//                 the line had before the answer; the repetitions go up.
//   grade q <  3: the repetitions start again and I = 1 (a lapse).
//   always:       EF' = EF + (0.1 - (5-q)(0.08 + (5-q)0.02)), at least 1.3:
//                 q=5 +0.10, q=4 0, q=3 -0.14, q=2 -0.32, q=1 -0.54, q=0 -0.80.
#include <gtest/gtest.h>

#include <vector>

#include "progress/review_schedule.h"

namespace {

struct History {
  const char* name;
  std::vector<int> grades;
  std::vector<int> intervals;  // after each answer
  int ease;                    // hundredths, after the last answer
  int repetitions;
  int lapses;
};

const History kHistories[] = {
    // EF 2.6, 2.7, 2.8, 2.9, 3.0; I 1, 6, round(6*2.7=16.2)=16, round(16*2.8=44.8)=45,
    // round(45*2.9=130.5)=131 (a half rounds up).
    {"perfect", {5, 5, 5, 5, 5}, {1, 6, 16, 45, 131}, 300, 5, 0},
    // EF stays 2.5; I 1, 6, round(15)=15, round(37.5)=38, round(38*2.5=95)=95.
    {"good", {4, 4, 4, 4, 4}, {1, 6, 15, 38, 95}, 250, 5, 0},
    // EF 2.36, 2.22, 2.08, 1.94, 1.80, 1.66, 1.52, 1.38, then 1.24 held at 1.30;
    // I 1, 6, round(6*2.22=13.32)=13, round(13*2.08=27.04)=27, round(27*1.94=52.38)=52,
    // round(52*1.80=93.6)=94, round(94*1.66=156.04)=156, round(156*1.52=237.12)=237,
    // round(237*1.38=327.06)=327.
    {"hard", {3, 3, 3, 3, 3, 3, 3, 3, 3}, {1, 6, 13, 27, 52, 94, 156, 237, 327}, 130, 9, 0},
    // EF 2.6, 2.7, 2.8, then q=2: 2.48 and back to I 1; then q=4 keeps 2.48:
    // I 1, 6, round(6*2.48=14.88)=15.
    {"lapse", {5, 5, 5, 2, 4, 4, 4}, {1, 6, 16, 1, 1, 6, 15}, 248, 3, 1},
    // q=0: EF 1.70, then 0.90 held at 1.30, 1.30; I 1 each time; then q=5: 1.40, I 1.
    {"forgotten", {0, 0, 0, 5}, {1, 1, 1, 1}, 140, 1, 3},
    // q=1: EF 2.5 - 0.54 = 1.96; q=5 twice: 2.06, 2.16; I 1, 1, 6.
    {"wrong then right", {1, 5, 5}, {1, 1, 6}, 216, 2, 1},
};

class ReviewHistory : public testing::TestWithParam<History> {};

TEST_P(ReviewHistory, GivesThePublishedIntervalsAndEase) {
  const History& history = GetParam();
  ReviewSchedule schedule;
  Day today = 2461000;
  for (size_t k = 0; k < history.grades.size(); ++k) {
    schedule = Review(schedule, history.grades[k], today);
    EXPECT_EQ(schedule.intervalDays, history.intervals[k]) << "answer " << k + 1;
    EXPECT_EQ(schedule.due, today + history.intervals[k]) << "answer " << k + 1;
    today = schedule.due;  // answered on the day it was due
  }
  EXPECT_EQ(schedule.easeHundredths, history.ease);
  EXPECT_EQ(schedule.repetitions, history.repetitions);
  EXPECT_EQ(schedule.lapses, history.lapses);
}

INSTANTIATE_TEST_SUITE_P(Sm2, ReviewHistory, testing::ValuesIn(kHistories), [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name)
    if (c == ' ') c = '_';
  return name;
});

TEST(ReviewSchedule, StartsAtTheInitialEaseAndKeepsGradesAndIntervalsInRange) {
  EXPECT_EQ(ReviewSchedule{}.easeHundredths, 250);
  EXPECT_EQ(ReviewSchedule{}.repetitions, 0);
  EXPECT_EQ(Review({}, 9, 0), Review({}, 5, 0));
  EXPECT_EQ(Review({}, -3, 0), Review({}, 0, 0));
  ReviewSchedule schedule;
  for (int k = 0; k < 40; ++k) schedule = Review(schedule, 5, 0);
  EXPECT_EQ(schedule.intervalDays, kMaximumIntervalDays);
}

TEST(ReviewSchedule, ALineWithoutAFaultGrowsItsIntervalAndOneWithFaultsLapses) {
  EXPECT_EQ(GradeOf(LineOutcome::kWithoutFault), 5);
  EXPECT_EQ(GradeOf(LineOutcome::kWithFaults), 2);
  ReviewSchedule known;
  known = Review(known, GradeOf(LineOutcome::kWithoutFault), 0);
  known = Review(known, GradeOf(LineOutcome::kWithoutFault), 1);
  EXPECT_EQ(known.intervalDays, 6);
  const ReviewSchedule failed = Review(known, GradeOf(LineOutcome::kWithFaults), 7);
  EXPECT_EQ(failed.intervalDays, 1);
  EXPECT_EQ(failed.repetitions, 0);
  EXPECT_EQ(failed.lapses, 1);
}

}  // namespace
