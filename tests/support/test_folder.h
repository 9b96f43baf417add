#pragma once
// Program folders for tests: the built one, or a temporary one whose fld2/
// links to the built images and whose fld1/goc.db holds rows written by the test.

#include <QStringList>
#include <QTemporaryDir>
#include <ostream>
#include <vector>

#include "collection/program_folder.h"
#include "model/messages.h"

// Texts in test failures as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

// The program folder the build produced.
ProgramFolder BuiltProgramFolder();

// One row of gocs; the ID is given by the position in the written list.
struct TestRow {
  QString title = "title";
  QString five = "2";  // the section digit first
  QString moves;
  QString setupCount = "1";
  QString gameReference;
  QString commentary;
  QString markers;
  QString one = "0";
};

// A row whose commentary is the title followed by "の解説".
inline TestRow Row(const QString& title, const QString& five, const QString& moves = "3D1",
                   const QString& reference = {}) {
  return {title, five, moves, "1", reference, title + u"の解説"_qs, "", "0"};
}

class TestFolder {
 public:
  TestFolder();
  // Writes fld1/goc.db with the rows (IDs 1, 2, … in order).
  void WriteCollection(const std::vector<TestRow>& rows);
  // One game of a joseki in the tables of games.
  struct GameOfJoseki {
    int joseki;  // its ID
    QString heading, moves;
    int first, last;
  };
  // Adds the tables of games to fld1/goc.db: each game once (by heading), and
  // the joseki's games in the order given (stored in the reverse order).
  void WriteJosekiGames(const std::vector<GameOfJoseki>& games);
  // Writes the file at relative with bytes; its path.
  QString Write(const QString& relative, const QByteArray& bytes) const;
  // Runs sql on fld1/goc.db; fails the test on an error.
  void Execute(const char* sql);
  QString path(const QString& relative) const { return dir_.filePath(relative); }
  ProgramFolder folder() const { return ProgramFolder(QDir(dir_.path())); }

 private:
  QTemporaryDir dir_;
};

// Three rows of the handicap section sharing the position after white's first
// move (see line_drill_test.cpp); the drill tests drill the first.
void WriteThreeRows(TestFolder& folder);

// Keeps every message shown.
struct MessageRecorder : MessageSink {
  void ShowMessage(const QString& text) override { messages << text; }
  QStringList messages;
};
