#pragma once
// Players' names and ranks in Japanese for the game headings.

#include <QString>

// The player's name in kanji (e.g. "Yasuda Shusaku" -> "本因坊秀策"; the players
// of a consultation game, "A & B", joined by "・"), or an empty text when the
// table does not know a name.
QString PlayerInKanji(const QString& romanised);

// "4d" or "4p" -> "四段", "Meijin" -> "名人"; empty for anything else.
QString RankInKanji(const QString& rank);
