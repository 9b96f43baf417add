// The words of the shipped rows and their moves: the names the shape namer
// gives every move, against the list recorded in shape_names_of_rows.txt (the
// build's word checks only see the names a text uses; this sees every name,
// so a change to how any shape of the collection is named has to be
// deliberate), and the word checker refusing each tied word of the texts
// when it is made wrong.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

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

// Each 「黒６のハネ」 of the shipped texts is refused with another colour, or
// with a plain shape word that its move does not fit in place of its word.
TEST(MoveWords, EveryTiedWordOfTheShippedTextsRefusesAWrongOne) {
  QFile readme(QStringLiteral(SOURCE_DIR "/data/README.md"));
  ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
  const QSet<QString> terms = *ReadShapeTerms(QString::fromUtf8(readme.readAll()));
  const QStringList plain = {u"ツケ"_qs, u"ハネ"_qs,   u"ノビ"_qs, u"オシ"_qs,   u"サガリ"_qs,
                             u"キリ"_qs, u"ツギ"_qs,   u"アテ"_qs, u"コスミ"_qs, u"ケイマ"_qs,
                             u"トビ"_qs, u"ボウシ"_qs, u"ハイ"_qs, u"タチ"_qs,   u"カタツキ"_qs};
  const QRegularExpression tied(u"[黒白]([０-９]+)の([ァ-ヶー]+)"_qs);
  int refused = 0;
  for (const Joseki& row : LoadCollection(QStringLiteral(SOURCE_DIR "/data")).joseki) {
    const std::vector<QStringList> names = MoveShapeNames(row);
    for (const QRegularExpressionMatch& m : tied.globalMatch(row.commentary)) {
      size_t number = 0;
      for (QChar digit : m.captured(1)) number = number * 10 + size_t(digit.digitValue());
      if (!plain.contains(m.captured(2)) || number == 0 || number > names.size()) continue;
      const auto wrong = std::find_if(plain.begin(), plain.end(), [&](const QString& word) {
        return !names[number - 1].contains(word);
      });
      Joseki changed = row;
      changed.commentary.replace(m.capturedStart(2), m.capturedLength(2), *wrong);
      EXPECT_FALSE(CheckMoveWords(changed, terms).isEmpty())
          << changed.commentary.mid(m.capturedStart(), 12).toStdString() << " in "
          << row.key.toStdString();
      changed = row;
      changed.commentary[m.capturedStart()] =
          changed.commentary[m.capturedStart()] == u'黒' ? u'白' : u'黒';
      EXPECT_FALSE(CheckMoveWords(changed, terms).isEmpty())
          << changed.commentary.mid(m.capturedStart(), 12).toStdString() << " in "
          << row.key.toStdString();
      ++refused;
    }
  }
  EXPECT_GT(refused, 250);
}

}  // namespace
