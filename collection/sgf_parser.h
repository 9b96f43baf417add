#pragma once
// A small SGF (FF[4]) reader: collections of game trees, nodes, properties
// with several values, escapes in values. Enough for our joseki sources and
// the historical game records; no property is interpreted here.

#include <QString>
#include <QStringList>
#include <vector>

struct SgfProperty {
  QString id;
  QStringList values;
};

struct SgfNode {
  std::vector<SgfProperty> properties;

  // The property with this id, or nullptr.
  const SgfProperty* Find(const QString& id) const;
  // True when the node carries the property.
  bool Has(const QString& id) const { return Find(id) != nullptr; }
  // The first value of the property, or fallback when the node lacks it.
  QString Value(const QString& id, const QString& fallback = {}) const;
};

struct SgfTree {
  std::vector<SgfNode> nodes;
  std::vector<SgfTree> variations;
};

// Parses a whole SGF text. Values come back with escapes resolved ("\]" -> "]",
// backslash-newline removed). A property given twice in a node is merged.
// Throws SgfError naming the line of a syntax error or of game trees nested
// more than 1000 levels deep.
std::vector<SgfTree> ParseSgf(const QString& text);

// The nodes of the main line: the tree's own nodes, then always the first variation.
std::vector<SgfNode> MainLine(const SgfTree& tree);

// Reads a file as UTF-8 and parses it; errors name the file.
std::vector<SgfTree> ParseSgfFile(const QString& path);
