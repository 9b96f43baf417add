#pragma once
// When a line is asked again: the SM-2 scheduler of SuperMemo (P. Wozniak,
// 1990), as published. Each line has an ease factor (from 2.5, never below
// 1.3), a count of repetitions in a row recalled, and the interval to its
// next review: 1 day, then 6, then the last interval times the ease, rounded.
// A grade below 3 starts the repetitions again (a lapse).
//
// The ease is kept in hundredths: every step of the formula is a whole number
// of hundredths, so the ease stays exact and the rounding of the interval
// never depends on a floating point error.

// Days are counted as whole numbers (a Julian day number); only differences matter.
using Day = long long;

inline constexpr int kInitialEase = 250;  // 2.5
inline constexpr int kMinimumEase = 130;  // 1.3
inline constexpr int kMaximumIntervalDays = 36500;

struct ReviewSchedule {
  Day due = 0;  // the day the line is asked again
  int intervalDays = 0;
  int easeHundredths = kInitialEase;
  int repetitions = 0;  // answers of grade 3 or more in a row
  int lapses = 0;       // answers below grade 3, all told
  bool operator==(const ReviewSchedule&) const = default;
};

// The schedule after an answer of grade 0..5 (out of range is clamped) given on today.
ReviewSchedule Review(const ReviewSchedule& schedule, int grade, Day today);

// How a drilled line went. The drill cannot tell a hesitation from a quick
// answer, so only two outcomes exist.
enum class LineOutcome {
  kWithoutFault,  // every move answered with a book move, no answer asked for
  kWithFaults,    // at least one wrong move, or an answer shown
};

// The SM-2 grade of an outcome: a line played through without a fault is a
// perfect response (5); a line with a fault is an incorrect response whose
// answer was recognised once shown (2), so it lapses.
int GradeOf(LineOutcome outcome);
