#include "features/corner_explorer.h"

#include <algorithm>

namespace {

int StonesIn(const BoardState& board, int corner) {
  return ReadCorner(board, corner, Colour::kBlack).stones;
}

QString YearText(int first, int last) {
  if (first == 0) return QStringLiteral("年不明");
  if (first == last) return QStringLiteral("%1年").arg(first);
  return QStringLiteral("%1〜%2年").arg(first).arg(last);
}

QString Share(int part, int whole) {
  return whole > 0 ? QStringLiteral("%1%").arg(qRound(100.0 * part / whole)) : QString();
}

QString ProfessionalText(const ContinuationRecord& c, int positionGames) {
  if (c.games == 0) return QStringLiteral("プロ なし");
  const QString years = YearText(c.firstYear, c.lastYear);
  if (c.games == 1) return QStringLiteral("プロ 1 局のみ（%1）").arg(years);
  return QStringLiteral("プロ %1 局（%2・%3）")
      .arg(c.games)
      .arg(Share(c.games, positionGames), years);
}

QString EngineText(const ContinuationRecord& c, int positionGames) {
  if (c.engineGames == 0) return QStringLiteral("AI なし");
  return QStringLiteral("AI %1 局（%2）")
      .arg(c.engineGames)
      .arg(Share(c.engineGames, positionGames));
}

// Support of a continuation: its share among the professionals plus its share
// among the engine games, so that neither source's size decides alone.
double Support(const ContinuationRecord& c, const CornerPositionRecord& record) {
  double support = 0;
  if (record.games > 0) support += double(c.games) / record.games;
  if (record.engineGames > 0) support += double(c.engineGames) / record.engineGames;
  return support;
}

QString LetterOf(int index) {
  return index < 26 ? QString(QChar(u'a' + index)) : QStringLiteral("*");
}

}  // namespace

QString PositionMatch::Text() const {
  const QString where = section ? QString::fromUtf16(FactsOf(*section).menuCaption).remove(u' ')
                                : QStringLiteral("部なし");
  const QString when = move == 0 ? QStringLiteral("打つ前") : QStringLiteral("%1 手目").arg(move);
  return QStringLiteral("%1（%2）　%3・%4").arg(title, key, where, when);
}

int CornerOfPlay(const BoardState& board, std::optional<Point> last) {
  int best = -1, bestStones = -1;
  for (int corner = 0; corner < kCorners; ++corner) {
    if (last && !IsInCorner(*last, corner)) continue;
    const int stones = StonesIn(board, corner);
    if (stones > bestStones) best = corner, bestStones = stones;
  }
  return best < 0 ? 0 : best;
}

Exploration CornerExplorer::Explore(const BoardState& board, Colour toMove, int corner) const {
  Exploration exploration;
  exploration.corner = corner;
  exploration.toMove = toMove;
  exploration.board = board;
  const CornerPosition position = ReadCorner(board, corner, toMove);
  const QString side = toMove == Colour::kBlack ? QStringLiteral("黒番") : QStringLiteral("白番");
  const auto record = position.IsEmpty() ? std::nullopt : index_.Lookup(position.key);
  if (!record) {
    exploration.summary = !index_.Error().isEmpty() ? index_.Error()
                          : position.IsEmpty()
                              ? QStringLiteral("隅に石がありません。")
                              : QStringLiteral(
                                    "この形（%1）は索引にありません。"
                                    "プロの実戦にも AI の対局にも定石にも現れません。")
                                    .arg(side);
    return exploration;
  }
  exploration.held = true;
  exploration.summary = QStringLiteral(
                            "この形（%1）が現れた対局：プロ %2 局、AI %3 "
                            "局。各手の局数はこの形の次にその手が打たれた対局の数です。")
                            .arg(side)
                            .arg(record->games)
                            .arg(record->engineGames);
  std::vector<ContinuationRecord> ranked = record->continuations;
  std::stable_sort(ranked.begin(), ranked.end(), [&](const auto& a, const auto& b) {
    return Support(a, *record) > Support(b, *record);
  });
  int letters = 0;
  for (const ContinuationRecord& c : ranked) {
    ExplorerLine line;
    line.games = c.games;
    line.engineGames = c.engineGames;
    line.label = c.IsElsewhere() ? QStringLiteral("手抜き") : LetterOf(letters++);
    if (!c.IsElsewhere()) line.boardPoint = BoardPointOf(position, c.point);
    line.professional = ProfessionalText(c, record->games);
    line.engine = EngineText(c, record->engineGames);
    exploration.lines.push_back(line);
  }
  AddRowTitles(position, *record, exploration);
  return exploration;
}

// Each row through the position names its next stone; a row whose next
// stone no game and no engine tree played adds a line of its own.
void CornerExplorer::AddRowTitles(const CornerPosition& position,
                                  const CornerPositionRecord& record,
                                  Exploration& exploration) const {
  for (const RowPassageRecord& passage : record.rows) {
    const auto row = index_.ReadRow(passage.joseki);
    if (!row) continue;
    const QString title = QStringLiteral("%1（%2）").arg(row->title, row->key);
    if (passage.stone >= int(row->stones.size())) {
      exploration.endingRows << title;
      continue;
    }
    BoardState rowBoard;
    for (int k = 0; k < passage.stone; ++k) {
      const StoredMove& m = row->stones[k];
      if (IsOnBoard({m.column, m.row}))
        PlayWithCaptures(rowBoard, {m.column, m.row}, ColourOfNth(k + 1));
    }
    const CornerPosition rowPosition = ReadCorner(rowBoard, 0, ColourOfNth(passage.stone + 1));
    const StoredMove& next = row->stones[passage.stone];
    const Point keyPoint =
        next.column > 0 ? KeyFramePoint(rowPosition, {next.column, next.row}) : Point{0, 0};
    const std::optional<Point> boardPoint =
        keyPoint.column == 0 ? std::nullopt : std::optional(BoardPointOf(position, keyPoint));
    auto line = std::find_if(exploration.lines.begin(), exploration.lines.end(),
                             [&](const ExplorerLine& l) { return l.boardPoint == boardPoint; });
    if (line == exploration.lines.end()) {
      int letters = 0;
      for (const ExplorerLine& l : exploration.lines) letters += l.boardPoint.has_value();
      ExplorerLine bookOnly;
      bookOnly.label = boardPoint ? LetterOf(letters) : QStringLiteral("手抜き");
      bookOnly.boardPoint = boardPoint;
      bookOnly.professional = QStringLiteral("プロ なし");
      bookOnly.engine = QStringLiteral("AI なし");
      exploration.lines.push_back(bookOnly);
      line = exploration.lines.end() - 1;
    }
    if (!line->rowTitles.contains(title)) line->rowTitles << title;
  }
}

std::vector<PositionMatch> CornerExplorer::RowsAt(const BoardState& board, Colour toMove,
                                                  int corner) const {
  std::vector<PositionMatch> matches;
  const CornerPosition position = ReadCorner(board, corner, toMove);
  if (position.IsEmpty()) return matches;
  for (const RowPassageRecord& passage : index_.RowsThrough(position.key)) {
    const auto row = index_.ReadRow(passage.joseki);
    if (!row || (!matches.empty() && matches.back().josekiId.toInt() == passage.joseki)) continue;
    matches.push_back(
        {.josekiId = QString::number(passage.joseki),
         .title = row->title,
         .key = row->key,
         .section = row->key.isEmpty() ? std::nullopt : SectionOfKeyDigit(row->key[0].unicode()),
         .move = std::max(0, passage.stone - row->given)});
  }
  // The key's first digit is its section's, in the sections' order.
  std::stable_sort(matches.begin(), matches.end(),
                   [](const auto& a, const auto& b) { return a.key < b.key; });
  return matches;
}
