#pragma once
// What the search input accepts and what the user is told about a search:
// the first stone each section allows, the tenuki cells, the messages.

#include <QString>
#include <span>

#include "rules/point.h"

// Points where stone 1 may stand in a section (1..7); empty where any point goes.
std::span<const Point> FirstMovePoints(int sectionCode);
// Whether stone 1 may stand at p of the right board in the section.
bool IsAllowedFirstMove(int sectionCode, Point p);
// The message for a refused first stone; empty for a section without a rule.
QString FirstMoveMessage(int sectionCode);

// The three cells of row 10 at columns 17 to 19 stand for a move played elsewhere.
constexpr bool IsTenukiCell(Point p) {
  return p.row == 10 && p.column > 16 && p.column <= 19;
}

QString NoSearchInputMessage();
QString SequenceTooShortMessage();
QString NoSequenceToShowMessage();
// Nothing found after dropping droppedStones stones (0: none dropped).
QString NotFoundMessage(int droppedStones);
// A joseki found after dropping droppedStones stones (0: none dropped).
QString FoundMessage(int droppedStones);
