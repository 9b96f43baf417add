#pragma once
// One spelling per term in captions and commentary. data/README.md lists, in a
// block opened by "```spellings", each term (of the term list or the shape
// terms) with the other spellings that must not be used for it — 「ハサミ: 挟」,
// 「オサエ: 押さえ 押え」 — and, on a line 「ほかの語:」, the words that contain
// such a spelling but are other words (孤立, 切り離す). A term's verb is written
// with the term's katakana stem and hiragana endings: ハサんで, ノびて, オサえる.

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

#include "collection_builder/joseki.h"

struct TermSpellings {
  std::vector<std::pair<QString, QString>> others;  // another spelling, the term
  QStringList otherWords;                           // words that are not the term
};

// The "```spellings" block of the README text; nullopt without one.
std::optional<TermSpellings> ReadTermSpellings(const QString& readmeText);

// One reason per listed term that is neither in the term list nor a shape term.
QStringList CheckSpellingTerms(const TermSpellings& spellings, const QSet<QString>& terms);

// One reason per other spelling of a term in the joseki's caption or commentary.
QStringList CheckTermSpelling(const Joseki& joseki, const TermSpellings& spellings);
