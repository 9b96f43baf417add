// The menu and help windows, clicked as a user would, headless.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "shell/form1.h"
#include "shell/form4.h"
#include "shell/form5.h"
#include "shell/help_text.h"
#include "shell/menu_pictures.h"
#include "shell/messages.h"
#include "shell/module1.h"
#include "shell/startup.h"
#include "shell/window_pictures.h"
#include "support/test_collection.h"

namespace {
void Click(QPushButton* button) {
  QTest::mouseClick(button, Qt::LeftButton);
}

std::vector<TestRow> TwoSections() {
  TestRow komoku;
  komoku.title = u"小目・小ゲイマガカリ"_qs;
  komoku.five = u"2A"_qs;
  komoku.moves = u"342531"_qs;
  TestRow others;
  others.title = u"五の五"_qs;
  others.five = u"8A"_qs;
  others.moves = u"552"_qs;
  return {komoku, others};
}
}  // namespace

TEST(Menu, SectionButtonsShowTheBoardWindowForTheirSection) {
  ScopedMessageRecorder messages;
  TestProgramFolder folder;
  folder.WriteCollection(TwoSections());
  Form1 menu;
  menu.show();
  const QStringList captions = {u"置碁の部"_qs,   u"星 の 部"_qs, u"小目の部"_qs,  u"高目の部"_qs,
                                u"目外シの部"_qs, u"三々の部"_qs, u"その他の部"_qs};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(menu.sectionButtons[k]->text(), captions[k]);

  Click(menu.sectionButtons[2]);
  EXPECT_EQ(Module1::SectionCode, 3);
  ASSERT_TRUE(menu.form4);
  EXPECT_TRUE(menu.form4->isVisible());
  EXPECT_EQ(menu.form4->List1->count(), 1);
  EXPECT_EQ(menu.form4->List1->item(0)->text(), u"小目・小ゲイマガカリ"_qs);

  // A section pressed while the board window is open only brings it forward.
  Click(menu.sectionButtons[6]);
  EXPECT_EQ(Module1::SectionCode, 7);
  EXPECT_EQ(menu.form4->List1->item(0)->text(), u"小目・小ゲイマガカリ"_qs);

  // After "メニュー" the window is made afresh for the new section.
  Click(menu.form4->Command7);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(menu.form4);
  Click(menu.sectionButtons[6]);
  ASSERT_TRUE(menu.form4);
  EXPECT_EQ(menu.form4->List1->item(0)->text(), u"五の五"_qs);
  menu.form4->close();
  EXPECT_TRUE(messages.messages.isEmpty());
}

// The pictures are drawn at build time and compiled in: the menu must show
// exactly what the drawing code gives.
TEST(Menu, ShowsTheDrawnPictures) {
  Form1 menu;
  const auto same = [](const QPixmap& shown, const QImage& drawn) {
    return shown.toImage().convertToFormat(QImage::Format_RGB32) ==
           drawn.convertToFormat(QImage::Format_RGB32);
  };
  EXPECT_TRUE(same(menu.Picture1->pixmap(), TitlePicture()));
  EXPECT_TRUE(same(menu.Command5->icon().pixmap(menu.Command5->iconSize()), HelpButtonPicture()));
  EXPECT_TRUE(same(menu.Command6->icon().pixmap(menu.Command6->iconSize()), QuitButtonPicture()));
  EXPECT_TRUE(WindowPicture(u"missing.pixels"_qs).isNull());
}

TEST(Menu, ProgramIconHasBothSizes) {
  const QIcon icon = ProgramIcon();
  EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{48, 48}, {128, 128}}));
  for (const QSize& size : icon.availableSizes()) EXPECT_FALSE(icon.pixmap(size).isNull());
}

TEST(Menu, HelpWindowShowsTheChosenTopic) {
  Form1 menu;
  Click(menu.Command5);
  ASSERT_FALSE(Module1::HelpText.isEmpty());
  ASSERT_TRUE(menu.form5);
  Form5* help = menu.form5;
  EXPECT_EQ(help->Combo1->count(), 20);
  EXPECT_EQ(help->Combo1->placeholderText(), u"ボタンをクリック→"_qs);
  EXPECT_TRUE(help->Label1->text().isEmpty());
  help->Combo1->setCurrentIndex(12);
  help->Combo1_Click();
  EXPECT_EQ(help->Label1->text(), HelpSection(Module1::HelpText, u"定石検索"_qs));
  EXPECT_FALSE(help->Label1->text().isEmpty());
  Click(help->Command1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(menu.form5);
}

TEST(Menu, MissingHelpFileLeavesTheMenuUsableAndSaysSo) {
  TestProgramFolder folder;  // has no fld1/resume.txt
  Form1 menu;
  Click(menu.Command5);
  EXPECT_TRUE(Module1::HelpText.isEmpty());
  menu.form5->Combo1->setCurrentIndex(0);
  menu.form5->Combo1_Click();
  EXPECT_TRUE(menu.form5->Label1->text().contains(u"resume.txt"_qs));
  menu.form5->close();
}

TEST(Menu, EndButtonClosesTheMenu) {
  auto* menu = new Form1();
  menu->show();
  QPointer<Form1> alive(menu);
  Click(menu->Command6);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(alive);
}
