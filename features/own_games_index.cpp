#include "features/own_games_index.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#include "collection/corner_game.h"
#include "collection/own_index_file.h"

namespace {

// A tally this large is merged into the file and begun anew, so that memory
// stays bounded however large the folder (about 200 bytes a position).
constexpr size_t kPositionsPerMerge = 500'000;

QStringList SgfFilesUnder(const QString& folder) {
  QStringList paths;
  QDirIterator files(folder, {u"*.sgf"_qs, u"*.SGF"_qs}, QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) paths << files.next();
  paths.sort();
  return paths;
}

// The file the reading writes: the index as it was, or nothing.
bool StartFrom(const QString& indexPath, const QString& workPath) {
  QFile::remove(workPath);
  return !QFileInfo::exists(indexPath) || QFile::copy(indexPath, workPath);
}

bool PutInPlace(const QString& workPath, const QString& indexPath) {
  std::error_code failed;
  std::filesystem::rename(std::filesystem::path(workPath.toStdU16String()),
                          std::filesystem::path(indexPath.toStdU16String()), failed);
  return !failed;
}

FolderReading Failure(const QString& error) {
  FolderReading failed;
  failed.end = FolderReadingEnd::kFailed;
  failed.error = error;
  return failed;
}

// Reads the files into the open work file; false when cancelled or failed.
bool ReadFiles(const QStringList& paths, OwnIndexFile& file, FolderReadingProgress& progress,
               FolderReading& reading) {
  CornerIndex tally;
  for (const QString& path : paths) {
    if (progress.cancel) return false;
    const GameFile read = ReadGameFile(path);
    ++progress.filesRead;
    if (!read.error.isEmpty()) {
      reading.unreadable << read.error;
      continue;
    }
    const CornerGame game = CornerGameOf(read.game);
    if (!file.HoldGame(GameFingerprint(game))) {
      if (!file.Error().isEmpty()) return false;
      ++reading.duplicates;
      continue;
    }
    tally.AddGame(game);
    ++reading.gamesAdded;
    if (tally.positions.size() < kPositionsPerMerge) continue;
    if (!file.Merge(tally)) return false;
    tally = CornerIndex();
  }
  return file.Merge(tally);
}

}  // namespace

QString OwnIndexPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return QDir(folder).filePath(u"own_games.sqlite"_qs);
}

FolderReading AddGameFolder(const QString& folder, const QString& indexPath,
                            FolderReadingProgress& progress) {
  const QStringList paths = SgfFilesUnder(folder);
  progress.files = int(paths.size());
  if (paths.isEmpty()) return Failure(u"フォルダ「%1」に棋譜（.sgf）がありません。"_qs.arg(folder));
  QDir().mkpath(QFileInfo(indexPath).absolutePath());
  const QString workPath = indexPath + u".adding"_qs;
  if (!StartFrom(indexPath, workPath))
    return Failure(u"自分の棋譜の索引「%1」を写せません。"_qs.arg(indexPath));
  FolderReading reading;
  bool whole = false;
  {
    OwnIndexFile file(workPath);
    whole = file.IsOpen() && ReadFiles(paths, file, progress, reading) && file.Commit();
    reading.gamesHeld = file.HeldGames();
    if (!whole && !progress.cancel) reading.error = file.Error();
  }
  if (whole && !PutInPlace(workPath, indexPath))
    reading.error = u"自分の棋譜の索引「%1」を置き換えられません。"_qs.arg(indexPath),
    whole = false;
  if (whole) return reading;
  QFile::remove(workPath);
  reading.end = progress.cancel ? FolderReadingEnd::kCancelled : FolderReadingEnd::kFailed;
  return reading;
}
