#pragma once
// The words of a joseki's texts checked against its moves. A move is named in
// a caption or commentary by its display number (黒４, 白３, or after 黒は/白が,
// or in a list 「白７、９」); every name must be a numbered move that exists and
// has that colour. A shape word tied to a named move — 「黒４のハネ」,
// 「白３と白１の上にツけて」, 「黒６と三間に挟んで」 — must be one of the names
// the shape namer (rules/shape_names.h) gives that move on the board of the
// line, and the last term of the title, when it is a shape term, must fit a
// move of the line. The shape terms are the words of the
// "```shapes" block of data/README.md.

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "collection_builder/joseki.h"

// The words of the "```shapes" block of the README text; nullopt without one.
std::optional<QSet<QString>> ReadShapeTerms(const QString& readmeText);

// One reason per shape term that the shape namer cannot give (手抜き aside).
QStringList CheckShapeTermList(const QSet<QString>& shapeTerms);

// The names of each numbered move of the joseki on the board of its line
// (captures applied): the shape namer's names, or 手抜き for a move elsewhere.
std::vector<QStringList> MoveShapeNames(const Joseki& joseki);

// One reason per fault of the joseki's texts: a move name past the end or of
// the wrong colour, a shape word that does not fit its move, a title whose
// last shape term fits no move.
QStringList CheckMoveWords(const Joseki& joseki, const QSet<QString>& shapeTerms);
