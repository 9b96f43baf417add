// A search entered with clicks on the right board of the real window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "shell/display_widget.h"
#include "shell/form4.h"
#include "shell/messages.h"
#include "shell/module1.h"
#include "support/pixels.h"
#include "support/test_collection.h"

namespace {
TestRow Joseki(const QString& title, const QString& five, const QString& moves) {
  TestRow row;
  row.title = title;
  row.five = five;
  row.moves = moves;
  return row;
}

// The centre of the right board's cell of point (column, row) in Display.
QPoint RightCell(int column, int row) {
  return {(column + 19) * 22 + 11, (row - 1) * 23 + 11};
}
}  // namespace

TEST(SearchWindow, ClickedSequenceFindsItsJosekiOneTickLater) {
  ScopedMessageRecorder messages;
  TestProgramFolder folder;
  // The second row is the one entered (in the mirror orientation of its record).
  folder.WriteCollection({Joseki(u"一間受け"_qs, u"2A1"_qs, u"342531"_qs),
                          Joseki(u"コスミ"_qs, u"2A2"_qs, u"342531452831"_qs),
                          Joseki(u"三間バサミ"_qs, u"2A3"_qs, u"342531932"_qs)});
  Module1::SectionCode = 3;
  Form4 form;
  form.show();
  form.Timer4.setInterval(1);

  QTest::mouseClick(form.Command1, Qt::LeftButton);
  for (auto [column, row] : {std::pair{3, 4}, {5, 3}, {4, 5}, {8, 3}}) {
    QTest::mouseMove(form.Display, RightCell(column, row));
    QTest::mouseClick(form.Display, Qt::LeftButton, {}, RightCell(column, row));
  }
  EXPECT_EQ(form.model.controls.Text6, u"432351542381"_qs);
  EXPECT_TRUE(RightPointShows(form.model.canvas.master(), 8, 3, u"zshiro4.gif"_qs));

  QTest::mouseClick(form.Command4, Qt::LeftButton);
  EXPECT_TRUE(messages.messages.isEmpty());
  EXPECT_TRUE(form.Timer4.isActive());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.messages.isEmpty(); }, 2000));
  EXPECT_EQ(messages.messages, QStringList{u"該当あり、検索しました。"_qs});
  EXPECT_EQ(form.List1->currentRow(), 1);
  EXPECT_EQ(form.model.CurrentRecord, 2);
  const QImage& master = form.model.canvas.master();
  EXPECT_TRUE(LeftPointShows(master, 4, 3, u"mygold.gif"_qs));
  EXPECT_TRUE(LeftPointShows(master, 3, 5, u"zshiro1.gif"_qs));
  EXPECT_TRUE(LeftPointShows(master, 3, 8, u"zshiro3.gif"_qs));
}

TEST(SearchWindow, WrongFirstStoneIsRefusedWithTheSectionsMessage) {
  ScopedMessageRecorder messages;
  TestProgramFolder folder;
  folder.WriteCollection({Joseki(u"一間受け"_qs, u"2A1"_qs, u"342531"_qs)});
  Module1::SectionCode = 3;
  Form4 form;
  form.show();
  QTest::mouseClick(form.Command1, Qt::LeftButton);
  QTest::mouseClick(form.Display, Qt::LeftButton, {}, RightCell(4, 4));
  EXPECT_EQ(messages.messages, QStringList{u"一手目は小目に打ってください。"_qs});
  EXPECT_TRUE(form.model.controls.Text6.isEmpty());
  // The left board and the strip take no stones.
  QTest::mouseClick(form.Display, Qt::LeftButton, {}, QPoint(100, 50));
  QTest::mouseClick(form.Display, Qt::LeftButton, {}, QPoint(430, 50));
  EXPECT_TRUE(form.model.controls.Text6.isEmpty());
  EXPECT_EQ(messages.messages.size(), 1);
}

// The platform delivers press, release, double click, release: one stone.
TEST(SearchWindow, ADoubleClickEntersOneStone) {
  ScopedMessageRecorder messages;
  TestProgramFolder folder;
  folder.WriteCollection({Joseki(u"一間受け"_qs, u"2A1"_qs, u"342531"_qs)});
  Module1::SectionCode = 3;
  Form4 form;
  form.show();
  QTest::mouseClick(form.Command1, Qt::LeftButton);
  const QPointF at = RightCell(3, 4);
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                            QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    const bool down = type != QEvent::MouseButtonRelease;
    QMouseEvent event(type, at, form.Display->mapToGlobal(at), Qt::LeftButton,
                      down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form.Display, &event);
  }
  EXPECT_EQ(form.model.controls.Text6, u"432"_qs);
  QTest::mouseClick(form.Display, Qt::LeftButton, {}, RightCell(5, 3));
  EXPECT_EQ(form.model.controls.Text6, u"432351"_qs);
}
