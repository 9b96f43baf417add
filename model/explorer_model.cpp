#include "model/explorer_model.h"

#include "features/search_texts.h"
#include "rules/board_symmetry.h"
#include "rules/move_encoding.h"

namespace {

std::optional<Point> PointOf(const StoredMove& m) {
  if (m.row <= 0 || m.column <= 0) return std::nullopt;
  return Point{m.column, m.row};
}

}  // namespace

ExplorerModel::ExplorerModel(BoardWindowModel& board, MessageSink& messages,
                             const QString& ownIndexFile)
    : board_(board),
      messages_(messages),
      explorer_(board.folder().CollectionFile(), ownIndexFile),
      ownIndexFile_(ownIndexFile) {}

void ExplorerModel::SetSource(ExplorerSource source) {
  view_.source = source;
  Follow();
}

void ExplorerModel::Follow() {
  if (view_.source == ExplorerSource::kLeftBoard)
    FollowLeftBoard();
  else
    FollowRightBoard();
}

void ExplorerModel::FollowLeftBoard() {
  const JosekiRecord& record = board_.shownRecord();
  const int stones = board_.leftBoardStones();
  view_.heading = record.title.isEmpty() ? QStringLiteral("左の盤：定石が選ばれていません")
                                         : QStringLiteral("左の盤：%1（%2 手目まで）")
                                               .arg(record.title)
                                               .arg(stones - int(record.givenStones.size()));
  // The joseki lie in the upper-left corner; the walk's tenuki cells lie elsewhere.
  view_.exploration = explorer_.Explore(board_.diagram().counts(), ColourOfNth(stones + 1), 0);
}

void ExplorerModel::FollowRightBoard() {
  const Sequence& sequence = board_.searchTexts().sequence;
  if (!board_.inputClosed() && sequence.HoldsStones())
    FollowSearchInput(sequence);
  else
    FollowGame();
}

void ExplorerModel::FollowSearchInput(const Sequence& sequence) {
  const std::vector<StoredMove> stones = sequence.Moves();
  BoardState board;
  std::optional<Point> last;
  for (size_t k = 0; k < stones.size(); ++k) {
    const auto p = PointOf(stones[k]);
    if (!p || !IsOnBoard(*p)) continue;
    PlayWithCaptures(board, *p, ColourOfNth(int(k) + 1));
    last = p;
  }
  view_.heading = QStringLiteral("右の盤：検索手順 %1 手").arg(stones.size());
  const Colour toMove = ColourOfNth(int(stones.size()) + 1);
  view_.exploration = explorer_.Explore(board, toMove, CornerOfPlay(board, last));
}

void ExplorerModel::FollowGame() {
  const GameReplay& replay = board_.replay();
  const int shown = replay.shownMove();
  view_.heading = shown > 0 ? QStringLiteral("右の盤：実戦 %1 手目").arg(shown)
                            : QStringLiteral("右の盤：石がありません");
  std::optional<Point> last;
  if (shown > 0 && shown <= int(replay.moves().size())) last = replay.moves()[shown - 1];
  const BoardState& board = replay.counts();
  view_.exploration =
      explorer_.Explore(board, replay.ColourOfMove(shown + 1), CornerOfPlay(board, last));
}

void ExplorerModel::Choose(int line) {
  const auto& lines = view_.exploration.lines;
  if (line < 0 || line >= int(lines.size())) return;
  const std::optional<Point> p = lines[size_t(line)].boardPoint;
  const Sequence& sequence = board_.searchTexts().sequence;
  if (view_.source == ExplorerSource::kLeftBoard && IsNextWalkMove(p)) {
    board_.ShowNextMove();
    return Follow();
  }
  if (view_.source == ExplorerSource::kLeftBoard) {
    PlayFromLeftBoard(p);
  } else if (!board_.inputClosed() && sequence.HoldsStones()) {
    PlaceSearchStone(p);
  } else {
    const GameReplay& replay = board_.replay();
    const int next = replay.shownMove();
    if (p && next < int(replay.moves().size()) && replay.moves()[size_t(next)] == *p)
      board_.ForwardOneMove();
    else if (!PlayFromGameCorner(p))
      return;
  }
  view_.source = ExplorerSource::kRightBoard;
  Follow();
}

void ExplorerModel::PlaceSearchStone(std::optional<Point> p) {
  board_.PlaceSearchStone(p.value_or(kFirstTenukiCell));
}

// The left board's stones, given stones included, entered as a search
// sequence on the right board, then the chosen stone.
void ExplorerModel::PlayFromLeftBoard(std::optional<Point> p) {
  const JosekiRecord& record = board_.shownRecord();
  std::vector<StoredMove> stones = record.givenStones;
  stones.insert(stones.end(), record.numberedMoves.begin(), record.numberedMoves.end());
  stones.resize(std::min(stones.size(), size_t(board_.leftBoardStones())));
  board_.StartSearchInput();
  for (const StoredMove& stone : stones) PlaceSearchStone(PointOf(stone));
  PlaceSearchStone(p);
}

// The stones of the game's corner, turned to the upper left, entered as a
// search sequence (the side with a stone on the section's first point as
// black, that stone first; the sides in turn, a move elsewhere for a side
// without one left), then the chosen stone. Only the position counts, not
// the order the game played it in: no stone of a position after its captures
// captures when placed, and the corner's key is the same with colours swapped.
bool ExplorerModel::PlayFromGameCorner(std::optional<Point> p) {
  const Exploration& shown = view_.exploration;
  const Symmetry toUpperLeft = Symmetry::ToCorner(shown.corner & 1, shown.corner & 2);
  std::vector<Point> stones[2];  // the side to enter as black, the other
  for (int row = 1; row <= kBoardSize; ++row)
    for (int column = 1; column <= kBoardSize; ++column)
      if (const int code = shown.board.at(column, row);
          code != 0 && IsInCorner({column, row}, shown.corner))
        stones[code % 2 != 0 ? 0 : 1].push_back(toUpperLeft({column, row}));
  const Section section = board_.section();
  const auto firstPoint = [&](std::vector<Point>& side) {
    return std::find_if(side.begin(), side.end(),
                        [&](Point q) { return IsAllowedFirstMove(section, q); });
  };
  Colour toMove = shown.toMove;
  if (firstPoint(stones[0]) == stones[0].end() && firstPoint(stones[1]) != stones[1].end()) {
    std::swap(stones[0], stones[1]);
    toMove = Other(toMove);
  }
  const auto first = firstPoint(stones[0]);
  if (first == stones[0].end() && !IsAllowedFirstMove(section, kFirstTenukiCell)) {
    messages_.ShowMessage(FirstMoveMessage(section));
    return false;
  }
  if (first != stones[0].end()) std::rotate(stones[0].begin(), first, first + 1);
  board_.StartSearchInput();
  size_t placed[2] = {0, 0};
  int count = 0;
  while (placed[0] < stones[0].size() || placed[1] < stones[1].size()) {
    const int side = ColourOfNth(++count) == Colour::kBlack ? 0 : 1;
    const auto& list = stones[side];
    PlaceSearchStone(placed[side] < list.size() ? std::optional(list[placed[side]++])
                                                : std::nullopt);
  }
  if (ColourOfNth(count + 1) != toMove) PlaceSearchStone(std::nullopt);
  PlaceSearchStone(p ? std::optional(toUpperLeft(*p)) : std::nullopt);
  return true;
}

// Whether p (none for a move elsewhere) is the next stone of the left board's
// walk; the whole joseki shown has none.
bool ExplorerModel::IsNextWalkMove(std::optional<Point> p) const {
  const JosekiRecord& record = board_.shownRecord();
  const size_t next = size_t(board_.leftBoardStones()) - record.givenStones.size();
  if (board_.leftBoardStones() < int(record.givenStones.size()) ||
      next >= record.numberedMoves.size())
    return false;
  const std::optional<Point> stone = PointOf(record.numberedMoves[next]);
  return stone == p;
}

void ExplorerModel::SearchByPosition() {
  const Exploration& shown = view_.exploration;
  positionSearch_.matches = explorer_.RowsAt(shown.board, shown.toMove, shown.corner);
  const QString side = shown.toMove == Colour::kBlack ? u"黒番"_qs : u"白番"_qs;
  positionSearch_.summary =
      positionSearch_.matches.empty()
          ? QStringLiteral("%1の形（%2）を通る定石はありません。").arg(view_.heading, side)
          : QStringLiteral("%1の形（%2）を通る定石：%3（手順・向き・色を問わず）")
                .arg(view_.heading, side)
                .arg(positionSearch_.matches.size());
  if (!shown.gamesText.isEmpty())
    positionSearch_.summary += QStringLiteral("\nこの形が現れた対局：%1").arg(shown.gamesText);
}

void ExplorerModel::ShowMatch(int match) {
  if (match < 0 || match >= int(positionSearch_.matches.size())) return;
  const PositionMatch& chosen = positionSearch_.matches[size_t(match)];
  board_.ShowRow(chosen.josekiId, chosen.section.value_or(board_.section()));
  view_.source = ExplorerSource::kLeftBoard;
  Follow();
}

void ExplorerModel::AddGameFolder(const QString& folder) {
  if (!reading_.Start(folder, ownIndexFile_)) return;  // the button is off while it reads
  folderRead_ = folder;
  view_.reading = {.busy = true, .filesRead = 0, .files = 0, .report = {}};
}

void ExplorerModel::CancelReading() {
  reading_.Cancel();
}

bool ExplorerModel::UpdateReading(bool wait) {
  view_.reading.filesRead = reading_.FilesRead();
  view_.reading.files = reading_.Files();
  const std::optional<FolderReading> ended = reading_.Take(wait);
  if (!ended) return false;
  view_.reading.busy = false;
  view_.reading.report = ReadingReport(*ended);
  explorer_.ReopenOwnIndex();
  Follow();
  return true;
}

QString ExplorerModel::ReadingReport(const FolderReading& reading) const {
  QString report;
  switch (reading.end) {
    case FolderReadingEnd::kAdded:
      report = QStringLiteral(
                   "棋譜フォルダ「%1」を読みました。新しい棋譜 %2 "
                   "局、同じ手順の棋譜が既にあって数えなかったもの %3 局、"
                   "読めないファイル %4 件。自分の棋譜は合わせて %5 局です。")
                   .arg(folderRead_)
                   .arg(reading.gamesAdded)
                   .arg(reading.duplicates)
                   .arg(reading.unreadable.size())
                   .arg(reading.gamesHeld);
      break;
    case FolderReadingEnd::kCancelled:
      report =
          QStringLiteral("棋譜フォルダ「%1」の読み込みを中止しました。自分の棋譜は前のままです。")
              .arg(folderRead_);
      break;
    case FolderReadingEnd::kFailed:
      report = reading.error + QStringLiteral("自分の棋譜は前のままです。");
      break;
  }
  if (reading.end != FolderReadingEnd::kCancelled && !reading.unreadable.isEmpty())
    report += QStringLiteral("\n読めなかったファイル：\n") + reading.unreadable.join(u'\n');
  return report;
}
