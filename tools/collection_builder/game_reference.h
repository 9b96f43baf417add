#pragma once
// The field game_reference: heading "|" FirstGameMove "/" LastGameMove "|"
// GameMoves, and its verification against the joseki.

#include <QString>

#include "collection_builder/game_matcher.h"
#include "collection_builder/game_record.h"
#include "collection_builder/joseki.h"

// "黒 本因坊秀策 四段　白 井上因碩 八段　1846年". Throws BuildError when a
// player has no name in kanji.
QString GameHeading(const GameRecord& game);

// True when both players have a name in kanji, so that GameHeading can be written.
bool HasKanjiHeading(const GameRecord& game);

// Two coordinate characters per game move, row then column; a handicap game's
// black stones come first in the same way, ended by "+" (then move 1 is white).
QString GameMovesText(const GameRecord& game);

// The field made of its parts.
QString GameReferenceText(const QString& heading, int first, int last, const QString& moves);

// The whole field for a joseki found at occurrence in game. Throws BuildError
// like GameHeading.
QString MakeGameReference(const GameRecord& game, const Occurrence& occurrence);

// Why reference does not show this joseki (empty when it does): the text must
// split into heading, range and moves, the moves must be coordinate pairs, and
// the range must hold the joseki's numbered moves in one orientation, with its
// given stones on the board when the range begins and no other stone within
// two lines of any of its points.
QString VerifyGameReference(const Joseki& joseki, const QString& reference);
