#include "collection_builder/term_spelling.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

bool IsKanji(QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; }

// A spelling of one kanji inside a longer kanji word (孤立, 展開) is that word,
// not the term; a count or 高/低 before it (二間開き, 高挟み) still makes the term.
bool InsideAWord(const QString& text, qsizetype i, const QString& spelling) {
  return spelling.size() == 1 && IsKanji(spelling[0]) && i > 0 && IsKanji(text[i - 1]) &&
         !QStringLiteral("一二三四五六間高低").contains(text[i - 1]);
}

void CheckText(const QString& field, const QString& text, const TermSpellings& spellings,
               QStringList& reasons) {
  for (qsizetype i = 0; i < text.size();) {
    const auto other = std::find_if(spellings.otherWords.begin(), spellings.otherWords.end(),
                                    [&](const QString& w) { return text.mid(i, w.size()) == w; });
    if (other != spellings.otherWords.end()) {
      i += other->size();
      continue;
    }
    const auto wrong = std::find_if(spellings.others.begin(), spellings.others.end(),
                                    [&](const auto& s) { return text.mid(i, s.first.size()) == s.first; });
    if (wrong != spellings.others.end() && !InsideAWord(text, i, wrong->first)) {
      reasons << QStringLiteral("%1: 「%2」 in 「%3」: the term is written %4 (one spelling per term)")
                     .arg(field, wrong->first, text.mid(std::max<qsizetype>(0, i - 4), 10),
                          wrong->second);
      i += wrong->first.size();
      continue;
    }
    ++i;
  }
}

}  // namespace

std::optional<TermSpellings> ReadTermSpellings(const QString& readmeText) {
  const QStringList lines = readmeText.split(u'\n');
  const qsizetype open = lines.indexOf(QStringLiteral("```spellings"));
  if (open < 0) return std::nullopt;
  static const QRegularExpression space(QStringLiteral("\\s+"));
  TermSpellings spellings;
  for (qsizetype i = open + 1; i < lines.size() && !lines[i].startsWith(u"```"); ++i) {
    QStringList words = lines[i].split(space, Qt::SkipEmptyParts);
    if (words.size() < 2 || !words.front().endsWith(u':')) continue;
    const QString head = words.takeFirst().chopped(1);
    if (head == u"ほかの語")
      spellings.otherWords << words;
    else
      for (const QString& w : words) spellings.others.push_back({w, head});
  }
  // Longest first, so that 押さえ (オサエ) wins over 押さ (オシ).
  auto longer = [](const QString& a, const QString& b) { return a.size() > b.size(); };
  std::stable_sort(spellings.others.begin(), spellings.others.end(),
                   [&](const auto& a, const auto& b) { return longer(a.first, b.first); });
  std::stable_sort(spellings.otherWords.begin(), spellings.otherWords.end(), longer);
  return spellings;
}

QStringList CheckSpellingTerms(const TermSpellings& spellings, const QSet<QString>& terms) {
  QStringList reasons;
  QStringList seen;
  for (const auto& [spelling, term] : spellings.others) {
    if (terms.contains(term) || seen.contains(term)) continue;
    seen << term;
    reasons << QStringLiteral("README.md: spellings of 「%1」, which is no term").arg(term);
  }
  return reasons;
}

QStringList CheckTermSpelling(const Joseki& joseki, const TermSpellings& spellings) {
  QStringList reasons;
  CheckText(QStringLiteral("JC"), joseki.caption, spellings, reasons);
  CheckText(QStringLiteral("C"), joseki.commentary, spellings, reasons);
  QStringList errors;
  for (const QString& reason : reasons) errors << QStringLiteral("%1: %2").arg(joseki.Label(), reason);
  return errors;
}
