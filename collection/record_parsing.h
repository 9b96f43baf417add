#pragma once
// The one place where the stored texts of a row become a JosekiRecord.

#include <QString>
#include <array>
#include <optional>

#include "collection/joseki_record.h"

// The fields of a row of gocs by position: 0 ID, 1 one, 2 markers, 3 count
// of given stones, 4 title, 5 five (caption), 6 commentary, 7 moves, 8 game
// reference.
using StoredRow = std::array<QString, 9>;

// The record of a row; nullopt when the count of given stones asks for more
// moves than the row holds.
std::optional<JosekiRecord> ParseRecord(const StoredRow& row);

// The numbered moves as the diagram reads them: cut to whole triples (at most
// two characters dropped), then the first blank and the first full-width
// blank taken out.
QString CleanNumberedMoves(QString moves);

// A game reference text: parts that cannot be cut out or read stay unset.
GameReference ParseGameReference(const QString& text);
// A game from the columns of the tables of games, read as the parts of a
// reference text are.
GameReference GameOfColumns(const QString& heading, const QString& firstMove,
                            const QString& lastMove, const QString& moves);
