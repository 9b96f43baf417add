#include "collection/sgf_writer.h"

QString EscapeSgfValue(const QString& value) {
  QString escaped;
  escaped.reserve(value.size());
  for (const QChar c : value) {
    if (c == u'\\' || c == u']') escaped += u'\\';
    escaped += c;
  }
  return escaped;
}

QString WriteSgfProperty(const SgfProperty& property) {
  QString text = property.id;
  for (const QString& value : property.values) text += u'[' + EscapeSgfValue(value) + u']';
  return text;
}

QString WriteSgfTree(const SgfTree& tree) {
  QString text = QStringLiteral("(");
  for (const SgfNode& node : tree.nodes) {
    text += u';';
    for (const SgfProperty& property : node.properties) text += WriteSgfProperty(property);
    text += u'\n';
  }
  for (const SgfTree& variation : tree.variations) text += WriteSgfTree(variation);
  text += QStringLiteral(")\n");
  return text;
}
