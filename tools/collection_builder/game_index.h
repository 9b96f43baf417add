#pragma once
// data/games/index.tsv: which game file shows which joseki (by its key).
// Written by the game selection, read by every build.

#include <QString>
#include <map>

using GameIndex = std::map<QString, QString>;  // joseki key -> game file under data/games/

// Reads the index; a missing file is an empty index. Throws BuildError on a bad line.
GameIndex ReadGameIndex(const QString& path);

// Writes the index, one "key<TAB>file" line per joseki, sorted by key. Throws BuildError.
void WriteGameIndex(const GameIndex& index, const QString& path);
