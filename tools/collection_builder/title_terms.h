#pragma once
// The terms titles are made of: one spelling per term across the collection.
// data/README.md lists them in a fenced block opened by "```terms"; a title is
// its terms joined by "・", and every one of them must be in the list.

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

#include "collection_builder/joseki.h"

// The words of the README text's fenced block opened by "```" + name (a word
// ending in ':' only labels its line); nullopt when the text has no such block.
std::optional<QSet<QString>> ReadWordBlock(const QString& readmeText, const QString& name);

// The words of the "```terms" block.
inline std::optional<QSet<QString>> ReadTermList(const QString& readmeText) {
  return ReadWordBlock(readmeText, QStringLiteral("terms"));
}

// One reason per part of the joseki's title that is not a listed term.
QStringList CheckTitleTerms(const Joseki& joseki, const QSet<QString>& terms);
