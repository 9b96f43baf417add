#pragma once
// The rules a joseki of the collection must keep: required texts, a key in a
// known section, an odd number of given stones, the first stone on the
// section's point, legal play (no stone on an occupied point, captures by our
// rules), valid markers; and, over the collection, unique keys, no sequence
// twice (also not as the diagonal mirror of another) and no final position
// twice (in any orientation, with either colour) unless one of the two is
// marked as a move-order variant of the other.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "collection_builder/joseki.h"
#include "rules/board_state.h"

// The section digits of the collection: 0, 1, 2, 3, 5, 6, 8.
bool IsSectionDigit(QChar digit);

// True when the first stone of a joseki of this section may stand on point.
bool IsSectionStartPoint(QChar section, const BoardPoint& point);

// The reasons why this joseki cannot go into the collection (empty if none).
QStringList ValidateJoseki(const Joseki& joseki);

// Reasons over the whole collection: keys and titles used twice, sequences
// played twice, final positions reached twice by rows not marked as variants.
QStringList ValidateCollection(const std::vector<Joseki>& joseki);

// The stones after the whole line (captures applied), the same for all eight
// orientations and both colourings of one position.
QByteArray FinalPositionKey(const Joseki& joseki);

// The board after the whole line: given stones never capture, numbered moves do.
BoardState FinalBoard(const Joseki& joseki);

// The stones of a board, the same for all eight orientations and both colourings.
QByteArray PositionKey(const BoardState& board);

// The stones reflected in the diagonal (column and row exchanged).
std::vector<BoardPoint> DiagonalMirror(const std::vector<BoardPoint>& stones);

// "白3" / "黒4" for numbered moves, "given stone 2" for the given ones; index from 0.
QString StoneName(int index, int given);
