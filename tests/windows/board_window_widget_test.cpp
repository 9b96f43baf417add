// The board window's widgets mirror the model and pass events on.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "shell/display_widget.h"
#include "shell/form4.h"
#include "shell/messages.h"
#include "shell/module1.h"
#include "support/test_collection.h"

namespace {
std::vector<TestRow> ThreeJoseki() {
  std::vector<TestRow> rows(3);
  const char16_t* titles[] = {u"一", u"二", u"三"};
  for (int i = 0; i < 3; ++i) {
    rows[i].title = QString::fromUtf16(titles[i]);
    rows[i].five = u"2A%1"_qs.arg(i);
    rows[i].commentary = u"解説%1"_qs.arg(i + 1);
    rows[i].moves = u"342531"_qs;
  }
  // The second joseki was played in a short game: moves 2 and 3 of it.
  rows[1].gameReference = u"黒 甲　白 乙|2/3|4433342531"_qs;
  return rows;
}

struct BoardWindowWidget : ::testing::Test {
  void SetUp() override {
    folder.WriteCollection(ThreeJoseki());
    Module1::SectionCode = 3;
    form = new Form4();
    form->show();
  }
  void TearDown() override { delete form; }
  ScopedMessageRecorder messages;
  TestProgramFolder folder;
  Form4* form = nullptr;
};
}  // namespace

TEST_F(BoardWindowWidget, OpensWithTheFirstJosekiSelected) {
  EXPECT_EQ(form->List1->count(), 3);
  EXPECT_EQ(form->List1->currentRow(), 0);
  EXPECT_EQ(form->Label2->text(), u"解説1"_qs);
  EXPECT_FALSE(form->Command3->isEnabled());
  EXPECT_TRUE(form->Command12->isEnabled());
  EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(BoardWindowWidget, ChoosingALineDrawsItsJosekiAndGame) {
  form->List1->setCurrentRow(1);
  EXPECT_EQ(form->model.CurrentRecord, 2);
  EXPECT_EQ(form->Label2->text(), u"解説2"_qs);
  EXPECT_EQ(form->Label1->text(), u"黒 甲　白 乙"_qs);
  for (QPushButton* b : {form->Command2, form->Command3, form->Command17, form->Command20,
                         form->Command21, form->Command22})
    EXPECT_TRUE(b->isEnabled());
}

TEST_F(BoardWindowWidget, EndNoticeShowsAndTheTimerHidesIt) {
  form->List1->setCurrentRow(1);
  form->Timer2.setInterval(1);
  QTest::mouseClick(form->Command17, Qt::LeftButton);  // past the end of a 5-move game
  EXPECT_TRUE(form->Image2->isVisible());
  EXPECT_TRUE(form->Timer2.isActive());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !form->Image2->isVisible(); }, 1000));
  EXPECT_FALSE(form->Timer2.isActive());
}

TEST_F(BoardWindowWidget, LabelButtonSwitchesBothFontSizes) {
  QTest::mouseClick(form->Command13, Qt::LeftButton);
  EXPECT_EQ(form->Label1->font().pointSizeF(), 14);
  EXPECT_EQ(form->Label2->font().pointSizeF(), 14);
  QTest::mouseClick(form->Command13, Qt::LeftButton);
  EXPECT_EQ(form->Label2->font().pointSizeF(), 11);
}

TEST_F(BoardWindowWidget, DisplayRepaintsOnlyWhatTheCanvasHolds) {
  const int before = form->model.canvas.refreshCount();
  QTest::mouseClick(form->Command12, Qt::LeftButton);
  EXPECT_GT(form->model.canvas.refreshCount(), before);
  const QImage shown = form->Display->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown, form->model.canvas.master());
}

// After the search input cleared the right board, a click on the line still
// selected draws its joseki and game again.
TEST_F(BoardWindowWidget, ClickOnTheSelectedLineDrawsItAgain) {
  form->List1->setCurrentRow(1);
  QTest::mouseClick(form->Command1, Qt::LeftButton);
  ASSERT_TRUE(form->model.controls.Text6.isEmpty());
  ASSERT_FALSE(form->Command3->isEnabled());
  const QRect line = form->List1->visualItemRect(form->List1->item(1));
  QTest::mouseClick(form->List1->viewport(), Qt::LeftButton, {}, line.center());
  EXPECT_EQ(form->model.controls.Text6, u"黒 甲　白 乙|2/3|4433342531"_qs);
  EXPECT_TRUE(form->Command3->isEnabled());
  EXPECT_EQ(form->model.RightMoveCount, 3);
}
