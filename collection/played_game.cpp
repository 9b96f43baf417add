#include "collection/played_game.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringDecoder>
#include <bitset>
#include <optional>
#include <utility>

#include "collection/file_reading.h"
#include "collection/help_text.h"
#include "collection/sgf_error.h"
#include "collection/sgf_parser.h"
#include "rules/sgf_point.h"

namespace {

// A game record is a few kilobytes; anything far larger is no game record
// and is not read into memory.
constexpr qint64 kMaxGameFileBytes = 16 << 20;
// The longest professional games have a few hundred moves.
constexpr int kMaxGameMoves = 10'000;

GameFile Refused(const QString& fileName, const QString& why) {
  return {{}, u"棋譜「%1」を読み込めません。\n%2"_qs.arg(fileName, why)};
}

bool IsPass(const QString& value) {
  return value.isEmpty() || value == u"tt";
}

std::optional<Point> SgfPoint(const QString& value) {
  return PointOfSgfLetters(std::u16string_view(QStringView(value).utf16(), size_t(value.size())));
}

// The points of the setup properties; "aa:cc" names a rectangle. A point
// named again is kept once, so a setup has at most one entry per point. False
// when a value cannot be read.
bool ReadSetup(const SgfProperty* property, std::vector<Point>& points) {
  if (!property) return true;
  std::bitset<kBoardSize * kBoardSize> named;
  for (const Point& p : points) named.set(size_t((p.row - 1) * kBoardSize + p.column - 1));
  for (const QString& value : property->values) {
    const QStringList corners = value.split(u':');
    const std::optional<Point> first = SgfPoint(corners.front());
    const std::optional<Point> last = SgfPoint(corners.back());
    if (!first || !last || corners.size() > 2) return false;
    for (int column = first->column; column <= last->column; ++column) {
      for (int row = first->row; row <= last->row; ++row) {
        const size_t bit = size_t((row - 1) * kBoardSize + column - 1);
        if (!named.test(bit)) points.push_back({column, row});
        named.set(bit);
      }
    }
  }
  return true;
}

// The bytes as UTF-8 text, or nullopt when they are not UTF-8. A fault in the
// first bytes settles it without decoding them all.
std::optional<QString> DecodeUtf8(const QByteArray& bytes) {
  constexpr qsizetype kProbeBytes = 1 << 16;
  QStringDecoder probe(QStringConverter::Utf8);
  const QString start = probe(QByteArrayView(bytes).first(std::min(bytes.size(), kProbeBytes)));
  if (probe.hasError()) return std::nullopt;
  QStringDecoder utf8(QStringConverter::Utf8);
  QString text = utf8(bytes);
  if (utf8.hasError()) return std::nullopt;
  return text;
}

// The text of the file: UTF-8, else the charset its CA names, else Shift_JIS.
// A text that fails is let go before the next is tried: a file may be 16 MB.
QString DecodeGameFile(const QByteArray& bytes) {
  if (std::optional<QString> text = DecodeUtf8(bytes)) return *std::move(text);
  static const QRegularExpression charset(u"CA\\s*\\[([^\\]]*)\\]"_qs);
  const QRegularExpressionMatch match = charset.match(QString::fromLatin1(bytes.left(4096)));
  if (match.hasMatch()) {
    QStringDecoder named(match.captured(1).trimmed().toLatin1().constData());
    if (named.isValid()) {
      QString text = named.decode(bytes);
      if (!named.hasError()) return text;
    }
  }
  // Bytes that are mostly not Shift_JIS either are no text; as Latin-1 they
  // are refused for what they hold, at once.
  return DecodeShiftJis(bytes, bytes.size() / 10).value_or(QString::fromLatin1(bytes));
}

// Why a file was not read, as the sentence after the file's name.
QString RefusalReason(FileRefusal refusal) {
  switch (refusal) {
    case FileRefusal::kDirectory:
      return u"フォルダです。棋譜のファイルを選んでください。"_qs;
    case FileRefusal::kPipe:
      return u"名前付きパイプです。通常のファイルではありません。"_qs;
    case FileRefusal::kDevice:
      return u"デバイスです。通常のファイルではありません。"_qs;
    case FileRefusal::kSocket:
      return u"ソケットです。通常のファイルではありません。"_qs;
    case FileRefusal::kTooLarge:
      return u"棋譜のファイルとしては大きすぎます（%1 MB まで）。"_qs.arg(kMaxGameFileBytes >> 20);
    case FileRefusal::kReadError:
      return u"ファイルを読み取れません。"_qs;
    case FileRefusal::kCannotOpen:
    case FileRefusal::kNone:
      break;
  }
  return u"ファイルを開けません。"_qs;
}

// The line a parse error names ("line 3: ..."), counted in the whole text.
int ErrorLine(const SgfError& error, int linesBefore) {
  static const QRegularExpression line(u"^line (\\d+)"_qs);
  return line.match(error.text()).captured(1).toInt() + linesBefore;
}

// Why a text was not parsed: damage at a line, or a limit no game reaches.
QString ParseFailure(const SgfError& error, int linesBefore) {
  switch (error.fault) {
    case SgfFault::kTooManyProperties:
      return u"一つの局面のプロパティが多すぎます（%1 種類まで）。"_qs.arg(
          kMaxSgfPropertiesPerNode);
    case SgfFault::kTooManyValues:
      return u"プロパティの値が多すぎます（%1 個まで）。"_qs.arg(kMaxSgfValues);
    case SgfFault::kTooManyNodes:
      return u"局面の数が多すぎます（%1 まで）。"_qs.arg(kMaxSgfNodes);
    case SgfFault::kSyntax:
      break;
  }
  return u"棋譜が壊れています（%1行目）。"_qs.arg(ErrorLine(error, linesBefore));
}

void ReadHeading(const SgfNode& root, PlayedGame& game) {
  game.black = root.Value(u"PB"_qs).trimmed();
  game.white = root.Value(u"PW"_qs).trimmed();
  game.blackRank = root.Value(u"BR"_qs).trimmed();
  game.whiteRank = root.Value(u"WR"_qs).trimmed();
  game.date = root.Value(u"DT"_qs).trimmed();
  game.handicap = root.Value(u"HA"_qs).trimmed().toInt();
}

// The setup stones before the first move and the moves; an error text, or
// empty when every point could be read.
QString ReadStones(const std::vector<SgfNode>& nodes, PlayedGame& game) {
  for (const SgfNode& node : nodes) {
    if (game.moves.empty() && (!ReadSetup(node.Find(u"AB"_qs), game.blackSetup) ||
                               !ReadSetup(node.Find(u"AW"_qs), game.whiteSetup)))
      return u"置石の座標が読めません。"_qs;
    for (auto [id, colour] : {std::pair{u"B"_qs, Colour::kBlack}, {u"W"_qs, Colour::kWhite}}) {
      if (!node.Has(id)) continue;
      const QString value = node.Value(id).trimmed();
      const std::optional<Point> point = SgfPoint(value);
      if (!point && !IsPass(value)) {
        // A short value is named; a long one is damage, not a coordinate.
        const QString named = value.size() <= 4 ? u"「%1」"_qs.arg(value) : QString();
        return u"%1手目の座標%2が読めません。"_qs.arg(game.moves.size() + 1).arg(named);
      }
      if (game.moves.size() == kMaxGameMoves)
        return u"手数が多すぎます（%1手まで読めます）。"_qs.arg(kMaxGameMoves);
      game.moves.push_back({colour, point.value_or(Point{})});
    }
  }
  return {};
}

}  // namespace

QString PlayedGame::Heading() const {
  QStringList parts;
  const auto player = [&](const QString& colour, const QString& name, const QString& rank) {
    if (!name.isEmpty()) parts << colour + u' ' + name + (rank.isEmpty() ? u""_qs : u' ' + rank);
  };
  player(u"黒"_qs, black, blackRank);
  player(u"白"_qs, white, whiteRank);
  if (handicap >= 2) parts << u"%1子局"_qs.arg(handicap);
  if (!date.isEmpty()) parts << date;
  return parts.join(u'　');
}

GameFile ReadGameText(const QString& text, const QString& fileName) {
  static const QRegularExpression gameStart(u"\\(\\s*;"_qs);
  const qsizetype start = text.indexOf(gameStart);
  if (start < 0) return Refused(fileName, u"SGF形式の棋譜ではありません。"_qs);
  SgfTree tree;
  try {
    // What stands before the game is no part of it; what follows it (more
    // games of a collection) is not read.
    tree = ParseFirstGameTree(QStringView(text).sliced(start));
  } catch (const SgfError& error) {
    return Refused(fileName, ParseFailure(error, int(QStringView(text).first(start).count(u'\n'))));
  }
  const std::vector<SgfNode> nodes = MainLine(tree);
  const SgfNode& root = nodes.front();
  if (root.Value(u"GM"_qs, u"1"_qs).trimmed() != u"1")
    return Refused(fileName, u"囲碁の棋譜ではありません。"_qs);
  const QString size = root.Value(u"SZ"_qs, u"19"_qs).trimmed();
  if (size != u"19") {
    return Refused(fileName, u"19路盤の棋譜ではありません（%1路盤）。"_qs.arg(
                                 QString(size).replace(u':', u'×')));
  }
  GameFile read;
  ReadHeading(root, read.game);
  if (const QString why = ReadStones(nodes, read.game); !why.isEmpty())
    return Refused(fileName, why);
  if (std::none_of(read.game.moves.begin(), read.game.moves.end(),
                   [](const PlayedMove& move) { return IsOnBoard(move.point); }))
    return Refused(fileName, u"着手がありません。"_qs);
  return read;
}

GameFile ReadGameFile(const QString& path) {
  const QString fileName = QDir::toNativeSeparators(path);
  FileBytes file = ReadRegularFile(path, kMaxGameFileBytes);
  if (file.refusal != FileRefusal::kNone) return Refused(fileName, RefusalReason(file.refusal));
  const QString text = DecodeGameFile(std::exchange(file.bytes, {}));
  return ReadGameText(text, fileName);
}

PlayedGame ReferencedGame(const GameReference& reference) {
  PlayedGame game;
  game.blackSetup = reference.handicap;
  game.handicap = int(reference.handicap.size());
  const int first = reference.handicap.empty() ? 1 : 2;  // white begins a handicap game
  for (size_t k = 0; k < reference.moves.size(); ++k) {
    const Point p = reference.moves[k];
    game.moves.push_back({ColourOfNth(int(k) + first), IsOnBoard(p) ? p : Point{}});
  }
  return game;
}
