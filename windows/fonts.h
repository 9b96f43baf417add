#pragma once
// The windows name their fonts as the collection's design does; on this
// platform those families are mapped to installed look-alikes.

#include <QFont>
#include <QRect>

class QLabel;
class QWidget;

inline constexpr const char16_t* kRoundGothic = u"HG丸ｺﾞｼｯｸM-PRO";
inline constexpr const char16_t* kProportionalGothic = u"ＭＳ Ｐゴシック";

// Maps the design's font names to installed families (rounded gothic ->
// MotoyaLMaru, proportional gothic -> IPAPGothic). Call once at start-up.
void InstallFontSubstitutes();

// A font of the installed family that stands for a design font name. Qt would
// find the same face from the design name too, but only after a failed match
// and a fontconfig fallback query on every lookup, which costs the menu's
// start several milliseconds.
QFont InstalledFont(const char16_t* designName);

// A plain-text label in the proportional gothic at pointSize, wrapping, set
// at the upper left of geometry within parent.
QLabel* AddTextLabel(QWidget* parent, QRect geometry, double pointSize);
// The same label in a frameless area of that geometry that scrolls it
// vertically when the text does not fit (a long text, or larger type).
QLabel* AddScrollingTextLabel(QWidget* parent, QRect geometry, double pointSize);

// The text with a word joiner between full-width digits, which lines may
// otherwise break between as between kanji: 「白１１」 stays on one line.
QString WithNumbersKeptWhole(const QString& text);
