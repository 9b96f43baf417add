#include "collection/record_parsing.h"

namespace {

void RemoveFirst(QString& text, QChar c) {
  const qsizetype p = text.indexOf(c);
  if (p >= 0) text.remove(p, 1);
}

QString WithoutFirstBlanks(QString text) {
  RemoveFirst(text, u' ');
  RemoveFirst(text, u'\u3000');
  return text;
}

// A move number of the range: stored as a 16-bit integer, so that no
// arithmetic on it can overflow; nullopt when it cannot be read or does not fit.
std::optional<int> ReadMoveNumber(const QString& text) {
  bool ok = false;
  const short value = text.trimmed().toShort(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

// A game's moves as stored: a handicap game's stones stand before a "+", its
// moves after it.
void ReadGameMoves(QString text, GameReference& game) {
  text = WithoutFirstBlanks(text);
  const qsizetype plus = text.indexOf(u'+');
  if (plus >= 0) {
    game.handicap = ParseGameMoves(Utf16View(text.left(plus)));
    text = text.mid(plus + 1);
  }
  game.moves = ParseGameMoves(Utf16View(text));
}

std::vector<Marker> ParseMarkers(const QString& text) {
  std::vector<Marker> markers;
  const auto at = [&](qsizetype i) { return i < text.size() ? text[i].unicode() : char16_t(0); };
  for (qsizetype i = 0; i < text.size(); i += 3)
    markers.push_back({{CoordValue(at(i + 1)), CoordValue(at(i))}, at(i + 2)});
  return markers;
}

}  // namespace

QString CleanNumberedMoves(QString moves) {
  for (int i = 0; i < 2 && moves.size() % 3 != 0; ++i) moves.chop(1);
  return WithoutFirstBlanks(moves);
}

GameReference ParseGameReference(const QString& text) {
  GameReference game;
  game.present = text.size() >= 2;
  if (!game.present) return game;
  QString rest = text;
  const qsizetype headingEnd = rest.indexOf(u'|');
  if (headingEnd >= 0) {
    game.heading = rest.left(headingEnd);
    rest = rest.mid(headingEnd + 1);
  }
  const qsizetype rangeEnd = rest.indexOf(u'|');
  if (rangeEnd >= 0) {
    const QString range = rest.left(rangeEnd);
    rest = rest.mid(rangeEnd + 1);
    const qsizetype slash = range.indexOf(u'/');
    if (slash >= 0) {
      game.firstMove = ReadMoveNumber(range.left(slash));
      game.lastMove = ReadMoveNumber(range.mid(slash + 1));
    }
  }
  ReadGameMoves(rest, game);
  return game;
}

GameReference GameOfColumns(const QString& heading, const QString& firstMove,
                            const QString& lastMove, const QString& moves) {
  GameReference game{.present = true,
                     .heading = heading,
                     .firstMove = ReadMoveNumber(firstMove),
                     .lastMove = ReadMoveNumber(lastMove),
                     .handicap = {},
                     .moves = {}};
  ReadGameMoves(moves, game);
  return game;
}

std::optional<JosekiRecord> ParseRecord(const StoredRow& row) {
  const QString& moves = row[7];
  const int givenCount = row[3].size() == 1 ? CoordValue(row[3][0].unicode()) : 0;
  if (3 * givenCount > moves.size()) return std::nullopt;
  JosekiRecord record;
  record.id = row[0];
  record.title = row[4];
  record.caption = row[5];
  record.commentary = row[6];
  record.givenStones = ParseMoveString(Utf16View(moves.left(3 * givenCount)));
  record.numberedMoves = ParseMoveString(Utf16View(CleanNumberedMoves(moves.mid(3 * givenCount))));
  record.markers = ParseMarkers(row[2]);
  record.storedMoves = Sequence(moves);
  record.referenceText = row[8];
  record.game = ParseGameReference(row[8]);
  return record;
}
