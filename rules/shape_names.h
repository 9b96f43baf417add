#pragma once
// The Japanese names of a move's shape, read from the stones around it: the
// contact moves (ツケ, ハネ, ノビ, オシ, ヒキ, サガリ, タチ, ハイ, マガリ, キリ,
// ツギ, カケツギ, アテ ...), the moves at a distance from one's own stone
// (コスミ, 一間トビ, ケイマ, 大ゲイマ ...) or from the opponent's (カタツキ,
// ボウシ, 三々入り), the approaches and enclosures of a corner stone and the
// pincers and extensions along a side by their distance (一間・二間・三間, 高・低).
// Several names fit one move at once (a ハネ that is also an オサエ, an
// 一間トビ that is also a トビ); a move fits none when nothing near describes it.
//
// The words and how the stones must lie are the table in shape_names.cpp; the
// side names (上辺, 左辺) read the board as the collection draws it, the corner
// in the upper left.

#include <string>
#include <vector>

#include "rules/board_state.h"

// Every name that fits a stone of colour played at move (empty, on the board)
// on board as it is before the move, in UTF-8, each once, in a fixed order.
std::vector<std::string> ShapeNames(const BoardState& board, Point move, Colour colour);

// Every name ShapeNames can give, in the same order.
const std::vector<std::string>& AllShapeNames();
