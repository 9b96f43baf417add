#include "collection_builder/joseki_reader.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <algorithm>
#include <set>

#include "collection/sgf_error.h"
#include "collection_builder/build_error.h"
#include "collection_builder/game_record.h"
#include "rules/sgf_point.h"

namespace {

const std::set<QString> kRootProperties = {
    QStringLiteral("FF"), QStringLiteral("GM"), QStringLiteral("SZ"), QStringLiteral("CA"),
    QStringLiteral("AP"), QStringLiteral("GN"), QStringLiteral("JK"), QStringLiteral("JC"),
    QStringLiteral("C"),  QStringLiteral("JG"), QStringLiteral("JO"), QStringLiteral("JR")};
const std::set<QString> kMoveNodeProperties = {QStringLiteral("B"), QStringLiteral("W"),
                                               QStringLiteral("LB"), QStringLiteral("TR"),
                                               QStringLiteral("MA")};

class TreeReader {
 public:
  TreeReader(const QString& fileLabel, int number, JosekiReadResult& result) : result_(result) {
    joseki_.file = fileLabel;
    joseki_.number = number;
  }

  void Read(const SgfTree& tree) {
    if (!tree.variations.empty())
      Error(QStringLiteral("has variations; a joseki is a single line of play"));
    for (size_t i = 0; i < tree.nodes.size(); ++i) ReadNode(tree.nodes[i], i == 0);
    std::stable_sort(
        joseki_.markers.begin(), joseki_.markers.end(),
        [](const SourceMarker& a, const SourceMarker& b) { return Rank(a) < Rank(b); });
    if (errors_.isEmpty()) result_.joseki.push_back(joseki_);
    result_.errors << errors_;
  }

 private:
  // Markers are kept letters first, then TR, then MA, each in source order, so
  // that a collection written back out encodes to the same marker string.
  static int Rank(const SourceMarker& m) { return m.tag == u'2' ? 1 : m.tag == u'1' ? 2 : 0; }

  void ReadNode(const SgfNode& node, bool root) {
    if (root) ReadRoot(node);
    for (const SgfProperty& p : node.properties) {
      if (root ? kRootProperties.count(p.id) == 0 && kMoveNodeProperties.count(p.id) == 0
               : kMoveNodeProperties.count(p.id) == 0) {
        if (p.id == u"C")
          Error(QStringLiteral("commentary C[] belongs on the root node only"));
        else if (p.id == u"AB" || p.id == u"AW" || p.id == u"AE")
          Error(QStringLiteral("%1[] is not allowed: every stone is a move B[]/W[]").arg(p.id));
        else
          result_.warnings << QStringLiteral("%1: property %2 ignored").arg(Label(), p.id);
      }
    }
    ReadMove(node);
    ReadMarkers(node);
  }

  void ReadRoot(const SgfNode& root) {
    joseki_.title = root.Value(QStringLiteral("GN")).trimmed();
    joseki_.key = root.Value(QStringLiteral("JK")).trimmed();
    joseki_.caption = root.Value(QStringLiteral("JC")).trimmed();
    joseki_.commentary = root.Value(QStringLiteral("C")).trimmed();
    joseki_.one = root.Value(QStringLiteral("JO"), QStringLiteral("0")).trimmed();
    joseki_.pinnedGame = root.Value(QStringLiteral("JR")).trimmed();
    const QString size = root.Value(QStringLiteral("SZ"), QStringLiteral("19")).trimmed();
    if (size != u"19") Error(QStringLiteral("SZ[%1]: the board is 19x19").arg(size));
    const QString charset = root.Value(QStringLiteral("CA"), QStringLiteral("UTF-8")).trimmed();
    if (charset.compare(u"UTF-8", Qt::CaseInsensitive) != 0)
      Error(QStringLiteral("CA[%1]: the sources are UTF-8").arg(charset));
    if (root.Has(QStringLiteral("JG"))) {
      bool ok = false;
      joseki_.given = root.Value(QStringLiteral("JG")).trimmed().toInt(&ok);
      if (!ok)
        Error(QStringLiteral("JG[%1] is not a number").arg(root.Value(QStringLiteral("JG"))));
    }
  }

  void ReadMove(const SgfNode& node) {
    const SgfProperty* black = node.Find(QStringLiteral("B"));
    const SgfProperty* white = node.Find(QStringLiteral("W"));
    if (!black && !white) return;
    if (black && white) {
      Error(QStringLiteral("a node holds both B[] and W[]"));
      return;
    }
    const SgfProperty& move = black ? *black : *white;
    const int index = static_cast<int>(joseki_.stones.size());
    if (move.values.size() != 1)
      Error(QStringLiteral("stone %1: %2 has %3 values")
                .arg(index + 1)
                .arg(move.id)
                .arg(move.values.size()));
    const QString expected = index % 2 == 0 ? QStringLiteral("B") : QStringLiteral("W");
    if (move.id != expected)
      Error(QStringLiteral("stone %1 is %2[%3] but %4 is to play (colours alternate, black first)")
                .arg(index + 1)
                .arg(move.id, move.values.value(0), expected));
    BoardPoint point;
    if (!ParseSgfMove(move.values.value(0), point))
      Error(QStringLiteral("stone %1: bad point %2[%3]")
                .arg(index + 1)
                .arg(move.id, move.values.value(0)));
    joseki_.stones.push_back(point);
  }

  void ReadMarkers(const SgfNode& node) {
    if (const SgfProperty* labels = node.Find(QStringLiteral("LB"))) {
      for (const QString& value : labels->values) {
        const QStringList parts = value.split(u':');
        BoardPoint point;
        if (parts.size() != 2 || !ParseSgfMove(parts[0], point) || point.IsTenuki() ||
            parts[1].size() != 1 || parts[1][0] < u'a' || parts[1][0] > u'e') {
          Error(QStringLiteral("LB[%1]: a label is a point and one letter a-e, e.g. LB[ec:a]")
                    .arg(value));
          continue;
        }
        joseki_.markers.push_back({point, parts[1][0]});
      }
    }
    ReadMarks(node, QStringLiteral("TR"), u'2');
    ReadMarks(node, QStringLiteral("MA"), u'1');
  }

  void ReadMarks(const SgfNode& node, const QString& id, QChar tag) {
    const SgfProperty* marks = node.Find(id);
    if (!marks) return;
    for (const QString& value : marks->values) {
      BoardPoint point;
      if (!ParseSgfMove(value, point) || point.IsTenuki()) {
        Error(QStringLiteral("%1[%2]: not a point of the board").arg(id, value));
        continue;
      }
      joseki_.markers.push_back({point, tag});
    }
  }

  QString Label() const { return joseki_.Label(); }

  void Error(const QString& reason) { errors_ << QStringLiteral("%1: %2").arg(Label(), reason); }

  JosekiReadResult& result_;
  Joseki joseki_;
  QStringList errors_;
};

}  // namespace

bool ParseSgfMove(const QString& value, BoardPoint& point) {
  const QString v = value.trimmed();
  if (v.isEmpty() || v == u"tt") {
    point = kTenukiPoint;
    return true;
  }
  const std::optional<Point> p =
      PointOfSgfLetters(std::u16string_view(QStringView(v).utf16(), size_t(v.size())));
  if (!p) return false;
  point = {p->column, p->row};
  return true;
}

QString SgfPointText(const BoardPoint& point) {
  if (point.IsTenuki()) return QStringLiteral("tt");
  return QString::fromStdU16String(SgfLetters({point.column, point.row}));
}

void ReadJosekiTree(const SgfTree& tree, const QString& fileLabel, int number,
                    JosekiReadResult& result) {
  TreeReader(fileLabel, number, result).Read(tree);
}

void ReadJosekiText(const QString& text, const QString& fileLabel, JosekiReadResult& result) {
  std::vector<SgfTree> trees;
  try {
    trees = ParseSgf(text);
  } catch (const SgfError& error) {
    result.errors << QStringLiteral("%1: %2").arg(fileLabel, error.text());
    return;
  }
  for (size_t i = 0; i < trees.size(); ++i)
    ReadJosekiTree(trees[i], fileLabel, static_cast<int>(i) + 1, result);
}

JosekiReadResult ReadJosekiDirectory(const QString& dir, const QString& labelPrefix) {
  JosekiReadResult result;
  for (const QString& relative : ListSgfFiles(dir)) {
    QFile file(QDir(dir).filePath(relative));
    if (!file.open(QIODevice::ReadOnly)) {
      result.errors
          << QStringLiteral("%1%2: cannot read: %3").arg(labelPrefix, relative, file.errorString());
      continue;
    }
    ReadJosekiText(QString::fromUtf8(file.readAll()), labelPrefix + relative, result);
  }
  return result;
}
