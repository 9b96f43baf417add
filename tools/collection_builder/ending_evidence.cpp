#include "collection_builder/ending_evidence.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <set>
#include <tuple>

#include "collection/sgf_error.h"
#include "collection/sgf_parser.h"
#include "collection_builder/board_symmetry.h"
#include "collection_builder/joseki_reader.h"
#include "collection_builder/joseki_validator.h"
#include "rules/captures.h"
#include "rules/move_encoding.h"

namespace {

// Phrases of a commentary that say why play may stop where the row ends.
const QStringList kStagePhrases = {QStringLiteral("一段落"), QStringLiteral("手を抜"),
                                   QStringLiteral("手抜き"), QStringLiteral("他の大場"),
                                   QStringLiteral("他に回"), QStringLiteral("先手")};
// Phrases that say a group in atari is given up.
const QStringList kGivenUpPhrases = {QStringLiteral("捨て"), QStringLiteral("取らせ")};

constexpr int kWindow = 10;  // the trees keep a 10x10 corner

// A position's stones as sorted point codes, the least of its 16 forms (8 orientations,
// both colourings): cheap for the few stones of a corner. Only points accepted by keep count.
template <class Keep>
QByteArray CornerKey(const BoardState& board, Keep keep) {
  std::vector<std::pair<BoardPoint, int>> stones;
  for (int c = 1; c <= kBoardSize; ++c)
    for (int r = 1; r <= kBoardSize; ++r)
      if (board.at(c, r) != 0 && keep(c, r)) stones.push_back({{c, r}, board.at(c, r) % 2});
  QByteArray best;
  for (int s = 0; s < kSymmetries; ++s) {
    for (int swap : {0, 1}) {
      std::vector<int> codes;
      for (const auto& [p, parity] : stones) {
        const BoardPoint t = Transform(p, s);
        codes.push_back(((t.row - 1) * kBoardSize + t.column - 1) * 2 + (parity ^ swap));
      }
      std::sort(codes.begin(), codes.end());
      QByteArray key;
      for (int code : codes) key.append(char(code >> 8)).append(char(code & 0xFF));
      if (best.isNull() || key < best) best = key;
    }
  }
  return best;
}

struct TreeMove {
  bool present = false;  // the node holds a move
  bool tenuki = false;
  BoardPoint point;
  Colour colour = Colour::kBlack;
  long long count = 0;
};

TreeMove MoveOf(const SgfNode& node) {
  static const QRegularExpression countField(QStringLiteral("\"count\"\\s*:\\s*(\\d+)"));
  TreeMove move;
  for (const char* id : {"B", "W"}) {
    const SgfProperty* p = node.Find(QString::fromLatin1(id));
    if (p == nullptr || p->values.isEmpty()) continue;
    move.present = true;
    move.colour = id[0] == 'B' ? Colour::kBlack : Colour::kWhite;
    move.tenuki = !ParseSgfMove(p->values.front(), move.point) || move.point.IsTenuki();
  }
  const auto found = countField.match(node.Value(QStringLiteral("C")));
  if (found.hasMatch()) move.count = found.captured(1).toLongLong();
  return move;
}

// Adds the positions of the nodes of tree from nodes[start], board as before them.
void Walk(const SgfTree& tree, size_t start, BoardState board, EngineTrees& out) {
  for (size_t i = start; i < tree.nodes.size(); ++i) {
    const TreeMove move = MoveOf(tree.nodes[i]);
    if (!move.present) continue;
    if (!move.tenuki && board.at(move.point.column, move.point.row) == 0) {
      const Point p{move.point.column, move.point.row};
      PlaceStone(board, p, move.colour);
      CaptureCheck(board, p, move.colour, nullptr);
    }
    if (move.tenuki) continue;  // a position is counted after the stone that makes it
    // The games that play elsewhere next: all but those whose next move in the corner the
    // tree records (the following node, or the variations' first nodes). A game that leaves
    // the corner for good has no next node; one that comes back has a tenuki node.
    long long local = 0;
    if (i + 1 < tree.nodes.size()) {
      const TreeMove next = MoveOf(tree.nodes[i + 1]);
      if (next.present && !next.tenuki) local += next.count;
    } else {
      for (const SgfTree& v : tree.variations) {
        if (v.nodes.empty()) continue;
        const TreeMove next = MoveOf(v.nodes.front());
        if (next.present && !next.tenuki) local += next.count;
      }
    }
    const long long elsewhere = std::max(0LL, move.count - local);
    auto& [games, away] = out.positions[CornerKey(board, [](int, int) { return true; })];
    games += move.count;
    away += elsewhere;
  }
  for (const SgfTree& v : tree.variations) Walk(v, 0, board, out);
}

int Liberties(const BoardState& board, Point start, std::set<std::pair<int, int>>& group) {
  const int parity = board.at(start) % 2;
  std::set<std::pair<int, int>> liberties;
  std::vector<Point> open{start};
  group.insert({start.column, start.row});
  while (!open.empty()) {
    const Point s = open.back();
    open.pop_back();
    for (Point d : {Point{1, 0}, Point{-1, 0}, Point{0, 1}, Point{0, -1}}) {
      const Point n{s.column + d.column, s.row + d.row};
      if (!IsOnBoard(n)) continue;
      if (board.at(n) == 0)
        liberties.insert({n.column, n.row});
      else if (board.at(n) % 2 == parity && group.insert({n.column, n.row}).second)
        open.push_back(n);
    }
  }
  return static_cast<int>(liberties.size());
}

bool SomeGroupInAtari(const BoardState& board) {
  std::set<std::pair<int, int>> seen;
  for (int c = 1; c <= kBoardSize; ++c) {
    for (int r = 1; r <= kBoardSize; ++r) {
      if (board.at(c, r) == 0 || seen.count({c, r})) continue;
      std::set<std::pair<int, int>> group;
      if (Liberties(board, Point{c, r}, group) == 1) return true;
      seen.insert(group.begin(), group.end());
    }
  }
  return false;
}

bool ContainsAny(const QString& text, const QStringList& phrases) {
  return std::any_of(phrases.begin(), phrases.end(),
                     [&](const QString& p) { return text.contains(p); });
}

}  // namespace

EngineTrees ReadEngineTrees(const QString& dir, QStringList& errors) {
  EngineTrees engine;
  const QDir folder(dir);
  if (!folder.exists()) return engine;
  for (const QString& name : folder.entryList({QStringLiteral("*.sgf")}, QDir::Files, QDir::Name)) {
    try {
      for (const SgfTree& tree : ParseSgfFile(folder.filePath(name)))
        Walk(tree, 0, BoardState{}, engine);
      engine.files << name;
    } catch (const SgfError& error) {
      errors << QStringLiteral("engine/%1: %2").arg(name, error.what());
    }
  }
  return engine;
}

std::vector<EndingEvidence> MeasureEndings(const std::vector<Joseki>& joseki,
                                           const EngineTrees& engine, const GameTables& tables) {
  std::vector<EndingEvidence> evidence(joseki.size());
  for (size_t i = 0; i < joseki.size(); ++i) {
    const Joseki& j = joseki[i];
    EndingEvidence& e = evidence[i];
    const BoardState board = FinalBoard(j);
    const auto found = engine.positions.find(
        CornerKey(board, [](int c, int r) { return c <= kWindow && r <= kWindow; }));
    if (found != engine.positions.end()) std::tie(e.engineGames, e.engineElsewhere) = found->second;
    e.endsInAtari = SomeGroupInAtari(board);
    e.saysWhy = ContainsAny(j.commentary, kStagePhrases);
    e.saysGivenUp = ContainsAny(j.commentary, kGivenUpPhrases);
  }
  for (const StoredOccurrence& o : tables.occurrences) {
    if (o.joseki < 1 || o.joseki > static_cast<int>(joseki.size())) continue;
    const Joseki& j = joseki[o.joseki - 1];
    const std::vector<Point> moves =
        ParseGameMoves(tables.games[o.game - 1].moves.toStdU16String());
    if (o.last < 0 || o.last >= static_cast<int>(moves.size())) continue;  // the game ends there
    Region region;
    for (const BoardPoint& p : j.stones) region.Include(Transform(p, o.orientation));
    const Point next = moves[o.last];  // move numbers count from 1: this is move last + 1
    EndingEvidence& e = evidence[o.joseki - 1];
    ++e.gamesWithNext;
    e.gamesElsewhere += IsElsewhere(BoardPoint{next.column, next.row}, region);
  }
  for (EndingEvidence& e : evidence) {
    const bool engineAgainst =
        e.engineGames >= kEngineGamesNeeded && 2 * e.engineElsewhere <= e.engineGames;
    const bool gamesAgainst =
        e.gamesWithNext >= kGamesNeeded && 2 * e.gamesElsewhere <= e.gamesWithNext;
    e.evidenceAgainst = engineAgainst || gamesAgainst;
  }
  return evidence;
}

void PrintEndingMeasure(const std::vector<Joseki>& joseki,
                        const std::vector<EndingEvidence>& evidence, QTextStream& out) {
  int engineRows = 0, engineLocal = 0, gameRows = 0, gameLocal = 0, against = 0, atari = 0;
  QStringList againstWithout, atariWithout;
  for (size_t i = 0; i < evidence.size(); ++i) {
    const EndingEvidence& e = evidence[i];
    if (e.engineGames >= kEngineGamesNeeded) {
      ++engineRows;
      engineLocal += 2 * e.engineElsewhere <= e.engineGames;
    }
    if (e.gamesWithNext >= kGamesNeeded) {
      ++gameRows;
      gameLocal += 2 * e.gamesElsewhere <= e.gamesWithNext;
    }
    if (e.evidenceAgainst) {
      ++against;
      // The figures with the key, so that a text can say only what the evidence says.
      if (!e.saysWhy)
        againstWithout << QStringLiteral("%1 (engine %2/%3 local, games %4/%5 local)")
                              .arg(joseki[i].key)
                              .arg(e.engineGames - e.engineElsewhere)
                              .arg(e.engineGames)
                              .arg(e.gamesWithNext - e.gamesElsewhere)
                              .arg(e.gamesWithNext);
    }
    if (e.endsInAtari) {
      ++atari;
      if (!e.saysGivenUp) atariWithout << joseki[i].key;
    }
  }
  out << "endings: " << engineRows << " rows reached by " << kEngineGamesNeeded
      << "+ engine games, " << engineLocal
      << " of them where the engine plays locally in at least half; " << gameRows << " rows with "
      << kGamesNeeded << "+ game occurrences whose next move is known, " << gameLocal
      << " of them where play goes on locally in at least half\n";
  out << "rows with evidence against their ending: " << against << ", "
      << against - againstWithout.size()
      << " with a text saying why play may stop; without: " << againstWithout.size()
      << (againstWithout.isEmpty()
              ? QString()
              : QStringLiteral(" ") + againstWithout.join(QStringLiteral(", ")))
      << '\n';
  out << "rows ending with a group in atari: " << atari << ", " << atari - atariWithout.size()
      << " whose text says it is given up; without: " << atariWithout.size()
      << (atariWithout.isEmpty() ? QString() : QStringLiteral(" ") + atariWithout.join(u' '))
      << '\n';
  out.flush();
}
