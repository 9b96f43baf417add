#include "shell/form5.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "shell/fonts.h"
#include "shell/help_text.h"
#include "shell/module1.h"

Form5::Form5(QWidget* parent) : QWidget(parent, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(u"操作説明"_qs);
  setFixedSize(593, 545);

  Combo1 = new QComboBox(this);
  Combo1->setGeometry(40, 24, 297, Combo1->sizeHint().height());
  Combo1->addItems(HelpTopics());
  Combo1->setPlaceholderText(u"ボタンをクリック→"_qs);
  Combo1->setCurrentIndex(-1);
  connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

  Command1 = new QPushButton(u"メニューに戻り"_qs, this);
  Command1->setGeometry(464, 24, 89, 25);
  connect(Command1, &QPushButton::clicked, this, &QWidget::close);

  Label1 = new QLabel(this);
  Label1->setGeometry(40, 56, 521, 465);
  Label1->setFont(QFont(QString::fromUtf16(kProportionalGothic), 12));
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setWordWrap(true);
  Label1->setTextFormat(Qt::PlainText);
}

void Form5::Combo1_Click() {
  if (!Module1::HelpFileError.isEmpty()) {
    Label1->setText(Module1::HelpFileError);
    return;
  }
  Label1->setText(HelpSection(Module1::HelpText, Combo1->currentText()));
}
