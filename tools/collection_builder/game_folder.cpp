#include "collection_builder/game_folder.h"

#include <QDir>

#include "collection_builder/build_error.h"

const GameRecord* GameFolder::Find(const QString& path, QString& error) const {
  if (const auto it = indexByPath.find(path); it != indexByPath.end()) return &games[it->second];
  const auto bad = unreadable.find(path);
  error =
      bad != unreadable.end() ? bad->second : QStringLiteral("games/%1 does not exist").arg(path);
  return nullptr;
}

GameFolder ReadGameFolder(const QString& dir) {
  GameFolder folder;
  for (const QString& path : ListSgfFiles(dir)) {
    try {
      folder.games.push_back(ReadGameRecord(QDir(dir).filePath(path), path));
      folder.indexByPath[path] = folder.games.size() - 1;
    } catch (const BuildError& e) {
      folder.unreadable[path] = e.text();
    }
  }
  return folder;
}
