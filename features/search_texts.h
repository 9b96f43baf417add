#pragma once
// What the search input accepts and what the user is told about a search:
// the first stone each section allows (collection/section.h), the tenuki
// cells, the messages.

#include <QString>

#include "collection/section.h"
#include "rules/point.h"

// Whether stone 1 may stand at p of the right board in the section.
bool IsAllowedFirstMove(Section section, Point p);
// The message for a refused first stone; empty for a section without a rule.
QString FirstMoveMessage(Section section);

// The three cells of row 10 at columns 17 to 19 stand for a move played elsewhere.
inline constexpr Point kFirstTenukiCell{17, 10};
constexpr bool IsTenukiCell(Point p) {
  return p.row == kFirstTenukiCell.row && p.column >= kFirstTenukiCell.column && p.column <= 19;
}

QString NoSearchInputMessage();
QString SequenceTooShortMessage();
QString NoSequenceToShowMessage();
// Nothing found after dropping droppedStones stones (0: none dropped).
QString NotFoundMessage(int droppedStones);
// A joseki found after dropping droppedStones stones (0: none dropped).
QString FoundMessage(int droppedStones);
