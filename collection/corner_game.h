#pragma once
// Game records read as the corner position index replays them (CornerGame):
// the collection's game files as the builder parses them, and the games a
// user holds as played_game.h reads them.

#include <QByteArray>
#include <QString>
#include <vector>

#include "collection/corner_tally.h"
#include "collection/played_game.h"
#include "collection/sgf_parser.h"

// The year a date text (DT) begins with, or 0 when it begins with no four digits.
int YearOfDate(const QString& date);

// A game record's main line: setup of the root (AB, AW), then its moves up
// to the first pass or unreadable point.
CornerGame CornerGameOf(const std::vector<SgfNode>& mainLine);

// A game the user holds: its setup stones, then its moves up to the first pass.
CornerGame CornerGameOf(const PlayedGame& game);

// What makes two games the same game: their setup and moves (a digest).
QByteArray GameFingerprint(const CornerGame& game);
