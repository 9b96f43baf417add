#include "shell/move_encoding.h"

int CoordValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'G' && u <= u'J') return 16 + (u - u'G');
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'A' && u <= u'F') return 10 + (u - u'A');
  if (u >= u'a' && u <= u'f') return 10 + (u - u'a');
  return 0;
}

int CoordValue(const QString& s) { return s.size() == 1 ? CoordValue(s[0]) : 0; }

QChar CoordChar(int value) {
  if (value >= 1 && value <= 9) return QChar(u'0' + value);
  if (value >= 10 && value <= 15) return QChar(u'A' + (value - 10));
  if (value >= 16 && value <= 19) return QChar(u'G' + (value - 16));
  return kTenuki;
}
