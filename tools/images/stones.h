#pragma once
// Stone pictures: shaded round stones on the wood, with or without a number,
// and the red-marked stone of the last move.

#include <QImage>

namespace stones {

enum class Colour { kBlack, kWhite };

// A plain stone.
QImage Plain(Colour colour);
// A stone bearing the number n (1..99): light digits on black, dark on white;
// two digits use a condensed face.
QImage Numbered(Colour colour, int n);
// A stone with a red ring: the last move played.
QImage LastMove(Colour colour);
// A black stone with a small grey dot: a numbered stone past the last number.
QImage PastLastNumber();

}  // namespace stones
