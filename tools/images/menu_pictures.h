#pragma once
// The pictures of the menu window: the title picture and the two picture
// buttons. tools/draw_window_pictures draws them at build time and the menu
// loads them from the program's resources (:/pictures/), so that their fonts
// are not loaded at every start.

#include <QImage>

// 321 x 233: a board corner with a joseki and the collection's title.
QImage TitlePicture();
// 144 x 33: the framed button reading 操作説明.
QImage HelpButtonPicture();
// 144 x 33: the framed button reading プログラム終了.
QImage QuitButtonPicture();
