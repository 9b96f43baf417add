#include "model/explorer_model.h"

#include "pictures/board_pictures.h"
#include "rules/move_encoding.h"

namespace {

// A point inside the cell, so that the click lands on it whatever the rounding.
constexpr QPoint kIntoCell{5, 5};
// The first of the right board's tenuki cells: a click there is a move elsewhere.
constexpr QPoint kTenukiCell{800, 216};

// A search sequence holds stones once the input has taken some; before that
// the selection keeps the game reference there (heading | range | moves).
bool HoldsStones(const QString& sequence) {
  return !sequence.isEmpty() && !sequence.contains(u'|');
}

std::u16string_view View(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())};
}

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
  const QString& sequence = board_.searchTexts().sequence;
  if (!board_.inputClosed() && HoldsStones(sequence))
    FollowSearchInput(sequence);
  else
    FollowGame();
}

void ExplorerModel::FollowSearchInput(const QString& sequence) {
  const std::vector<StoredMove> stones = ParseMoveString(View(sequence));
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
  view_.exploration = explorer_.Explore(board, ColourOfNth(shown + 1), CornerOfPlay(board, last));
}

void ExplorerModel::Choose(int line) {
  const auto& lines = view_.exploration.lines;
  if (line < 0 || line >= int(lines.size())) return;
  const std::optional<Point> p = lines[size_t(line)].boardPoint;
  const QString& sequence = board_.searchTexts().sequence;
  if (view_.source == ExplorerSource::kLeftBoard) {
    PlayFromLeftBoard(p);
  } else if (!board_.inputClosed() && HoldsStones(sequence)) {
    ClickRightBoard(p);
  } else {
    const GameReplay& replay = board_.replay();
    const int next = replay.shownMove();
    if (!p || next >= int(replay.moves().size()) || replay.moves()[size_t(next)] != *p) {
      messages_.ShowMessage(
          QStringLiteral("実戦ではこの手は打たれていません。検索手順の入力を始めると、この形から続"
                         "けて打てます。"));
      return;
    }
    board_.ForwardOneMove();
  }
  view_.source = ExplorerSource::kRightBoard;
  Follow();
}

void ExplorerModel::ClickRightBoard(std::optional<Point> p) {
  const QPoint at = p ? CellOrigin(Board::kRight, *p) + kIntoCell : kTenukiCell;
  board_.ClickBoardAt(at.x(), at.y());
}

// The left board's stones, given stones included, entered as a search
// sequence on the right board, then the chosen stone.
void ExplorerModel::PlayFromLeftBoard(std::optional<Point> p) {
  const JosekiRecord& record = board_.shownRecord();
  std::vector<StoredMove> stones = record.givenStones;
  stones.insert(stones.end(), record.numberedMoves.begin(), record.numberedMoves.end());
  stones.resize(std::min(stones.size(), size_t(board_.leftBoardStones())));
  board_.StartSearchInput();
  for (const StoredMove& stone : stones) ClickRightBoard(PointOf(stone));
  ClickRightBoard(p);
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
