#include "features/corner_explorer.h"

#include <QFileInfo>
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

QString OwnText(int games, int positionGames) {
  if (games == 0) return QStringLiteral("自分 なし");
  if (games == 1) return QStringLiteral("自分 1 局のみ");
  return QStringLiteral("自分 %1 局（%2）").arg(games).arg(Share(games, positionGames));
}

// A continuation of the collection's index with the user's own count beside it.
struct Candidate {
  ContinuationRecord collection;
  int own = 0;
};

// Both indexes' continuations of a position, by the point of the key's frame.
std::vector<Candidate> Candidates(const CornerPositionRecord& collection,
                                  const CornerPositionRecord& own) {
  std::vector<Candidate> candidates;
  for (const ContinuationRecord& c : collection.continuations) candidates.push_back({c, 0});
  for (const ContinuationRecord& c : own.continuations) {
    auto same = std::find_if(candidates.begin(), candidates.end(),
                             [&](const Candidate& k) { return k.collection.point == c.point; });
    if (same == candidates.end())
      candidates.push_back({{.point = c.point}, c.games});
    else
      same->own = c.games;
  }
  return candidates;
}

// Support of a continuation: its share among the professionals plus its share
// among the engine games (and among the user's own games), so that no
// source's size decides alone.
double Support(const Candidate& c, const CornerPositionRecord& collection,
               const CornerPositionRecord& own) {
  double support = 0;
  if (collection.games > 0) support += double(c.collection.games) / collection.games;
  if (collection.engineGames > 0)
    support += double(c.collection.engineGames) / collection.engineGames;
  if (own.games > 0) support += double(c.own) / own.games;
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

CornerExplorer::CornerExplorer(const QString& collectionFile, const QString& ownIndexFile)
    : index_(collectionFile), ownIndexFile_(ownIndexFile) {
  ReopenOwnIndex();
}

void CornerExplorer::ReopenOwnIndex() {
  own_.reset();
  if (ownIndexFile_.isEmpty() || !QFileInfo::exists(ownIndexFile_)) return;
  own_ = std::make_unique<CornerIndexReader>(ownIndexFile_);
  if (!own_->IsOpen()) own_.reset();
}

QString CornerExplorer::NotHeld(const CornerPosition& position, const QString& side) const {
  if (!index_.Error().isEmpty()) return index_.Error();
  if (position.IsEmpty()) return QStringLiteral("隅に石がありません。");
  return QStringLiteral("この形（%1）は索引にありません。%2")
      .arg(side,
           own_ ? QStringLiteral("プロの実戦にも AI の対局にも定石にも自分の棋譜にも現れません。")
                : QStringLiteral("プロの実戦にも AI の対局にも定石にも現れません。"));
}

Exploration CornerExplorer::Explore(const BoardState& board, Colour toMove, int corner) const {
  Exploration exploration;
  exploration.corner = corner;
  exploration.toMove = toMove;
  exploration.board = board;
  const CornerPosition position = ReadCorner(board, corner, toMove);
  const QString side = toMove == Colour::kBlack ? QStringLiteral("黒番") : QStringLiteral("白番");
  const auto record = position.IsEmpty() ? std::nullopt : index_.Lookup(position.key);
  const auto ownRecord = position.IsEmpty() || !own_ ? std::nullopt : own_->Lookup(position.key);
  if (!record && !ownRecord) {
    exploration.summary = NotHeld(position, side);
    return exploration;
  }
  const CornerPositionRecord collection = record.value_or(CornerPositionRecord{});
  const CornerPositionRecord own = ownRecord.value_or(CornerPositionRecord{});
  exploration.held = true;
  const QString ownCount = own_ ? QStringLiteral("、自分 %1 局").arg(own.games) : QString();
  // Handicap stones set up in the corner make a game's corner occupied from the start.
  const QString occupied =
      collection.gamesFromOccupied > 0
          ? QStringLiteral("（うち置石のある隅から %1 局）").arg(collection.gamesFromOccupied)
          : QString();
  exploration.gamesText = QStringLiteral("プロ %1 局%2、AI %3 局%4")
                              .arg(collection.games)
                              .arg(occupied)
                              .arg(collection.engineGames)
                              .arg(ownCount);
  exploration.summary = QStringLiteral(
                            "この形（%1）が現れた対局：%2。"
                            "各手の局数はこの形の次にその手が打たれた対局の数です。")
                            .arg(side, exploration.gamesText);
  std::vector<Candidate> ranked = Candidates(collection, own);
  std::stable_sort(ranked.begin(), ranked.end(), [&](const auto& a, const auto& b) {
    return Support(a, collection, own) > Support(b, collection, own);
  });
  int letters = 0;
  for (const Candidate& candidate : ranked) {
    const ContinuationRecord& c = candidate.collection;
    ExplorerLine line;
    line.games = c.games;
    line.engineGames = c.engineGames;
    line.ownGames = candidate.own;
    line.label = c.IsElsewhere() ? QStringLiteral("手抜き") : LetterOf(letters++);
    if (!c.IsElsewhere()) line.boardPoint = BoardPointOf(position, c.point);
    line.professional = ProfessionalText(c, collection.games);
    line.engine = EngineText(c, collection.engineGames);
    if (own_) line.own = OwnText(candidate.own, own.games);
    exploration.lines.push_back(line);
  }
  AddRowTitles(position, collection, exploration);
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
      if (own_) bookOnly.own = OwnText(0, 0);
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
