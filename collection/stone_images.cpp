#include "collection/stone_images.h"

namespace {
constexpr int kLastNumber = 55;

QString Numbered(bool black, int n) {
  return (black ? u"\\fld2\\zkuro%1.gif"_qs : u"\\fld2\\zshiro%1.gif"_qs).arg(n);
}
}  // namespace

QString JosekiMoveImage(int n) {
  return n <= kLastNumber ? Numbered(n % 2 == 0, n) : u"\\fld2\\ysilver.gif"_qs;
}

QString GameNumberImage(int n, bool beginsWithWhite) {
  if (n > kLastNumber) return beginsWithWhite ? u"\\fld2\\ysilver.gif"_qs : u"\\fld2\\zgold.gif"_qs;
  const bool oddNumber = n % 2 != 0;
  return Numbered(oddNumber != beginsWithWhite, n);
}

QString PlainStoneImage(int colour) {
  return colour == 1 ? u"\\fld2\\mygold.gif"_qs : u"\\fld2\\ysilver.gif"_qs;
}
