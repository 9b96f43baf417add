#include "collection_builder/game_index.h"

#include <QFile>
#include <QTextStream>

#include "collection_builder/build_error.h"

GameIndex ReadGameIndex(const QString& path) {
  GameIndex index;
  QFile file(path);
  if (!file.exists()) return index;
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    throw BuildError(QStringLiteral("%1: cannot read: %2").arg(path, file.errorString()));
  int lineNumber = 0;
  for (const QString& raw : QString::fromUtf8(file.readAll()).split(u'\n')) {
    ++lineNumber;
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    const QStringList fields = line.split(u'\t');
    if (fields.size() != 2 || fields[0].isEmpty() || fields[1].isEmpty())
      throw BuildError(
          QStringLiteral("%1: line %2: expected key<TAB>game file").arg(path).arg(lineNumber));
    index[fields[0].trimmed()] = fields[1].trimmed();
  }
  return index;
}

void WriteGameIndex(const GameIndex& index, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
    throw BuildError(QStringLiteral("%1: cannot write: %2").arg(path, file.errorString()));
  QTextStream out(&file);
  out.setEncoding(QStringConverter::Utf8);
  out << "# joseki key (JK)\tgame file under data/games/ in which it was played\n"
         "# written by: build_collection --select-games SHARED_GAMES_DIR DATA_DIR\n";
  for (const auto& [key, game] : index) out << key << '\t' << game << '\n';
}
