// The words of the shipped rows and their moves: the names the shape namer
// gives every move, against the list recorded in shape_names_of_rows.txt (the
// build's word checks only see the names a text uses; this sees every name, so
// a change to how any shape of the collection is named has to be deliberate).
#include <gtest/gtest.h>

#include <QFile>

#include "collection_builder/board_symmetry.h"
#include "collection_builder/collection_build.h"
#include "collection_builder/move_words.h"

namespace {

// One line per move: the row's key, the move's place in the row from 1, its names.
QStringList NamesOfEveryMove() {
  QStringList lines;
  for (const Joseki& row : LoadCollection(QStringLiteral(SOURCE_DIR "/data")).joseki) {
    const std::vector<QStringList> names = MoveShapeNames(row);
    for (size_t k = 0; k < names.size(); ++k)
      lines << u"%1 %2 %3"_qs.arg(row.key).arg(k + 1).arg(names[k].join(u'・'));
  }
  return lines;
}

// After a deliberate change, copy the file this test writes into the build's
// tests/ folder over tests/shape_names_of_rows.txt, and read the difference.
TEST(ShapeNamesOfRows, AreTheRecordedOnes) {
  const QStringList names = NamesOfEveryMove();
  ASSERT_GT(names.size(), 4000);
  QFile recordedFile(QStringLiteral(SOURCE_DIR "/tests/shape_names_of_rows.txt"));
  ASSERT_TRUE(recordedFile.open(QIODevice::ReadOnly | QIODevice::Text));
  const QStringList recorded =
      QString::fromUtf8(recordedFile.readAll()).split(u'\n', Qt::SkipEmptyParts);
  if (recorded == names) return;
  QFile actual(QStringLiteral("shape_names_of_rows.txt"));
  if (actual.open(QIODevice::WriteOnly | QIODevice::Text))
    actual.write((names.join(u'\n') + u'\n').toUtf8());
  int differing = 0;
  for (qsizetype i = 0; i < std::max(names.size(), recorded.size()) && differing < 10; ++i) {
    const QString now = names.value(i), before = recorded.value(i);
    if (now == before) continue;
    ++differing;
    ADD_FAILURE() << "recorded: " << before.toStdString() << "\nnow:      " << now.toStdString();
  }
}

// The names of each move without the side names (上辺…, 左辺…), which name
// the sides of the board as the collection draws it.
std::vector<QStringList> NamesWithoutSides(const Joseki& row) {
  std::vector<QStringList> names = MoveShapeNames(row);
  for (QStringList& move : names)
    move.removeIf([](const QString& name) {
      return name.startsWith(u"上辺"_qs) || name.startsWith(u"左辺"_qs);
    });
  return names;
}

// A row mirrored in the corner's diagonal (as the collection may hold it) keeps
// its names, but for the sides'.
TEST(ShapeNamesOfRows, AreTheSameMirroredInTheCornersDiagonal) {
  for (const Joseki& row : LoadCollection(QStringLiteral(SOURCE_DIR "/data")).joseki) {
    Joseki mirrored = row;
    for (BoardPoint& p : mirrored.stones) p = Transform(p, Symmetry::Diagonal().code());
    ASSERT_EQ(NamesWithoutSides(mirrored), NamesWithoutSides(row)) << row.key.toStdString();
  }
}

}  // namespace
