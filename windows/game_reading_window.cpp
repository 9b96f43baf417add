#include "windows/game_reading_window.h"

#include <QLabel>
#include <QListWidget>

#include "windows/fonts.h"

GameReadingWindow::GameReadingWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(u"棋譜の定石"_qs);
  setFixedSize(600, 160);
  const QFont font(QString::fromUtf16(kProportionalGothic), 10);

  heading_ = new QLabel(this);
  heading_->setGeometry(8, 8, 584, 20);
  heading_->setFont(font);
  heading_->setTextFormat(Qt::PlainText);

  corners_ = new QListWidget(this);
  corners_->setGeometry(8, 32, 584, 96);
  corners_->setFont(font);
  for (auto signal : {&QListWidget::clicked, &QListWidget::activated}) {
    connect(corners_, signal, this, [this](const QModelIndex& index) {
      if (onLineChosen) onLineChosen(index.row());
    });
  }

  auto* hint = new QLabel(
      u"行を選ぶと、定石を左の盤に、実戦を定石から外れた手まで右の盤に表示します。"_qs, this);
  hint->setGeometry(8, 134, 584, 20);
  hint->setFont(font);
}

void GameReadingWindow::Show(const QString& heading, const QStringList& lines,
                             const std::vector<bool>& choosable) {
  heading_->setText(heading);
  corners_->clear();
  corners_->addItems(lines);
  for (int i = 0; i < corners_->count() && i < int(choosable.size()); ++i) {
    if (!choosable[size_t(i)]) corners_->item(i)->setFlags(Qt::NoItemFlags);
  }
}
