#include "collection_builder/collection_build.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include "collection_builder/build_error.h"
#include "collection_builder/collection_db.h"
#include "collection_builder/collection_measure.h"
#include "collection_builder/corner_index_build.h"
#include "collection_builder/ending_evidence.h"
#include "collection_builder/game_folder.h"
#include "collection_builder/game_occurrences.h"
#include "collection_builder/game_reference.h"
#include "collection_builder/game_references.h"
#include "collection_builder/game_tables.h"
#include "collection_builder/joseki_reader.h"
#include "collection_builder/joseki_validator.h"
#include "collection_builder/move_words.h"
#include "collection_builder/term_spelling.h"
#include "collection_builder/title_terms.h"

namespace {

void PrintAll(const QStringList& lines, const QString& prefix, QTextStream& stream) {
  for (const QString& line : lines) stream << prefix << line << '\n';
  stream.flush();
}

// Every title against the term list of DATA_DIR/README.md, and every text's
// move names and shape words against the moves (the shape terms listed there);
// a data folder without a README (a scratch collection) is only warned about.
void CheckTitles(const QString& dataDir, const std::vector<Joseki>& joseki,
                 LoadedCollection& loaded) {
  QFile readme(QDir(dataDir).filePath(QStringLiteral("README.md")));
  if (!readme.open(QIODevice::ReadOnly)) {
    loaded.warnings << QStringLiteral("README.md: cannot read the term list; titles not checked");
    return;
  }
  const QByteArray text = readme.readAll();
  const auto terms = ReadTermList(QString::fromUtf8(text));
  if (!terms) {
    loaded.errors << QStringLiteral("README.md: no term list (a block opened by ```terms)");
    return;
  }
  for (const Joseki& j : joseki) loaded.errors << CheckTitleTerms(j, *terms);
  const auto shapes = ReadShapeTerms(QString::fromUtf8(text));
  if (!shapes) {
    loaded.errors << QStringLiteral(
        "README.md: no list of shape terms (a block opened by ```shapes)");
    return;
  }
  loaded.errors << CheckShapeTermList(*shapes);
  for (const Joseki& j : joseki) loaded.errors << CheckMoveWords(j, *shapes);
  const auto spellings = ReadTermSpellings(QString::fromUtf8(text));
  if (!spellings) {
    loaded.errors << QStringLiteral(
        "README.md: no list of spellings (a block opened by ```spellings)");
    return;
  }
  loaded.errors << CheckSpellingTerms(*spellings, *terms + *shapes);
  for (const Joseki& j : joseki) loaded.errors << CheckTermSpelling(j, *spellings);
}

// Every game each joseki was played in, its reference game first.
OccurrenceLists OrderedOccurrences(const std::vector<Joseki>& joseki, const GameFolder& folder,
                                   const ReferenceResult& references) {
  OccurrenceLists lists = FindOccurrences(joseki, folder.games);
  for (size_t j = 0; j < joseki.size(); ++j) {
    const auto game = folder.indexByPath.find(references.gamePaths[j]);
    if (game != folder.indexByPath.end())
      PutReferenceFirst(lists[j], game->second, references.places[j]);
  }
  return lists;
}

// Each occurrence read as the program reads it must verify like a reference.
QStringList VerifyOccurrences(const std::vector<Joseki>& joseki, const GameTables& tables) {
  QStringList errors;
  for (const StoredOccurrence& o : tables.occurrences) {
    const StoredGame& game = tables.games[o.game - 1];
    const QString text = GameReferenceText(game.heading, o.first, o.last, game.moves);
    const QString wrong = VerifyGameReference(joseki[o.joseki - 1], text);
    if (!wrong.isEmpty())
      errors << QStringLiteral("%1: game %2 of its list: %3")
                    .arg(joseki[o.joseki - 1].Label())
                    .arg(o.ordinal)
                    .arg(wrong);
  }
  return errors;
}

// The tables of every game each joseki was played in, verified; problems are
// added to references.errors.
GameTables MakeCheckedGameTables(const std::vector<Joseki>& joseki, const GameFolder& folder,
                                 ReferenceResult& references) {
  try {
    GameTables tables =
        MakeGameTables(OrderedOccurrences(joseki, folder, references), folder.games);
    references.errors << VerifyOccurrences(joseki, tables);
    return tables;
  } catch (const BuildError& error) {
    references.errors << error.text();
    return {};
  }
}

// The evidence for the rows' endings from the engine trees of DATA_DIR/engine/ and the games.
void PrintEndings(const QString& dataDir, const std::vector<Joseki>& joseki,
                  const GameTables& tables, QTextStream& out, QTextStream& err) {
  QStringList problems;
  const EngineTrees engine =
      ReadEngineTrees(QDir(dataDir).filePath(QStringLiteral("engine")), problems);
  PrintAll(problems, QStringLiteral("warning: "), err);
  PrintEndingMeasure(joseki, MeasureEndings(joseki, engine, tables), out);
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
  CheckTitles(dataDir, read.joseki, loaded);
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

int CheckCollection(const QString& dataDir, QTextStream& out, QTextStream& err) {
  const LoadedCollection loaded = LoadCollection(dataDir);
  PrintAll(loaded.warnings, QStringLiteral("warning: "), err);
  PrintAll(loaded.errors, QStringLiteral("error: "), err);
  PrintMeasure(loaded.joseki, nullptr, out);
  PrintEndings(dataDir, loaded.joseki, GameTables{}, out, err);
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
  const QString gamesDir = QDir(dataDir).filePath(QStringLiteral("games"));
  const GameFolder folder = ReadGameFolder(gamesDir);
  for (const auto& [path, reason] : folder.unreadable) err << "warning: skipped " << reason << '\n';
  ReferenceResult references = MakeGameReferences(loaded.joseki, gamesDir, folder);
  PrintAll(references.warnings, QStringLiteral("warning: "), err);
  const GameTables tables = MakeCheckedGameTables(loaded.joseki, folder, references);
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
    QElapsedTimer cornerTimer;
    cornerTimer.start();
    const CornerIndex corners = BuildCornerIndexFromData(dataDir, loaded.joseki);
    out << CornerIndexMeasure(corners, cornerTimer.elapsed());
    WriteCollection(rows, tables, outDb, &corners);
  } catch (const BuildError& error) {
    err << "error: " << error.text() << '\n';
    err.flush();
    return 1;
  }
  PrintMeasure(loaded.joseki, &references.references, out);
  PrintGameMeasure(tables, out);
  PrintHandicapMeasure(tables, out);
  PrintEndings(dataDir, loaded.joseki, tables, out, err);
  out << "wrote " << rows.size() << " joseki to " << outDb << " in " << timer.elapsed() << " ms\n";
  out.flush();
  return 0;
}
