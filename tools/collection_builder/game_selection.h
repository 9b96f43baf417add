#pragma once
// Choosing the games: searches the whole shared game collection for every
// joseki, copies every game in which one was played from an empty corner and
// whose players have kanji names (comments stripped) into data/games/, and
// records in index.tsv one reference game per joseki (a game that leaves the
// corner after it first, then a famous game, then the earliest).

#include <QString>
#include <QTextStream>

// --select-games: exit code; prints how many joseki got a game, how many games
// were copied and how long the search took.
int SelectGames(const QString& sharedGamesDir, const QString& dataDir, QTextStream& out,
                QTextStream& err);
