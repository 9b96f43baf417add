#include "progress/review_schedule.h"

#include <algorithm>

namespace {
// EF' = EF + (0.1 - (5 - q) * (0.08 + (5 - q) * 0.02)), in hundredths:
// 10 - (5 - q) * (8 + 2 * (5 - q)).
int EaseChange(int grade) {
  const int miss = 5 - grade;
  return 10 - miss * (8 + 2 * miss);
}

// round(interval * ease): both positive, so adding half rounds halves up. The
// interval stops at a hundred years: the formula alone would grow past any
// calendar after some twenty perfect answers.
int LengthenedInterval(int intervalDays, int easeHundredths) {
  const long long days = (static_cast<long long>(intervalDays) * easeHundredths + 50) / 100;
  return static_cast<int>(std::min<long long>(days, kMaximumIntervalDays));
}
}  // namespace

ReviewSchedule Review(const ReviewSchedule& schedule, int grade, Day today) {
  grade = std::clamp(grade, 0, 5);
  ReviewSchedule next = schedule;
  if (grade >= 3) {
    // The interval grows with the ease the line had before this answer.
    next.intervalDays = schedule.repetitions == 0 ? 1
                        : schedule.repetitions == 1
                            ? 6
                            : LengthenedInterval(schedule.intervalDays, schedule.easeHundredths);
    ++next.repetitions;
  } else {
    next.repetitions = 0;
    next.intervalDays = 1;
    ++next.lapses;
  }
  next.easeHundredths = std::max(kMinimumEase, schedule.easeHundredths + EaseChange(grade));
  next.due = today + next.intervalDays;
  return next;
}

int GradeOf(LineOutcome outcome) {
  return outcome == LineOutcome::kWithoutFault ? 5 : 2;
}
