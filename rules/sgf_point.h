#pragma once
// Points as SGF files write them: two letters, column then row, "a" for the
// first line from the upper left. The one conversion of the program and the
// collection builder.

#include <optional>
#include <string>
#include <string_view>

#include "rules/point.h"

// The two letters of a point on the board; empty for any other (a pass).
std::u16string SgfLetters(Point p);

// The point two letters name; nullopt for any other value (a pass "" or "tt",
// a point of a larger board, one letter or three, capitals).
std::optional<Point> PointOfSgfLetters(std::u16string_view letters);
