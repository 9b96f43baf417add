#pragma once
// The pictures of stones, by what they show.

#include <QString>

// Numbered move n of a joseki diagram: white for odd n, black for even n,
// numbered up to 55, the plain white stone after that.
QString JosekiMoveImage(int n);

// Numbered stone n of a game replay whose numbering begins with white or with
// black; each number has its stone's colour, past 55 one plain picture.
QString GameNumberImage(int n, bool beginsWithWhite);

// A plain stone: black for colour 1, white otherwise.
QString PlainStoneImage(int colour);
