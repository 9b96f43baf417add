#include "windows/explorer_window.h"

#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

#include "windows/board_window.h"
#include "windows/fonts.h"
#include "windows/position_search_window.h"

namespace {

constexpr int kCell = 22;    // pixels per line of the corner diagram
constexpr int kMargin = 14;  // around the lines
// How often the progress bar asks how far the reading is.
constexpr int kReadingRefreshMs = 100;

// The first board line (column or row) of the corner's region, as on the board.
int FirstLine(bool farSide) {
  return farSide ? kBoardSize - kCornerSize + 1 : 1;
}

// The line of the list: the letter, both sources' counts, and the first
// book rows that go on with it (the rest counted, so a long family stays one line or three).
QString LineText(const ExplorerLine& line) {
  constexpr int kTitlesShown = 2;
  QString text = QStringLiteral("%1　%2　%3").arg(line.label, line.professional, line.engine);
  if (!line.own.isEmpty()) text += QStringLiteral("　") + line.own;
  for (int i = 0; i < std::min<int>(kTitlesShown, line.rowTitles.size()); ++i)
    text += QStringLiteral("\n　　定石：") + line.rowTitles[i];
  if (line.rowTitles.size() > kTitlesShown)
    text += QStringLiteral("\n　　ほか %1 定石").arg(line.rowTitles.size() - kTitlesShown);
  return text;
}

}  // namespace

void CornerDiagramView::Show(const Exploration& exploration) {
  exploration_ = exploration;
  update();
}

void CornerDiagramView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), QColor(222, 184, 120));
  const int firstColumn = FirstLine(exploration_.corner & 1);
  const int firstRow = FirstLine(exploration_.corner & 2);
  const auto at = [&](Point p) {
    return QPointF(kMargin + (p.column - firstColumn) * kCell,
                   kMargin + (p.row - firstRow) * kCell);
  };
  painter.setPen(QPen(Qt::black, 1));
  for (int i = 0; i < kCornerSize; ++i) {
    painter.drawLine(at({firstColumn, firstRow + i}),
                     at({firstColumn + kCornerSize - 1, firstRow + i}));
    painter.drawLine(at({firstColumn + i, firstRow}),
                     at({firstColumn + i, firstRow + kCornerSize - 1}));
  }
  for (int row = firstRow; row < firstRow + kCornerSize; ++row) {
    for (int column = firstColumn; column < firstColumn + kCornerSize; ++column) {
      const int code = exploration_.board.at(column, row);
      if (code == 0) continue;
      const bool black = code % 2 != 0;
      painter.setBrush(black ? Qt::black : Qt::white);
      painter.setPen(QPen(Qt::black, 1));
      painter.drawEllipse(at({column, row}), kCell / 2 - 1, kCell / 2 - 1);
    }
  }
  QFont font(QString::fromUtf16(kProportionalGothic));
  font.setPixelSize(15);
  font.setBold(true);
  painter.setFont(font);
  for (const ExplorerLine& line : exploration_.lines) {
    if (!line.boardPoint) continue;
    const QPointF centre = at(*line.boardPoint);
    const QRectF cell(centre.x() - kCell / 2.0, centre.y() - kCell / 2.0, kCell, kCell);
    painter.fillRect(cell.adjusted(3, 3, -3, -3), QColor(222, 184, 120));
    painter.setPen(QColor(200, 0, 0));
    painter.drawText(cell, Qt::AlignCenter, line.label);
  }
}

ExplorerWindow::ExplorerWindow(BoardWindow& boardWindow, MessageSink& messages,
                               ExplorerSource source)
    : QWidget(&boardWindow, Qt::Window),
      boardWindow_(boardWindow),
      model_(boardWindow.model(), messages) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(u"次の一手"_qs);
  setFixedSize(780, 420);

  leftBoard_ = new QRadioButton(u"左の盤（定石）"_qs, this);
  leftBoard_->setGeometry(10, 8, 140, 22);
  rightBoard_ = new QRadioButton(u"右の盤（検索手順・実戦）"_qs, this);
  rightBoard_->setGeometry(160, 8, 200, 22);
  (source == ExplorerSource::kLeftBoard ? leftBoard_ : rightBoard_)->setChecked(true);
  for (auto [button, followed] : {std::pair{leftBoard_, ExplorerSource::kLeftBoard},
                                  std::pair{rightBoard_, ExplorerSource::kRightBoard}}) {
    connect(button, &QRadioButton::toggled, this, [this, followed = followed](bool on) {
      if (!on) return;
      model_.SetSource(followed);
      Sync();
    });
  }

  heading_ = AddTextLabel(this, {10, 34, 760, 20}, 10);
  diagram_ = new CornerDiagramView(this);
  diagram_->setGeometry(10, 60, 2 * kMargin + (kCornerSize - 1) * kCell,
                        2 * kMargin + (kCornerSize - 1) * kCell);
  summary_ = AddTextLabel(this, {250, 60, 520, 48}, 9);
  list_ = new QListWidget(this);
  list_->setGeometry(250, 110, 520, 230);
  list_->setFont(QFont(QString::fromUtf16(kProportionalGothic), 10));
  endingRows_ = AddTextLabel(this, {10, 300, 230, 110}, 9);

  auto* play = new QPushButton(u"この手を打つ"_qs, this);
  play->setGeometry(250, 348, 120, 25);
  connect(play, &QPushButton::clicked, this, [this] { Choose(list_->currentRow()); });
  connect(list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { Choose(list_->row(item)); });
  auto* byPosition = new QPushButton(u"形で検索"_qs, this);
  byPosition->setGeometry(380, 348, 100, 25);
  connect(byPosition, &QPushButton::clicked, this, &ExplorerWindow::SearchByPosition);
  auto* close = new QPushButton(u"閉じる"_qs, this);
  close->setGeometry(690, 388, 80, 25);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);

  addFolder_ = new QPushButton(u"棋譜フォルダを追加…"_qs, this);
  addFolder_->setGeometry(490, 348, 170, 25);
  connect(addFolder_, &QPushButton::clicked, this, &ExplorerWindow::ChooseGameFolder);
  progress_ = new QProgressBar(this);
  progress_->setGeometry(250, 388, 330, 25);
  cancel_ = new QPushButton(u"中止"_qs, this);
  cancel_->setGeometry(590, 388, 80, 25);
  connect(cancel_, &QPushButton::clicked, this, [this] { model_.CancelReading(); });
  report_ = new QPlainTextEdit(this);
  report_->setWindowFlag(Qt::Window);
  report_->setWindowTitle(u"棋譜フォルダの読み込み"_qs);
  report_->setReadOnly(true);
  report_->resize(600, 300);
  readingTimer_ = new QTimer(this);
  readingTimer_->setInterval(kReadingRefreshMs);
  connect(readingTimer_, &QTimer::timeout, this, [this] { UpdateReading(false); });

  model_.SetSource(source);
  Sync();
  SyncReading();
}

// The dialog is Qt's own and opened without waiting: the window lives on
// while it is open, and its choice arrives as a signal.
void ExplorerWindow::ChooseGameFolder() {
  auto* dialog = new QFileDialog(this, u"自分の棋譜のフォルダ"_qs);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setFileMode(QFileDialog::Directory);
  dialog->setOption(QFileDialog::ShowDirsOnly);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  connect(dialog, &QFileDialog::fileSelected, this, &ExplorerWindow::AddGameFolder);
  dialog->open();
}

void ExplorerWindow::AddGameFolder(const QString& folder) {
  if (folder.isEmpty() || model_.view().reading.busy) return;
  model_.AddGameFolder(folder);
  report_->hide();
  readingTimer_->start();
  SyncReading();
}

void ExplorerWindow::WaitForReading() {
  UpdateReading(true);
}

void ExplorerWindow::UpdateReading(bool wait) {
  if (!model_.UpdateReading(wait)) {
    SyncReading();
    return;
  }
  readingTimer_->stop();
  SyncReading();
  Sync();
  report_->setPlainText(model_.view().reading.report);
  report_->show();
}

void ExplorerWindow::SyncReading() {
  const FolderReadingView& reading = model_.view().reading;
  addFolder_->setEnabled(!reading.busy);
  progress_->setVisible(reading.busy);
  cancel_->setVisible(reading.busy);
  progress_->setRange(0, std::max(reading.files, 1));
  progress_->setValue(reading.filesRead);
  progress_->setFormat(reading.files > 0 ? u"%v / %m ファイル"_qs : u"フォルダを調べています"_qs);
}

void ExplorerWindow::Follow() {
  model_.Follow();
  Sync();
}

void ExplorerWindow::Choose(int line) {
  if (line < 0) return;
  boardWindow_.Run([this, line] { model_.Choose(line); });
  const QSignalBlocker blocker(rightBoard_);
  rightBoard_->setChecked(model_.view().source == ExplorerSource::kRightBoard);
  Sync();
}

PositionSearchWindow* ExplorerWindow::SearchByPosition() {
  if (!positionSearch_)
    positionSearch_ = new PositionSearchWindow(*this);
  else
    positionSearch_->Search();
  positionSearch_->show();
  positionSearch_->raise();
  return positionSearch_;
}

PositionSearchWindow* ExplorerWindow::positionSearch() const {
  return positionSearch_;
}

void ExplorerWindow::ShowMatch(int match) {
  boardWindow_.Run([this, match] { model_.ShowMatch(match); });
  Sync();
}

void ExplorerWindow::Sync() {
  const ExplorerView& view = model_.view();
  {
    const QSignalBlocker left(leftBoard_), right(rightBoard_);
    (view.source == ExplorerSource::kLeftBoard ? leftBoard_ : rightBoard_)->setChecked(true);
  }
  heading_->setText(view.heading);
  summary_->setText(view.exploration.summary);
  diagram_->Show(view.exploration);
  list_->clear();
  for (const ExplorerLine& line : view.exploration.lines) list_->addItem(LineText(line));
  if (list_->count() > 0) list_->setCurrentRow(0);
  endingRows_->setText(view.exploration.endingRows.isEmpty()
                           ? QString()
                           : u"ここで終わる定石：\n"_qs + view.exploration.endingRows.join(u'\n'));
}
