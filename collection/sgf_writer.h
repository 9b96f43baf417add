#pragma once
// Writing SGF text: value escapes and whole trees (the game copies and the export).

#include <QString>

#include "collection/sgf_parser.h"

// The value with "\" and "]" escaped, ready to stand between "[" and "]".
QString EscapeSgfValue(const QString& value);

// One property with all its values: id[v1][v2]...
QString WriteSgfProperty(const SgfProperty& property);

// A game tree with its variations, one node per line.
QString WriteSgfTree(const SgfTree& tree);
