#include "windows/fonts.h"

#include <QFont>
#include <QString>

void InstallFontSubstitutes() {
  QFont::insertSubstitution(QString::fromUtf16(kRoundGothic), u"MotoyaLMaru"_qs);
  QFont::insertSubstitution(QString::fromUtf16(kProportionalGothic), u"IPAPGothic"_qs);
}

QFont InstalledFont(const char16_t* designName) {
  return QFont(QFont::substitute(QString::fromUtf16(designName)));
}
