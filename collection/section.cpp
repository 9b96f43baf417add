#include "collection/section.h"

namespace {

constexpr Point kStarPoint[] = {{4, 4}};
constexpr Point kThreeFour[] = {{3, 4}, {4, 3}};
constexpr Point kFiveFour[] = {{5, 4}, {4, 5}};
constexpr Point kFiveThree[] = {{3, 5}, {5, 3}};
constexpr Point kThreeThree[] = {{3, 3}};

// In the order of Section; the handicap section's search starts on the star point too.
const SectionFacts kFacts[] = {
    {u"置碁の部", 0xffff99, kStarPoint, u"一手目は星に打ってください。",
     u" Left(five, 1) = '0' Order By five", u'0'},
    {u"星 の 部", 0xffff99, kStarPoint, u"一手目は星に打ってください。",
     u" Left(five, 1) = '1' Or Left(five, 1) = '0' Order By Right(five, Len(five) - 1)", u'1'},
    {u"小目の部", 0xccff99, kThreeFour, u"一手目は小目に打ってください。",
     u" Left(five, 1) = '2' Order By five", u'2'},
    {u"高目の部", 0x99ff99, kFiveFour, u"一手目は高目に打ってください。",
     u" Left(five, 1) = '3' Order By five", u'3'},
    {u"目外シの部", 0x66ff99, kFiveThree, u"一手目は目外しに打ってください。",
     u" Left(five, 1) = '5' Order By five", u'5'},
    {u"三々の部", 0x33ff99, kThreeThree, u"一手目は三々に打ってください。",
     u" Left(five, 1) = '6' Order By five", u'6'},
    {u"その他の部", 0x00ff99, {}, u"", u" Left(five, 1) = '8' Order By five", u'8'},
};
static_assert(std::size(kFacts) == kSections.size());

}  // namespace

const SectionFacts& FactsOf(Section section) {
  return kFacts[IndexOf(section)];
}

std::optional<Section> SectionOfKeyDigit(char16_t digit) {
  for (Section section : kSections)
    if (FactsOf(section).keyDigit == digit) return section;
  return std::nullopt;
}
