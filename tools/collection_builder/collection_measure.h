#pragma once
// The measure the builder prints after each build: per section the rows and how
// many carry an honest game reference; the rows that reach the final position
// of another row (marked move-order variants); the rows that are only an early
// stage of another row.

#include <QString>
#include <QTextStream>
#include <vector>

#include "collection_builder/game_tables.h"
#include "collection_builder/joseki.h"

// For each joseki: true when its whole sequence, in some orientation, is the
// beginning of another joseki's longer sequence.
std::vector<bool> PrefixRows(const std::vector<Joseki>& joseki);

// How many joseki reach a final position that another joseki reaches too.
int SharedFinalPositions(const std::vector<Joseki>& joseki);

// Prints the measure; references (one per joseki, empty for none) may be
// omitted, then the game columns are left out.
void PrintMeasure(const std::vector<Joseki>& joseki, const std::vector<QString>* references,
                  QTextStream& out);

// Prints the games measure: the occurrences in all, the rows with a game, the
// games per such row (median and maximum) and the games stored.
void PrintGameMeasure(const GameTables& tables, QTextStream& out);

// Prints what the handicap games add: the handicap games stored, the rows
// played only in handicap games (their reference comes from one) and the rows
// whose reference is a handicap game.
void PrintHandicapMeasure(const GameTables& tables, QTextStream& out);
