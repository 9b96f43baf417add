#include <gtest/gtest.h>

#include "shell/move_encoding.h"
#include "shell/move_layout.h"

#include <vector>

TEST(CoordValue, DecodesEveryCharacterOfTheBasicPlane) {
  for (char16_t u = 0; u < 0xFFFF; ++u) {
    int expected = 0;
    if (u >= u'0' && u <= u'9') expected = u - u'0';
    if (u >= u'A' && u <= u'F') expected = 10 + u - u'A';
    if (u >= u'a' && u <= u'f') expected = 10 + u - u'a';
    if (u >= u'G' && u <= u'J') expected = 16 + u - u'G';
    ASSERT_EQ(CoordValue(QChar(u)), expected) << "character " << int(u);
  }
}

TEST(CoordValue, StringsOtherThanOneCharacterAreZero) {
  EXPECT_EQ(CoordValue(QString()), 0);
  EXPECT_EQ(CoordValue(u"G"_qs), 16);
  EXPECT_EQ(CoordValue(u"g"_qs), 0);
  EXPECT_EQ(CoordValue(u"?"_qs), 0);
  EXPECT_EQ(CoordValue(u"12"_qs), 0);
}

TEST(CoordChar, RoundTripsEveryPointAndRejectsTheRest) {
  const QString expected = u"123456789ABCDEFGHIJ"_qs;
  for (int v = 1; v <= 19; ++v) {
    EXPECT_EQ(CoordChar(v), expected[v - 1]);
    EXPECT_EQ(CoordValue(CoordChar(v)), v);
  }
  for (int v : {-1, 0, 20, 100}) EXPECT_EQ(CoordChar(v), kTenuki);
}

namespace {
struct Laid {
  int row, column, k;
  bool operator==(const Laid&) const = default;
};

std::vector<Laid> Lay(const QString& moves, TenukiPlacer& placer) {
  std::vector<Laid> out;
  LayOutMoves(moves, placer, [&](int row, int column, int k) { out.push_back({row, column, k}); });
  return out;
}
}  // namespace

TEST(LayOutMoves, RecordTenukiGoRightToLeftAndStayAt17) {
  TenukiPlacer placer(TenukiRule::kRecord);
  EXPECT_EQ(Lay(u"44?????????????"_qs, placer),
            (std::vector<Laid>{{4, 4, 1}, {10, 19, 2}, {10, 18, 3}, {10, 17, 4}, {10, 17, 5}}));
}

TEST(LayOutMoves, RecordCountRunsOverSetupAndNumberedMoves) {
  TenukiPlacer placer(TenukiRule::kRecord);
  Lay(u"???"_qs, placer);
  EXPECT_EQ(Lay(u"???"_qs, placer), (std::vector<Laid>{{10, 18, 1}}));
}

TEST(LayOutMoves, QuestionMarkOnlyInOnePosition) {
  TenukiPlacer placer(TenukiRule::kRecord);
  // A "?" row is row 10 with the column decoded; a "?" column advances the count.
  EXPECT_EQ(Lay(u"?32C?2?51"_qs, placer),
            (std::vector<Laid>{{10, 3, 1}, {12, 19, 2}, {10, 5, 3}}));
}

TEST(LayOutMoves, ShortLastTripleReadsAsZero) {
  TenukiPlacer placer(TenukiRule::kRecord);
  EXPECT_EQ(Lay(u"3421"_qs, placer), (std::vector<Laid>{{3, 4, 1}, {1, 0, 2}}));
}

TEST(LayOutMoves, WalkSetupRule) {
  TenukiPlacer placer(TenukiRule::kWalkSetup);
  EXPECT_EQ(Lay(u"?????????"_qs, placer),
            (std::vector<Laid>{{10, 19, 1}, {11, 19, 2}, {11, 19, 3}}));
}

TEST(LayOutMoves, WalkNextRuleAlternates18And19AcrossPlacers) {
  int count = 0;
  std::vector<int> columns;
  for (int click = 0; click < 3; ++click) {
    TenukiPlacer placer(TenukiRule::kWalkNext, count);
    EXPECT_EQ(placer.Row(kTenuki), 10);
    columns.push_back(placer.Column(kTenuki));
    count = placer.count();
  }
  EXPECT_EQ(columns, (std::vector<int>{18, 19, 18}));
}

TEST(LayOutMoves, SearchRedrawRuleGoesLeftToRight) {
  TenukiPlacer placer(TenukiRule::kSearchRedraw);
  EXPECT_EQ(Lay(u"????????????"_qs, placer),
            (std::vector<Laid>{{10, 17, 1}, {10, 18, 2}, {10, 19, 3}, {10, 19, 4}}));
}
