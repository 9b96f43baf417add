#pragma once
// The pictures of the menu window: the title picture and the two picture
// buttons, drawn rather than loaded.

#include <QImage>

// 321 x 233: a board corner with a joseki and the collection's title.
QImage TitlePicture();
// 144 x 33: the framed button reading 操作説明.
QImage HelpButtonPicture();
// 144 x 33: the framed button reading プログラム終了.
QImage QuitButtonPicture();
