#include "windows/position_search_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "windows/explorer_window.h"
#include "windows/fonts.h"

PositionSearchWindow::PositionSearchWindow(ExplorerWindow& explorer)
    : QWidget(&explorer, Qt::Window), explorer_(explorer) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(u"形で検索"_qs);
  setFixedSize(560, 360);
  summary_ = AddTextLabel(this, {10, 6, 540, 60}, 9);
  list_ = new QListWidget(this);
  list_->setGeometry(10, 70, 540, 242);
  list_->setFont(QFont(QString::fromUtf16(kProportionalGothic), 10));
  connect(list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { Choose(list_->row(item)); });
  auto* show = new QPushButton(u"この定石を表示"_qs, this);
  show->setGeometry(10, 322, 130, 25);
  connect(show, &QPushButton::clicked, this, [this] { Choose(list_->currentRow()); });
  auto* again = new QPushButton(u"今の形で検索"_qs, this);
  again->setGeometry(150, 322, 120, 25);
  connect(again, &QPushButton::clicked, this, &PositionSearchWindow::Search);
  auto* close = new QPushButton(u"閉じる"_qs, this);
  close->setGeometry(470, 322, 80, 25);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
  Search();
}

void PositionSearchWindow::Search() {
  ExplorerModel& model = explorer_.model();
  model.SearchByPosition();
  summary_->setText(model.positionSearch().summary);
  list_->clear();
  for (const PositionMatch& match : model.positionSearch().matches) list_->addItem(match.Text());
  if (list_->count() > 0) list_->setCurrentRow(0);
}

void PositionSearchWindow::Choose(int match) {
  if (match >= 0) explorer_.ShowMatch(match);
}
