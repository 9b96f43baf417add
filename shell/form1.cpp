#include "shell/form1.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "shell/fonts.h"
#include "shell/form4.h"
#include "shell/form5.h"
#include "shell/help_text.h"
#include "shell/module1.h"
#include "shell/program_folder.h"
#include "shell/window_pictures.h"

namespace {
struct SectionButton {
  const char16_t* caption;
  QColor backColour;
};
const SectionButton kSections[] = {
    {u"置碁の部", QColor(255, 255, 153)},   {u"星 の 部", QColor(255, 255, 153)},
    {u"小目の部", QColor(204, 255, 153)},   {u"高目の部", QColor(153, 255, 153)},
    {u"目外シの部", QColor(102, 255, 153)}, {u"三々の部", QColor(51, 255, 153)},
    {u"その他の部", QColor(0, 255, 153)},
};

// The menu pictures (shell/menu_pictures.h) are drawn at build time and
// compiled in: drawing them here would load their fonts at every start.
QPixmap MenuPicture(const QString& name) {
  return QPixmap::fromImage(WindowPicture(name));
}

QPushButton* PictureButton(QWidget* parent, const QPixmap& picture, const QString& name) {
  auto* button = new QPushButton(parent);
  button->setIcon(picture);
  button->setIconSize(picture.size());
  button->setFlat(true);
  button->setAccessibleName(name);
  return button;
}
}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(512, 383);
  setWindowTitle(u"囲碁定石集"_qs);

  Picture1 = new QLabel(this);
  Picture1->setGeometry(16, 16, 321, 233);
  Picture1->setPixmap(MenuPicture(u"title.pixels"_qs));

  Command5 = PictureButton(this, MenuPicture(u"help_button.pixels"_qs), u"操作説明"_qs);
  Command5->setGeometry(56, 264, 144, 33);
  connect(Command5, &QPushButton::clicked, this, [this] {
    if (!form5) {
      ReadHelpText();
      form5 = new Form5(this);
    }
    form5->show();
    form5->raise();
  });
  Command6 = PictureButton(this, MenuPicture(u"quit_button.pixels"_qs), u"プログラム終了"_qs);
  Command6->setGeometry(56, 312, 144, 33);
  connect(Command6, &QPushButton::clicked, this, &QWidget::close);

  QFont font = InstalledFont(kRoundGothic);
  font.setPointSizeF(14.25);
  font.setBold(true);
  // The face holds every glyph of the captions; without merging it is loaded
  // once, not once more for each script (kanji, hiragana, katakana).
  font.setStyleStrategy(QFont::NoFontMerging);
  for (int k = 0; k < 7; ++k) {
    auto* button = new QPushButton(QString::fromUtf16(kSections[k].caption), this);
    button->setGeometry(352, 32 + 32 * k, 137, 25);
    button->setFont(font);
    connect(button, &QPushButton::clicked, this, [this, k] { ShowSection(k + 1); });
    sectionButtons[k] = button;
  }
  Form_Load();
}

void Form1::Form_Load() {
  for (int k = 0; k < 7; ++k) {
    QPalette palette = sectionButtons[k]->palette();
    palette.setColor(QPalette::Button, kSections[k].backColour);
    sectionButtons[k]->setPalette(palette);
    sectionButtons[k]->setAutoFillBackground(true);
  }
}

void Form1::ReadHelpText() {
  const QString path = ProgramFolder::Path(u"\\fld1\\resume.txt"_qs);
  if (auto text = ReadHelpFile(path)) {
    Module1::HelpText = *text;
    Module1::HelpFileError.clear();
  } else {
    Module1::HelpText.clear();
    Module1::HelpFileError = u"操作説明のファイル「%1」を読み込めませんでした。"_qs.arg(path);
  }
}

void Form1::ShowSection(int sectionCode) {
  Module1::SectionCode = sectionCode;
  // A window still open keeps its list; the new section counts for search input at once.
  if (!form4) form4 = new Form4();
  form4->show();
  form4->raise();
  form4->activateWindow();
}
