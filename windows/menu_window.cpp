#include "windows/menu_window.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <optional>

#include "pictures/window_pictures.h"
#include "windows/board_window.h"
#include "windows/drill_window.h"
#include "windows/file_chooser.h"
#include "windows/fonts.h"
#include "windows/game_reading_window.h"
#include "windows/help_window.h"

namespace {
// The menu's pictures are drawn at build time (tools/draw_window_pictures) and
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

MenuWindow::MenuWindow(const ProgramFolder& folder, MessageSink& messages, FileChooser& files,
                       QWidget* parent)
    : QWidget(parent),
      folder_(folder),
      messages_(messages),
      files_(files),
      reading_(folder, messages) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(512, 383);
  setWindowTitle(u"囲碁定石集"_qs);

  titlePicture_ = new QLabel(this);
  titlePicture_->setGeometry(16, 16, 321, 233);
  titlePicture_->setPixmap(MenuPicture(u"title.pixels"_qs));

  helpButton_ = PictureButton(this, MenuPicture(u"help_button.pixels"_qs), u"操作説明"_qs);
  helpButton_->setGeometry(56, 264, 144, 33);
  connect(helpButton_, &QPushButton::clicked, this, [this] {
    if (!helpWindow_) helpWindow_ = new HelpWindow(folder_.HelpFile(), this);
    helpWindow_->show();
    helpWindow_->raise();
  });
  quitButton_ = PictureButton(this, MenuPicture(u"quit_button.pixels"_qs), u"プログラム終了"_qs);
  quitButton_->setGeometry(56, 312, 144, 33);
  connect(quitButton_, &QPushButton::clicked, this, &QWidget::close);

  QFont font = InstalledFont(kRoundGothic);
  font.setPointSizeF(14.25);
  font.setBold(true);
  // The face holds every glyph of the captions; without merging it is loaded
  // once, not once more for each script (kanji, hiragana, katakana).
  font.setStyleStrategy(QFont::NoFontMerging);
  for (Section section : kSections) {
    const SectionFacts& facts = FactsOf(section);
    const int k = IndexOf(section);
    auto* button = new QPushButton(QString::fromUtf16(facts.menuCaption), this);
    button->setGeometry(352, 32 + 32 * k, 137, 25);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, QColor::fromRgb(QRgb(facts.menuColour)));
    button->setPalette(palette);
    button->setAutoFillBackground(true);
    connect(button, &QPushButton::clicked, this, [this, section] { ShowSection(section); });
    sectionButtons_[size_t(k)] = button;
  }

  // The face of the section buttons, already loaded: no other face costs the start.
  gameButton_ = new QPushButton(u"棋譜を読み込む"_qs, this);
  gameButton_->setGeometry(352, 268, 137, 25);
  gameButton_->setFont(font);
  connect(gameButton_, &QPushButton::clicked, this, [this] {
    const QString path = files_.FileToOpen(this, u"棋譜を読み込む"_qs,
                                           u"SGFファイル (*.sgf);;すべてのファイル (*)"_qs);
    if (!path.isEmpty()) OpenGame(path);
  });

  drillButton_ = new QPushButton(u"定石練習"_qs, this);
  drillButton_->setGeometry(352, 300, 137, 25);
  drillButton_->setFont(font);
  connect(drillButton_, &QPushButton::clicked, this, &MenuWindow::ShowDrill);
}

void MenuWindow::ShowDrill() {
  if (!drillWindow_)
    drillWindow_ = new DrillWindow(folder_, ProgressStore::DefaultPath(), messages_);
  drillWindow_->show();
  drillWindow_->raise();
  drillWindow_->activateWindow();
}

DrillWindow* MenuWindow::drillWindow() const {
  return drillWindow_;
}

void MenuWindow::KeepOwnGameLines(const QString& path) {
  const std::vector<OwnGameLine> lines = reading_.LinesLeftTheBook(path);
  if (lines.empty()) return;
  if (drillWindow_) return drillWindow_->model().AddOwnGameLines(lines);
  ProgressStore store(ProgressStore::DefaultPath());
  if (!store.notice().isEmpty()) messages_.ShowMessage(store.notice());
  if (!store.AddOwnGameLines(lines)) messages_.ShowMessage(store.error());
}

void MenuWindow::ShowSection(Section section) {
  // A window of another section gives way to the section pressed, in its place:
  // what メニュー and the button would give, without the window moving.
  std::optional<QPoint> place;
  if (boardWindow_ && boardWindow_->model().section() != section) {
    place = boardWindow_->pos();
    boardWindow_->close();
    boardWindow_ = nullptr;
  }
  if (!boardWindow_) {
    boardWindow_ = new BoardWindow(folder_, section, messages_, files_);
    boardWindow_->onFileDropped = [this](const QString& path) { OpenGame(path); };
    if (place) boardWindow_->move(*place);
  }
  boardWindow_->show();
  boardWindow_->raise();
  boardWindow_->activateWindow();
}

BoardWindow* MenuWindow::boardWindow() const {
  return boardWindow_;
}

HelpWindow* MenuWindow::helpWindow() const {
  return helpWindow_;
}

GameReadingWindow* MenuWindow::readingWindow() const {
  return readingWindow_;
}

void MenuWindow::OpenGame(const QString& path) {
  if (!reading_.OpenGame(path)) return;
  KeepOwnGameLines(path);
  if (!readingWindow_) {
    readingWindow_ = new GameReadingWindow(this);
    readingWindow_->onLineChosen = [this](int line) { ShowGameCorner(line); };
  }
  std::vector<bool> choosable;
  for (int line = 0; line < int(reading_.lines().size()); ++line)
    choosable.push_back(reading_.Choice(line).has_value());
  readingWindow_->Show(reading_.heading(), reading_.lines(), choosable);
  readingWindow_->show();
  readingWindow_->raise();
  readingWindow_->activateWindow();
}

void MenuWindow::ShowGameCorner(int line) {
  const std::optional<CornerChoice> choice = reading_.Choice(line);
  if (!choice) return;
  ShowSection(choice->section);
  boardWindow_->ShowGameCorner(*choice);
}
