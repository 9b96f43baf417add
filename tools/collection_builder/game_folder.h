#pragma once
// Every game record under a games folder, read once per build and shared by
// the game references and the occurrence search.

#include <QString>
#include <map>
#include <vector>

#include "collection_builder/game_record.h"

struct GameFolder {
  std::vector<GameRecord> games;          // sorted by path
  std::map<QString, QString> unreadable;  // path -> why it could not be read
  std::map<QString, size_t> indexByPath;  // path -> index into games

  // The game at the relative path, or nullptr with the reason in error.
  const GameRecord* Find(const QString& path, QString& error) const;
};

// Reads every *.sgf under dir (a missing folder holds no games); a file that
// cannot be read is kept in unreadable, not thrown.
GameFolder ReadGameFolder(const QString& dir);
