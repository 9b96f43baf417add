#include "collection/sgf_parser.h"

#include <QFile>
#include <unordered_map>

#include "collection/sgf_error.h"

namespace {

// Old files spell identifiers with lower-case letters mixed in ("AddBlack");
// no identifier, old or new, has more capitals than this.
constexpr int kMaxIdentifierCapitals = 8;

class Parser {
 public:
  explicit Parser(QStringView text) : text_(text) {}

  std::vector<SgfTree> Collection() {
    std::vector<SgfTree> trees;
    SkipSpace();
    while (pos_ < text_.size()) {
      trees.push_back(FirstTree());
      SkipSpace();
    }
    if (trees.empty()) Fail(QStringLiteral("no game tree in the file"));
    return trees;
  }

  SgfTree FirstTree() {
    SkipSpace();
    if (Peek() != u'(') Fail(QStringLiteral("expected '(' to open a game tree"));
    return Tree();
  }

 private:
  SgfTree Tree() {
    if (++depth_ > kMaxSgfNesting)
      Fail(QStringLiteral("game trees nested more than %1 levels deep").arg(kMaxSgfNesting));
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
    if (++nodes_ > kMaxSgfNodes)
      Fail(QStringLiteral("more than %1 nodes").arg(kMaxSgfNodes), SgfFault::kTooManyNodes);
    ++pos_;  // ';'
    SgfNode node;
    // Where each property of the node stands, so that a repeated one is
    // merged in constant time however many the node holds.
    std::unordered_map<QString, size_t> where;
    SkipSpace();
    while (IsIdentifierLetter(Peek())) {
      QString id = Identifier();
      SkipSpace();
      if (Peek() != u'[') Fail(QStringLiteral("property %1 has no value").arg(id));
      QStringList values;
      while (Peek() == u'[') {
        values << Value();
        SkipSpace();
      }
      const auto [slot, isNew] = where.try_emplace(id, node.properties.size());
      if (!isNew) {
        node.properties[slot->second].values << values;
      } else if (node.properties.size() == kMaxSgfPropertiesPerNode) {
        Fail(QStringLiteral("a node with more than %1 properties").arg(kMaxSgfPropertiesPerNode),
             SgfFault::kTooManyProperties);
      } else {
        node.properties.push_back({std::move(id), std::move(values)});
      }
    }
    return node;
  }

  static bool IsIdentifierLetter(QChar c) { return c.unicode() < 128 && c.isLetter(); }

  // Only the capitals of an identifier count.
  QString Identifier() {
    QString id;
    while (IsIdentifierLetter(Peek())) {
      if (Peek().isUpper()) id += Peek();
      ++pos_;
    }
    if (id.isEmpty()) Fail(QStringLiteral("property name without capital letters"));
    if (id.size() > kMaxIdentifierCapitals) Fail(QStringLiteral("property name too long"));
    return id;
  }

  QString Value() {
    if (++values_ > kMaxSgfValues)
      Fail(QStringLiteral("more than %1 values").arg(kMaxSgfValues), SgfFault::kTooManyValues);
    const qsizetype start = pos_++;
    QString value;
    for (;;) {
      // The plain run up to the next escape or the end, appended at once.
      qsizetype end = pos_;
      while (end < text_.size() && text_[end] != u']' && text_[end] != u'\\') ++end;
      value += text_.sliced(pos_, end - pos_);
      pos_ = end;
      if (pos_ + 1 >= text_.size() || text_[pos_] == u']') break;
      ++pos_;  // the backslash
      if (text_[pos_] == u'\n' || text_[pos_] == u'\r')
        SkipLineBreak();
      else
        value += text_[pos_++];
    }
    if (pos_ >= text_.size() || text_[pos_] != u']') {
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

  [[noreturn]] void Fail(const QString& what, SgfFault fault = SgfFault::kSyntax) const {
    const qsizetype line = text_.first(pos_).count(u'\n') + 1;
    throw SgfError(QStringLiteral("line %1: %2").arg(line).arg(what), fault);
  }

  QStringView text_;
  qsizetype pos_ = 0;
  int depth_ = 0;
  int nodes_ = 0;
  int values_ = 0;
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

std::vector<SgfTree> ParseSgf(QStringView text) {
  return Parser(text).Collection();
}

SgfTree ParseFirstGameTree(QStringView text) {
  return Parser(text).FirstTree();
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
