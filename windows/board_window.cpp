#include "windows/board_window.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

#include "pictures/end_notice.h"
#include "windows/board_display.h"
#include "windows/explorer_window.h"
#include "windows/fonts.h"

namespace {

void SetFontSize(QLabel* label, double pointSize) {
  QFont font = label->font();
  if (font.pointSizeF() == pointSize) return;
  font.setPointSizeF(pointSize);
  label->setFont(font);
}

QLabel* AddEndNotice(QWidget* parent, QPoint position) {
  auto* notice = new QLabel(parent);
  const QPixmap picture = QPixmap::fromImage(EndNoticePicture());
  notice->setPixmap(picture);
  notice->setGeometry(QRect(position, picture.size()));
  notice->hide();
  return notice;
}
}  // namespace

BoardWindow::BoardWindow(const ProgramFolder& folder, Section section, MessageSink& messages,
                         FileChooser& files, QWidget* parent)
    : QWidget(parent, Qt::Window),
      messages_(*this, messages),
      files_(files),
      model_(folder, section, messages_) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(u"定石表示"_qs);
  setFixedSize(878, 680);

  display_ = new BoardDisplay(model_.canvas(), this);
  display_->move(10, 10);
  display_->onClick = [this](double x, double y) { Run([&] { model_.ClickBoardAt(x, y); }); };
  // A game file dropped on the window is opened; each board has a context menu.
  setAcceptDrops(true);
  display_->onContextMenu = [this](QPoint at, QPoint globalAt) { ShowBoardMenu(at, globalAt); };

  josekiList_ = new QListWidget(this);
  josekiList_->setGeometry(264, 456, 257, 184);
  josekiList_->setFont(QFont(QString::fromUtf16(kProportionalGothic), 10));
  connect(josekiList_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) Run([this, row] { model_.SelectLine(row); });
  });
  // A click on the line already selected draws its joseki again (the search
  // input may have cleared the right board); a click that changes the line
  // has drawn it through the change above.
  josekiList_->viewport()->installEventFilter(this);
  connect(josekiList_, &QListWidget::clicked, this, [this](const QModelIndex& index) {
    if (index.row() == rowBeforePress_) Run([this, row = index.row()] { model_.SelectLine(row); });
  });

  commentary_ = AddScrollingTextLabel(this, {8, 456, 241, 153}, BoardWindowView::kNormalTextSize);
  gameHeading_ = AddTextLabel(this, {664, 456, 201, 105}, BoardWindowView::kNormalTextSize);
  caption_ = AddTextLabel(this, {8, 652, 500, 20}, 9);

  gameButtons_ = {
      AddButton(u"棋譜の表示"_qs, {680, 560, 73, 25}, &BoardWindowModel::ShowJosekiInGame),
      AddButton(u"１手進む"_qs, {680, 592, 73, 25}, &BoardWindowModel::ForwardOneMove),
      AddButton(u"１手戻る"_qs, {680, 624, 73, 25}, &BoardWindowModel::BackOneMove),
      AddButton(u"初手に戻る"_qs, {760, 560, 73, 25}, &BoardWindowModel::GoToFirstMove),
      AddButton(u"５手進む"_qs, {760, 592, 73, 25}, &BoardWindowModel::ForwardFiveMoves),
      AddButton(u"５手戻る"_qs, {760, 624, 73, 25}, &BoardWindowModel::BackFiveMoves),
  };
  // The other games of the joseki, below the game buttons.
  gameCount_ = AddTextLabel(this, {520, 656, 156, 20}, 9);
  gameCount_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  previousGame_ =
      AddButton(u"前の実戦"_qs, {680, 653, 73, 25}, &BoardWindowModel::ShowPreviousGame);
  nextGame_ = AddButton(u"次の実戦"_qs, {760, 653, 73, 25}, &BoardWindowModel::ShowNextGame);
  AddButton(u"文字拡大"_qs, {600, 624, 57, 25}, &BoardWindowModel::ToggleTextSize);
  AddButton(u"全手順表示"_qs, {176, 624, 73, 25}, &BoardWindowModel::ShowWholeJoseki);
  for (QPushButton* walk :
       {AddButton(u"手順表示開始"_qs, {8, 624, 81, 25}, &BoardWindowModel::StartWalk),
        AddButton(u"次手を表示"_qs, {96, 624, 73, 25}, &BoardWindowModel::ShowNextMove)}) {
    QPalette palette = walk->palette();
    palette.setColor(QPalette::Button, QColor(255, 192, 192));
    walk->setPalette(palette);
  }

  AddButton(u"検索手順の入力開始"_qs, {528, 456, 130, 23}, &BoardWindowModel::StartSearchInput)
      ->setToolTip(u"左上隅に入力"_qs);
  AddButton(u"手順を減らす"_qs, {528, 480, 130, 23}, &BoardWindowModel::RemoveLastSearchStone)
      ->setToolTip(u"クリックのたびに手順を１つ短くします。"_qs);
  AddButton(u"手順を追加する"_qs, {528, 504, 130, 23}, &BoardWindowModel::ContinueSearchInput)
      ->setToolTip(u"追加着手の入力"_qs);
  AddButton(u"検索手順の再表示"_qs, {528, 528, 130, 23}, &BoardWindowModel::ShowSearchSequenceAgain)
      ->setToolTip(u"最後に入力した検索手順の表示"_qs);
  AddButton(u"検 索 実 行"_qs, {528, 552, 130, 23}, &BoardWindowModel::RunSearch)
      ->setToolTip(u"該当する定石等を検索"_qs);
  AddButton(u"検索中止・終了"_qs, {528, 576, 130, 23}, &BoardWindowModel::EndSearchInput);

  // 次の一手, in the free strip below the search buttons.
  auto* explore = new QPushButton(u"次の一手"_qs, this);
  explore->setGeometry(528, 600, 130, 22);
  explore->setToolTip(u"この形の次に打たれた手（プロの実戦・AI の対局・定石）"_qs);
  connect(explore, &QPushButton::clicked, this,
          [this] { OpenExplorer(ExplorerSource::kLeftBoard); });

  auto* menu = new QPushButton(u"メニュー"_qs, this);
  menu->setGeometry(528, 624, 66, 25);
  connect(menu, &QPushButton::clicked, this, &QWidget::close);

  leftEndNotice_ = AddEndNotice(this, {80, 456});
  rightEndNotice_ = AddEndNotice(this, {700, 456});
  leftEndNotice_->raise();
  rightEndNotice_->raise();

  for (QTimer* timer : {&endNoticeTimer_, &searchReportTimer_}) timer->setInterval(1000);
  connect(&endNoticeTimer_, &QTimer::timeout, this,
          [this] { Run([this] { model_.HideEndNotices(); }); });
  connect(&searchReportTimer_, &QTimer::timeout, this,
          [this] { Run([this] { model_.ReportSearchResult(); }); });

  AddKeys();
  Run([this] { model_.Load(); });
}

// Each key clicks its button, so it does exactly what the button does, and
// nothing while the button is disabled. As window shortcuts they come before
// the list's own use of the same keys.
void BoardWindow::AddKeys() {
  const std::pair<QKeySequence, const char16_t*> keys[] = {
      {Qt::Key_Left, u"１手戻る"},
      {Qt::Key_Right, u"１手進む"},
      {Qt::SHIFT | Qt::Key_Left, u"５手戻る"},
      {Qt::SHIFT | Qt::Key_Right, u"５手進む"},
      {Qt::Key_Home, u"初手に戻る"},
      {Qt::Key_End, u"棋譜の表示"},
      {Qt::Key_PageUp, u"前の実戦"},
      {Qt::Key_PageDown, u"次の実戦"},
      {Qt::Key_Space, u"次手を表示"},
      {QKeySequence::Find, u"検索手順の入力開始"},
      {Qt::Key_Return, u"検 索 実 行"},
      {Qt::Key_Enter, u"検 索 実 行"},
      {Qt::Key_Escape, u"検索中止・終了"},
      {Qt::CTRL | Qt::Key_N, u"次の一手"},
  };
  for (const auto& [key, caption] : keys) {
    QPushButton* target = button(QString::fromUtf16(caption));
    connect(new QShortcut(key, this), &QShortcut::activated, target, &QPushButton::click);
  }
}

QPushButton* BoardWindow::AddButton(const QString& caption, QRect geometry,
                                    void (BoardWindowModel::*handler)()) {
  auto* button = new QPushButton(caption, this);
  button->setGeometry(geometry);
  connect(button, &QPushButton::clicked, this,
          [this, handler] { Run([this, handler] { (model_.*handler)(); }); });
  return button;
}

QPushButton* BoardWindow::button(const QString& caption) const {
  for (QPushButton* b : findChildren<QPushButton*>())
    if (b->text() == caption) return b;
  return nullptr;
}

bool BoardWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == josekiList_->viewport() && event->type() == QEvent::MouseButtonPress)
    rowBeforePress_ = josekiList_->currentRow();
  return QWidget::eventFilter(watched, event);
}

void BoardWindow::SyncBeforeMessages::ShowMessage(const QString& text) {
  window_.Sync();
  inner_.ShowMessage(text);
}

void BoardWindow::Run(const std::function<void()>& handler) {
  handler();
  Sync();
}

void BoardWindow::Sync() {
  const BoardWindowView& view = model_.view();
  {
    const QSignalBlocker blocker(josekiList_);
    if (listedTitles_ != view.titles) {
      listedTitles_ = view.titles;
      josekiList_->clear();
      josekiList_->addItems(view.titles);
      ShowCutTitlesAsTooltips();
    }
    const int line = view.selectedLine.value_or(-1);
    if (josekiList_->currentRow() != line) josekiList_->setCurrentRow(line);
  }
  gameHeading_->setText(view.gameHeading);
  commentary_->setText(WithNumbersKeptWhole(view.commentary));
  caption_->setText(view.caption);
  gameCount_->setText(view.gameCount);
  previousGame_->setEnabled(view.previousGameEnabled);
  nextGame_->setEnabled(view.nextGameEnabled);
  SetFontSize(gameHeading_, view.textSize);
  SetFontSize(commentary_, view.textSize);
  for (QPushButton* button : gameButtons_) button->setEnabled(view.gameButtonsEnabled);
  leftEndNotice_->setVisible(view.leftEndNoticeShown);
  rightEndNotice_->setVisible(view.rightEndNoticeShown);
  for (auto [timer, running] : {std::pair{&endNoticeTimer_, view.endNoticeTimerRunning},
                                {&searchReportTimer_, view.searchReportPending}}) {
    if (running && !timer->isActive()) timer->start();
    if (!running && timer->isActive()) timer->stop();
  }
  if (explorer_) explorer_->Follow();
}

void BoardWindow::ShowCutTitlesAsTooltips() {
  const QFontMetrics metrics(josekiList_->font());
  // The list's own width, as the window lays it out before it is shown: its
  // frame, the vertical scroll bar and the line's text margin take their share.
  constexpr int kTextMargin = 4;
  const int room = josekiList_->width() - 2 * josekiList_->frameWidth() -
                   josekiList_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - kTextMargin;
  for (int i = 0; i < josekiList_->count(); ++i) {
    QListWidgetItem* line = josekiList_->item(i);
    const bool cut = metrics.horizontalAdvance(line->text()) > room;
    line->setToolTip(cut ? line->text() : QString());
  }
}
