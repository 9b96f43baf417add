#pragma once
// The windows name their fonts as the collection's design does; on this
// platform those families are mapped to installed look-alikes.

inline constexpr const char16_t* kRoundGothic = u"HG丸ｺﾞｼｯｸM-PRO";
inline constexpr const char16_t* kProportionalGothic = u"ＭＳ Ｐゴシック";

// Maps the design's font names to installed families (rounded gothic ->
// MotoyaLMaru, proportional gothic -> IPAPGothic). Call once at start-up.
void InstallFontSubstitutes();
