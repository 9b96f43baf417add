#include "windows/fonts.h"

#include <QLabel>
#include <QScrollArea>

#include <QFont>
#include <QString>

void InstallFontSubstitutes() {
  QFont::insertSubstitution(QString::fromUtf16(kRoundGothic), u"MotoyaLMaru"_qs);
  QFont::insertSubstitution(QString::fromUtf16(kProportionalGothic), u"IPAPGothic"_qs);
}

QFont InstalledFont(const char16_t* designName) {
  return QFont(QFont::substitute(QString::fromUtf16(designName)));
}

QLabel* AddTextLabel(QWidget* parent, QRect geometry, double pointSize) {
  auto* label = new QLabel(parent);
  label->setGeometry(geometry);
  QFont font(QString::fromUtf16(kProportionalGothic));
  font.setPointSizeF(pointSize);
  label->setFont(font);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QString WithNumbersKeptWhole(const QString& text) {
  const auto fullWidthDigit = [](QChar c) { return c >= u'０' && c <= u'９'; };
  QString kept;
  kept.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (i > 0 && fullWidthDigit(text[i - 1]) && fullWidthDigit(text[i])) kept += u'\u2060';
    kept += text[i];
  }
  return kept;
}

QLabel* AddScrollingTextLabel(QWidget* parent, QRect geometry, double pointSize) {
  auto* area = new QScrollArea(parent);
  area->setGeometry(geometry);
  area->setFrameShape(QFrame::NoFrame);
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  area->setWidgetResizable(true);
  // The window's own background shows through, as under a plain label.
  area->viewport()->setAutoFillBackground(false);
  QLabel* label = AddTextLabel(area, {}, pointSize);
  area->setWidget(label);
  label->setAutoFillBackground(false);
  return label;
}
