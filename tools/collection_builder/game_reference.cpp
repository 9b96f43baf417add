#include "collection_builder/game_reference.h"

#include <QStringList>

#include "collection_builder/board_symmetry.h"
#include "collection_builder/build_error.h"
#include "collection_builder/player_names.h"
#include "collection_builder/record_encoding.h"
#include "rules/captures.h"
#include "rules/move_encoding.h"

namespace {

QString PlayerText(const QString& name, const QString& rank) {
  QString text = PlayerInKanji(name);
  if (text.isEmpty())
    throw BuildError(
        QStringLiteral("the player \"%1\" has no name in kanji (add it to player_names.cpp)")
            .arg(name));
  const QString kanjiRank = RankInKanji(rank);
  if (!kanjiRank.isEmpty()) text += u' ' + kanjiRank;
  return text;
}

// The stones of a text of coordinate pairs, or false when a character is no coordinate.
bool DecodePoints(const QString& text, std::vector<BoardPoint>& points) {
  if (text.size() % 2 != 0) return false;
  for (qsizetype i = 0; i < text.size(); i += 2) {
    const BoardPoint p{CoordValue(text[i + 1].unicode()), CoordValue(text[i].unicode())};
    if (!IsOnBoard(Point{p.column, p.row}) || CoordChar(p.row) != text[i] ||
        CoordChar(p.column) != text[i + 1])
      return false;
    points.push_back(p);
  }
  return true;
}

// A GameMoves text read back as a game: its handicap stones and moves.
bool DecodeGameMoves(const QString& text, GameRecord& game) {
  const qsizetype plus = text.indexOf(u'+');
  if (plus >= 0 && (plus == 0 || !DecodePoints(text.left(plus), game.handicap))) return false;
  return DecodePoints(text.mid(plus + 1), game.moves);
}

// The board before game move `first`, captures applied.
BoardState BoardBefore(const GameRecord& game, int first) {
  BoardState board = SetUpBoard(game.handicap);
  for (int k = 0; k + 1 < first; ++k) {
    const BoardPoint p = game.moves[k];
    const int16_t colour = game.ColourOfMove(k);
    if (board.at(p.column, p.row) != 0) continue;
    board.at(p.column, p.row) = colour;
    AddStoneCounts(board, Point{p.column, p.row}, Colour(colour));
    CaptureCheck(board, Point{p.column, p.row}, Colour(colour), nullptr);
  }
  return board;
}

enum class Match { kNo, kCrowded, kYes };

// Whether game moves from `first` are the joseki in orientation s, played from
// an empty corner (kCrowded: played, but among other stones).
Match RangeMatches(const Joseki& joseki, const GameRecord& game, int first, int s) {
  const std::vector<BoardPoint>& moves = game.moves;
  const std::vector<BoardPoint> numbered = joseki.NumberedMoves();
  Region region;
  for (const BoardPoint& p : joseki.stones) region.Include(Transform(p, s));
  for (size_t i = 0; i < numbered.size(); ++i) {
    const BoardPoint want = Transform(numbered[i], s);
    const BoardPoint got = moves[first - 1 + i];
    if (want.IsTenuki() ? !IsElsewhere(got, region) : want != got) return Match::kNo;
  }
  const BoardState before = BoardBefore(game, first);
  const bool blackBegins = game.ColourOfMove(first - 1) == 1;
  const std::vector<BoardPoint> given(joseki.stones.begin(), joseki.stones.begin() + joseki.given);
  for (int g = 0; g < joseki.given; ++g) {
    const BoardPoint p = Transform(given[g], s);
    if (p.IsTenuki()) continue;
    const bool blackStone = (g % 2 == 0) != blackBegins;
    const int code = before.at(p.column, p.row);
    if (code == 0 || (code % 2 == 1) != blackStone) return Match::kNo;
  }
  return StartsFromEmptyCorner(before, given, numbered, s) ? Match::kYes : Match::kCrowded;
}

}  // namespace

QString GameHeading(const GameRecord& game) {
  QString heading =
      QStringLiteral("黒 %1　白 %2")
          .arg(PlayerText(game.black, game.blackRank), PlayerText(game.white, game.whiteRank));
  if (game.Year() > 0) heading += QStringLiteral("　%1年").arg(game.Year());
  // A handicap game says so, as 「三子局」: its stones change what the joseki means.
  static const QString kCounts = QStringLiteral("〇一二三四五六七八九");
  const size_t stones = game.handicap.size();
  if (stones >= 2 && stones <= 9)
    heading += u'　' + kCounts[qsizetype(stones)] + QStringLiteral("子局");
  return heading;
}

bool HasKanjiHeading(const GameRecord& game) {
  return !PlayerInKanji(game.black).isEmpty() && !PlayerInKanji(game.white).isEmpty();
}

QString GameMovesText(const GameRecord& game) {
  QString text;
  for (const BoardPoint& p : game.handicap) text += EncodeGameMove(p);
  if (!game.handicap.empty()) text += u'+';
  for (const BoardPoint& p : game.moves) text += EncodeGameMove(p);
  return text;
}

QString GameReferenceText(const QString& heading, int first, int last, const QString& moves) {
  return QStringLiteral("%1|%2/%3|%4").arg(heading).arg(first).arg(last).arg(moves);
}

QString MakeGameReference(const GameRecord& game, const Occurrence& occurrence) {
  return GameReferenceText(GameHeading(game), occurrence.first, occurrence.last,
                           GameMovesText(game));
}

QString VerifyGameReference(const Joseki& joseki, const QString& reference) {
  if (joseki.given < 0 || joseki.given > static_cast<int>(joseki.stones.size()))
    return QStringLiteral("the joseki has %1 given stones but only %2 stones")
        .arg(joseki.given)
        .arg(joseki.stones.size());
  const QStringList parts = reference.split(u'|');
  if (parts.size() != 3 || parts[0].isEmpty())
    return QStringLiteral("the reference is not heading|range|moves");
  const QStringList range = parts[1].split(u'/');
  bool okFirst = false, okLast = false;
  const int first = range.value(0).toInt(&okFirst);
  const int last = range.value(1).toInt(&okLast);
  if (range.size() != 2 || !okFirst || !okLast)
    return QStringLiteral("bad move range %1").arg(parts[1]);
  GameRecord game;
  if (!DecodeGameMoves(parts[2], game))
    return QStringLiteral("the game moves are not coordinate pairs");
  const std::vector<BoardPoint>& moves = game.moves;
  const int count = static_cast<int>(joseki.NumberedMoves().size());
  if (first < 1 || last > static_cast<int>(moves.size()) || last - first + 1 != count)
    return QStringLiteral("range %1/%2 does not hold the %3 numbered moves of a game of %4 moves")
        .arg(first)
        .arg(last)
        .arg(count)
        .arg(moves.size());
  bool crowded = false;
  for (int s = 0; s < kSymmetries; ++s) {
    const Match match = RangeMatches(joseki, game, first, s);
    if (match == Match::kYes) return {};
    crowded = crowded || match == Match::kCrowded;
  }
  if (crowded)
    return QStringLiteral(
               "game moves %1 to %2 are the joseki, but other stones stood within "
               "two lines of it when it began")
        .arg(first)
        .arg(last);
  return QStringLiteral("game moves %1 to %2 are not the joseki in any orientation")
      .arg(first)
      .arg(last);
}
