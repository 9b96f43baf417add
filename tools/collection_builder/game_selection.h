#pragma once
// Choosing the referenced games: searches the whole shared game collection for
// every joseki, keeps one game per joseki among those where it was played
// from an empty corner and whose players have kanji names (a game that leaves
// the corner after it first, then a famous game, then the earliest), and
// copies only the chosen games, comments stripped, into data/games/ with
// index.tsv recording the choice.

#include <QString>
#include <QTextStream>

// --select-games: exit code; prints how many joseki got a game and how many
// games were copied.
int SelectGames(const QString& sharedGamesDir, const QString& dataDir, QTextStream& out,
                QTextStream& err);
