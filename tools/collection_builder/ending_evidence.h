#pragma once
// Whether play normally leaves the corner where a row ends, from two sources:
// KataGo's joseki trees in data/engine/ (the share of the engine's games that
// play elsewhere at the row's final position, in any orientation and with
// either colour; stones outside the trees' 10x10 corner left out) and the games
// (of the row's honest occurrences whose next move is known, the share whose
// next move is far from the joseki, as a tenuki is). Evidence is against an
// ending when the engine plays locally in at least half of at least 20 games,
// or the games go on locally in at least half of at least 3. A row may still end
// there as a stage when its commentary says why play may stop (a phrase of
// kStagePhrases); a row that ends with a group in atari says that it is given up.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <map>
#include <vector>

#include "collection_builder/game_tables.h"
#include "collection_builder/joseki.h"

inline constexpr int kEngineGamesNeeded = 20;
inline constexpr int kGamesNeeded = 3;

// The engine's games per position: how many reach it and how many of them play elsewhere next
// (all but those whose next corner move the trees record).
struct EngineTrees {
  std::map<QByteArray, std::pair<long long, long long>> positions;  // PositionKey -> games
  QStringList files;                                                 // the trees read
};

// Reads every *.sgf of dir (the JosekiExtraction trees: one move per node with a JSON
// comment holding "count"); errors name the file. No folder gives empty trees.
EngineTrees ReadEngineTrees(const QString& dir, QStringList& errors);

struct EndingEvidence {
  long long engineGames = 0, engineElsewhere = 0;
  int gamesWithNext = 0, gamesElsewhere = 0;
  bool evidenceAgainst = false;  // by either source
  bool saysWhy = false;          // the commentary says why play may stop
  bool endsInAtari = false;      // a group of the final position has one liberty
  bool saysGivenUp = false;      // the commentary says the group is given up
};

// The evidence for every row; tables are the games of the build (rows numbered from 1).
std::vector<EndingEvidence> MeasureEndings(const std::vector<Joseki>& joseki,
                                           const EngineTrees& engine, const GameTables& tables);

// Prints the measure: the rows each source speaks for, the rows with evidence against their
// ending (and those without a text saying why), the rows ending in atari.
void PrintEndingMeasure(const std::vector<Joseki>& joseki,
                        const std::vector<EndingEvidence>& evidence, QTextStream& out);
