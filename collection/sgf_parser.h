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

// Limits that no joseki source and no real game record comes near; a text
// past one is refused as it is read, so that reading any file of the size a
// game record may have stays bounded in time and memory.
inline constexpr int kMaxSgfNesting = 1000;            // game trees inside one another
inline constexpr int kMaxSgfPropertiesPerNode = 1000;  // distinct properties of one node
inline constexpr int kMaxSgfValues = 200'000;          // property values in the whole text
inline constexpr int kMaxSgfNodes = 100'000;           // nodes in the whole text

// Parses a whole SGF text. Values come back with escapes resolved ("\]" -> "]",
// backslash-newline removed). A property given twice in a node is merged.
// Throws SgfError naming the line of a syntax error, of game trees nested too
// deep, or where a limit above was passed (its fault says which).
std::vector<SgfTree> ParseSgf(QStringView text);

// The first game tree of a text, with the errors and limits of ParseSgf; the
// text after that tree is not read (a file of many games opens as its first).
SgfTree ParseFirstGameTree(QStringView text);

// The nodes of the main line: the tree's own nodes, then always the first variation.
std::vector<SgfNode> MainLine(const SgfTree& tree);

// Reads a file as UTF-8 and parses it; errors name the file.
std::vector<SgfTree> ParseSgfFile(const QString& path);
