#pragma once
// What a board shows, written as an SGF file (FF[4], UTF-8) to keep: a game
// up to a move, or a joseki of the collection.

#include <QString>

#include "collection/joseki_record.h"
#include "collection/played_game.h"

// The board window's texts beside the stones, kept in the root node.
struct SgfTexts {
  QString title;       // GN
  QString commentary;  // C
  QString heading;     // GC
};

// The game up to move lastMove with its setup stones, players, date and handicap.
QString PlayedGameSgf(const PlayedGame& game, int lastMove, const SgfTexts& texts);

// The joseki: its given stones and numbered moves alternating from black (a
// move elsewhere as a pass), its marks, its title, commentary and the
// heading of its game.
QString JosekiRecordSgf(const JosekiRecord& joseki);
