#pragma once
// The notice shown under a board for a moment when a sequence has no further
// move: 手順終了 in white on a blue panel.

#include <QImage>

// The 121 x 76 notice picture.
QImage EndNoticePicture();
