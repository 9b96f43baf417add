#include "collection_builder/title_terms.h"

#include <QRegularExpression>

std::optional<QSet<QString>> ReadWordBlock(const QString& readmeText, const QString& name) {
  const QStringList lines = readmeText.split(u'\n');
  const qsizetype open = lines.indexOf(u"```"_qs + name);
  if (open < 0) return std::nullopt;
  static const QRegularExpression space(QStringLiteral("\\s+"));
  QSet<QString> terms;
  for (qsizetype i = open + 1; i < lines.size() && !lines[i].startsWith(u"```"); ++i) {
    for (const QString& word : lines[i].split(space, Qt::SkipEmptyParts))
      if (!word.endsWith(u':')) terms.insert(word);
  }
  return terms;
}

QStringList CheckTitleTerms(const Joseki& joseki, const QSet<QString>& terms) {
  QStringList errors;
  for (const QString& part : joseki.title.split(u'・')) {
    if (!terms.contains(part))
      errors << QStringLiteral("%1: 「%2」 is not in the term list of data/README.md")
                    .arg(joseki.Label(), part);
  }
  return errors;
}
