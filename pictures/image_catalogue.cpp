#include "pictures/image_catalogue.h"

#include <string_view>

namespace {
constexpr int kLastNumber = 55;

bool IsStarLine(int line) {
  return line == 4 || line == 10 || line == 16;
}

QString Numbered(Colour colour, int n) {
  return (colour == Colour::kBlack ? u"zkuro%1.gif"_qs : u"zshiro%1.gif"_qs).arg(n);
}
}  // namespace

QString TileImage(Point p) {
  const bool top = p.row == 1, bottom = p.row == 19, left = p.column == 1, right = p.column == 19;
  if (top && left) return u"upleft23.jpg"_qs;
  if (top && right) return u"upright23.jpg"_qs;
  if (bottom && left) return u"bottomleft23.jpg"_qs;
  if (bottom && right) return u"bottomright23.jpg"_qs;
  if (top) return u"top23.jpg"_qs;
  if (left) return u"left23.jpg"_qs;
  if (right) return u"right23.jpg"_qs;
  if (bottom) return u"bottom23.jpg"_qs;
  if (IsStarLine(p.column) && IsStarLine(p.row)) return u"crossdot23.jpg"_qs;
  return u"cross23.jpg"_qs;
}

QString PlainStoneImage(Colour colour) {
  return colour == Colour::kBlack ? u"mygold.gif"_qs : u"ysilver.gif"_qs;
}

QString GoldStoneImage() {
  return u"zgold.gif"_qs;
}

QString NumberedStoneImage(Colour colour, int n) {
  return n > kLastNumber ? PlainStoneImage(colour) : Numbered(colour, n);
}

QString WalkStoneImage(Colour colour) {
  return colour == Colour::kBlack ? u"zkurored.gif"_qs : u"zshirored.gif"_qs;
}

QString MarkerImage(char16_t tag) {
  if (tag >= u'a' && tag <= u'e') return u"a%1.gif"_qs.arg(QChar(tag));
  return tag == u'2' ? u"shiroshiro.gif"_qs : u"kurokuro.gif"_qs;
}

QString TenukiMarkImage() {
  return u"newcross.gif"_qs;
}

QString FirstMoveMarkImage() {
  return u"mmmcross.gif"_qs;
}

QStringList ImageCatalogue() {
  QStringList names;
  for (Point p : {Point{2, 2}, Point{4, 4}, Point{1, 1}, Point{19, 1}, Point{1, 19}, Point{19, 19},
                  Point{2, 1}, Point{2, 19}, Point{1, 2}, Point{19, 2}})
    names << TileImage(p);
  for (Colour colour : {Colour::kBlack, Colour::kWhite}) {
    for (int n = 1; n <= kLastNumber; ++n) names << Numbered(colour, n);
    names << PlainStoneImage(colour) << WalkStoneImage(colour);
  }
  names << GoldStoneImage();
  for (char16_t tag : std::u16string_view(u"abcde21")) names << MarkerImage(tag);
  names << TenukiMarkImage() << FirstMoveMarkImage();
  return names;
}
