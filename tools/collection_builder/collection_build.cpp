#include "collection_builder/collection_build.h"

#include <QDir>
#include <QElapsedTimer>

#include "collection_builder/build_error.h"
#include "collection_builder/collection_db.h"
#include "collection_builder/game_references.h"
#include "collection_builder/joseki_reader.h"
#include "collection_builder/joseki_validator.h"

namespace {

const std::map<QChar, QString> kSectionNames = {
    {u'0', QStringLiteral("置碁の部")},   {u'1', QStringLiteral("星の部")},
    {u'2', QStringLiteral("小目の部")},   {u'3', QStringLiteral("高目の部")},
    {u'5', QStringLiteral("目外しの部")}, {u'6', QStringLiteral("三々の部")},
    {u'8', QStringLiteral("その他の部")}};

void PrintAll(const QStringList& lines, const QString& prefix, QTextStream& stream) {
  for (const QString& line : lines) stream << prefix << line << '\n';
  stream.flush();
}

}  // namespace

LoadedCollection LoadCollection(const QString& dataDir) {
  JosekiReadResult read = ReadJosekiDirectory(QDir(dataDir).filePath(QStringLiteral("joseki")),
                                              QStringLiteral("joseki/"));
  LoadedCollection loaded;
  loaded.errors = read.errors;
  loaded.warnings = read.warnings;
  for (const Joseki& joseki : read.joseki) {
    const QStringList errors = ValidateJoseki(joseki);
    loaded.errors << errors;
    if (errors.isEmpty()) loaded.joseki.push_back(joseki);
  }
  // Keys and sequences are compared over every joseki that could be read, so
  // one broken entry does not hide a clash with another.
  loaded.errors << ValidateCollection(read.joseki);
  return loaded;
}

std::vector<JosekiRow> EncodeCollection(const std::vector<Joseki>& joseki) {
  std::vector<JosekiRow> rows;
  for (const Joseki& j : joseki) {
    rows.push_back(EncodeJoseki(j));
    rows.back().id = static_cast<int>(rows.size());
  }
  return rows;
}

std::map<QChar, int> CountSections(const std::vector<Joseki>& joseki) {
  std::map<QChar, int> counts;
  for (const auto& [digit, name] : kSectionNames) counts[digit] = 0;
  for (const Joseki& j : joseki) ++counts[j.Section()];
  return counts;
}

void PrintSectionCounts(const std::vector<Joseki>& joseki, QTextStream& out) {
  for (const auto& [digit, count] : CountSections(joseki)) {
    const auto name = kSectionNames.find(digit);
    out << digit << ' ' << (name != kSectionNames.end() ? name->second : QString()) << ": " << count
        << '\n';
  }
  out << "total: " << joseki.size() << '\n';
  out.flush();
}

int CheckCollection(const QString& dataDir, QTextStream& out, QTextStream& err) {
  const LoadedCollection loaded = LoadCollection(dataDir);
  PrintAll(loaded.warnings, QStringLiteral("warning: "), err);
  PrintAll(loaded.errors, QStringLiteral("error: "), err);
  PrintSectionCounts(loaded.joseki, out);
  if (!loaded.errors.isEmpty()) {
    err << loaded.errors.size() << " error(s)\n";
    err.flush();
    return 1;
  }
  return 0;
}

int BuildCollection(const QString& dataDir, const QString& outDb, QTextStream& out,
                    QTextStream& err) {
  QElapsedTimer timer;
  timer.start();
  const LoadedCollection loaded = LoadCollection(dataDir);
  PrintAll(loaded.warnings, QStringLiteral("warning: "), err);
  if (!loaded.errors.isEmpty()) {
    PrintAll(loaded.errors, QStringLiteral("error: "), err);
    err << loaded.errors.size() << " error(s); " << outDb << " not written\n";
    err.flush();
    return 1;
  }
  const ReferenceResult references =
      MakeGameReferences(loaded.joseki, QDir(dataDir).filePath(QStringLiteral("games")));
  PrintAll(references.warnings, QStringLiteral("warning: "), err);
  if (!references.errors.isEmpty()) {
    PrintAll(references.errors, QStringLiteral("error: "), err);
    err << references.errors.size() << " error(s) in game references; " << outDb
        << " not written\n";
    err.flush();
    return 1;
  }
  std::vector<JosekiRow> rows = EncodeCollection(loaded.joseki);
  for (size_t i = 0; i < rows.size(); ++i) rows[i].gameReference = references.references[i];
  try {
    WriteCollection(rows, outDb);
  } catch (const BuildError& error) {
    err << "error: " << error.text() << '\n';
    err.flush();
    return 1;
  }
  PrintSectionCounts(loaded.joseki, out);
  out << "game references: " << references.found << " of " << rows.size() << " joseki\n";
  out << "wrote " << rows.size() << " joseki to " << outDb << " in " << timer.elapsed() << " ms\n";
  out.flush();
  return 0;
}
