#pragma once
// A game record that the user opens (棋譜を読み込む): the setup stones and the
// moves of its main line, and the texts of its heading. Comments and
// variations are not read.

#include <QString>
#include <vector>

#include "collection/joseki_record.h"
#include "rules/point.h"

struct PlayedMove {
  Colour colour = Colour::kBlack;
  Point point;  // {0, 0} for a pass
  bool operator==(const PlayedMove&) const = default;
};

struct PlayedGame {
  QString black, white, blackRank, whiteRank, date;  // PB, PW, BR, WR, DT
  int handicap = 0;                                  // HA
  std::vector<Point> blackSetup, whiteSetup;         // AB, AW of the nodes before the first move
  std::vector<PlayedMove> moves;                     // move k of the game is moves[k - 1]

  // "黒 name rank　白 name rank　N子局　date", each part only when known.
  QString Heading() const;
};

struct GameFile {
  PlayedGame game;
  QString error;  // a Japanese sentence naming the file and the reason; empty when read
};

// Reads an SGF text; the error names fileName. Refused: a text that is not
// SGF or is damaged, a game of another kind or board size, a game without a
// move on the board, a move whose point cannot be read.
GameFile ReadGameText(const QString& text, const QString& fileName);

// Reads the file (UTF-8; a file that is not valid UTF-8 in its CA charset or
// else in Shift_JIS) with ReadGameText; a file that cannot be read is refused.
GameFile ReadGameFile(const QString& path);

// The moves of a game reference as a played game: a handicap game's stones as
// black setup stones and white first, else black first; a point off the board
// as a pass.
PlayedGame ReferencedGame(const GameReference& reference);
