#pragma once
// One-character coordinates and the triple layout of a move string.
// A row or column 1..19 is "1".."9", "A".."F", then "G".."J"; a move played
// elsewhere (tenuki) is the triple "???". Game moves are pairs: row, column.

#include <QChar>
#include <QString>

// Decodes one coordinate character: "G".."J" -> 16..19 (case matters), else the
// character read as a hexadecimal digit (either case); anything else -> 0.
int CoordValue(QChar c);
// Same for a string: the empty string and strings of more than one character
// decode to 0, as a single character is what a coordinate is.
int CoordValue(const QString& s);

// Encodes 1..19 as its coordinate character; other values give '?'.
QChar CoordChar(int value);

inline constexpr QChar kTenuki = u'?';

// Character i (0-based) of s, or the null character past its end, so that a
// short last triple reads as empty and decodes to 0.
inline QChar CharAt(const QString& s, qsizetype i) {
  return i >= 0 && i < s.size() ? s[i] : QChar();
}
