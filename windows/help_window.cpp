#include "windows/help_window.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "windows/fonts.h"

HelpWindow::HelpWindow(const QString& helpFile, QWidget* parent)
    : QWidget(parent, Qt::Window), help_(LoadHelpText(helpFile)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(u"操作説明"_qs);
  setFixedSize(593, 545);

  topics_ = new QComboBox(this);
  topics_->setGeometry(40, 24, 297, topics_->sizeHint().height());
  topics_->addItems(HelpTopics());
  topics_->setPlaceholderText(u"ボタンをクリック→"_qs);
  topics_->setCurrentIndex(-1);
  connect(topics_, &QComboBox::activated, this, [this] { ShowChosenTopic(); });

  auto* back = new QPushButton(u"メニューに戻り"_qs, this);
  back->setGeometry(464, 24, 89, 25);
  connect(back, &QPushButton::clicked, this, &QWidget::close);

  topicText_ = new QLabel(this);
  topicText_->setGeometry(40, 56, 521, 465);
  topicText_->setFont(QFont(QString::fromUtf16(kProportionalGothic), 12));
  topicText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  topicText_->setWordWrap(true);
  topicText_->setTextFormat(Qt::PlainText);
}

void HelpWindow::ShowChosenTopic() {
  topicText_->setText(help_.error.isEmpty() ? HelpSection(help_.text, topics_->currentText())
                                            : help_.error);
}
