#include "collection/sgf_parser.h"

#include <QFile>

#include "collection/sgf_error.h"

namespace {

// Deeper nesting than this is no joseki and no game record; the limit keeps
// the recursive reader (and the trees it builds) far from the end of the stack.
constexpr int kMaxNesting = 1000;

class Parser {
 public:
  explicit Parser(const QString& text) : text_(text) {}

  std::vector<SgfTree> Collection() {
    std::vector<SgfTree> trees;
    SkipSpace();
    while (pos_ < text_.size()) {
      if (text_[pos_] != u'(') Fail(QStringLiteral("expected '(' to open a game tree"));
      trees.push_back(Tree());
      SkipSpace();
    }
    if (trees.empty()) Fail(QStringLiteral("no game tree in the file"));
    return trees;
  }

 private:
  SgfTree Tree() {
    if (++depth_ > kMaxNesting)
      Fail(QStringLiteral("game trees nested more than %1 levels deep").arg(kMaxNesting));
    ++pos_;  // '('
    SgfTree tree;
    SkipSpace();
    while (Peek() == u';') {
      tree.nodes.push_back(Node());
      SkipSpace();
    }
    if (tree.nodes.empty()) Fail(QStringLiteral("a game tree must start with a node ';'"));
    while (Peek() == u'(') {
      tree.variations.push_back(Tree());
      SkipSpace();
    }
    if (Peek() != u')') Fail(QStringLiteral("expected ')' to close the game tree"));
    ++pos_;
    --depth_;
    return tree;
  }

  SgfNode Node() {
    ++pos_;  // ';'
    SgfNode node;
    SkipSpace();
    while (Peek().isLetter() && Peek().unicode() < 128) {
      QString id = Identifier();
      SkipSpace();
      if (Peek() != u'[') Fail(QStringLiteral("property %1 has no value").arg(id));
      QStringList values;
      while (Peek() == u'[') {
        values << Value();
        SkipSpace();
      }
      Add(node, id, values);
    }
    return node;
  }

  static void Add(SgfNode& node, const QString& id, const QStringList& values) {
    for (auto& property : node.properties) {
      if (property.id == id) {
        property.values << values;
        return;
      }
    }
    node.properties.push_back({id, values});
  }

  // Old files spell identifiers with lower-case letters mixed in ("AddBlack"):
  // only the capitals count.
  QString Identifier() {
    QString id;
    while (Peek().isLetter() && Peek().unicode() < 128) {
      if (Peek().isUpper()) id += Peek();
      ++pos_;
    }
    if (id.isEmpty()) Fail(QStringLiteral("property name without capital letters"));
    return id;
  }

  QString Value() {
    const qsizetype start = pos_++;
    QString value;
    while (pos_ < text_.size() && text_[pos_] != u']') {
      if (text_[pos_] == u'\\' && pos_ + 1 < text_.size()) {
        ++pos_;
        if (text_[pos_] == u'\n' || text_[pos_] == u'\r') {
          SkipLineBreak();
          continue;
        }
      }
      value += text_[pos_++];
    }
    if (pos_ >= text_.size()) {
      pos_ = start;
      Fail(QStringLiteral("value '[' never closed by ']'"));
    }
    ++pos_;  // ']'
    return value;
  }

  // A soft line break: "\" followed by LF, CR, CR LF or LF CR disappears.
  void SkipLineBreak() {
    const QChar first = text_[pos_++];
    if (pos_ < text_.size() && (text_[pos_] == u'\n' || text_[pos_] == u'\r') &&
        text_[pos_] != first)
      ++pos_;
  }

  void SkipSpace() {
    while (pos_ < text_.size() && text_[pos_].isSpace()) ++pos_;
  }

  QChar Peek() const { return pos_ < text_.size() ? text_[pos_] : QChar(); }

  [[noreturn]] void Fail(const QString& what) const {
    const qsizetype line = text_.left(pos_).count(u'\n') + 1;
    throw SgfError(QStringLiteral("line %1: %2").arg(line).arg(what));
  }

  const QString& text_;
  qsizetype pos_ = 0;
  int depth_ = 0;
};

}  // namespace

const SgfProperty* SgfNode::Find(const QString& id) const {
  for (const auto& property : properties)
    if (property.id == id) return &property;
  return nullptr;
}

QString SgfNode::Value(const QString& id, const QString& fallback) const {
  const SgfProperty* property = Find(id);
  return property && !property->values.isEmpty() ? property->values.first() : fallback;
}

std::vector<SgfTree> ParseSgf(const QString& text) {
  return Parser(text).Collection();
}

std::vector<SgfNode> MainLine(const SgfTree& tree) {
  std::vector<SgfNode> nodes;
  for (const SgfTree* t = &tree; t; t = t->variations.empty() ? nullptr : &t->variations.front())
    nodes.insert(nodes.end(), t->nodes.begin(), t->nodes.end());
  return nodes;
}

std::vector<SgfTree> ParseSgfFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw SgfError(QStringLiteral("%1: cannot read: %2").arg(path, file.errorString()));
  try {
    return ParseSgf(QString::fromUtf8(file.readAll()));
  } catch (const SgfError& error) {
    throw SgfError(QStringLiteral("%1: %2").arg(path, error.text()));
  }
}
