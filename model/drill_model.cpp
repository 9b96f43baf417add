#include "model/drill_model.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include "collection/collection_store.h"
#include "collection/played_game.h"
#include "features/own_game_lines.h"
#include "pictures/board_renderer.h"

namespace {
constexpr int kSectionCount = int(kSections.size());
const char16_t* const kSectionNames[kSectionCount] = {
    u"置碁の部", u"星の部", u"小目の部", u"高目の部", u"目外シの部", u"三々の部", u"その他の部"};
constexpr int kWrongDeck = kSectionCount;  // the decks after the sections
constexpr int kOwnGamesDeck = kWrongDeck + 1;
constexpr int kFirstFamilyDeck = kOwnGamesDeck + 1;
constexpr int kFailedLinesShown = 5;

QString ColourName(Colour colour) {
  return colour == Colour::kBlack ? u"黒"_qs : u"白"_qs;
}

QString Percent(const AnswerShare& share) {
  if (share.total == 0) return u"—"_qs;
  return u"%1%（%2問）"_qs.arg(share.right * 100 / share.total).arg(share.total);
}
}  // namespace

DrillModel::DrillModel(const ProgramFolder& folder, ProgressStore& store, MessageSink& messages,
                       unsigned seed, Clock clock)
    : folder_(folder),
      store_(store),
      messages_(messages),
      random_(seed),
      clock_(std::move(clock)),
      canvas_(folder.ImageFolder()) {}

DrillModel::~DrillModel() = default;

bool DrillModel::Load() {
  if (!store_.notice().isEmpty()) messages_.ShowMessage(store_.notice());
  QSet<QString> ids;
  for (Section section : kSections) {
    SectionRecords read = ReadSection(folder_.CollectionFile(), section);
    if (!read.error.isEmpty()) {
      messages_.ShowMessage(read.error);
      book_ = {};
      break;
    }
    for (JosekiRecord& record : read.records) {
      if (ids.contains(record.id)) continue;  // section 2 lists the handicap rows again
      ids.insert(record.id);
      book_.rows.push_back(std::move(record));
      book_.sections.push_back(section);
    }
  }
  positions_ = std::make_unique<BookPositions>(book_.rows);
  families_ = FamilyPrefixes(book_.rows);
  board_.Clear();
  ChooseDeck(0);
  return !book_.rows.empty();
}

QStringList DrillModel::DeckNames() const {
  QStringList names;
  for (const char16_t* name : kSectionNames) names << QString::fromUtf16(name);
  names << u"間違えた定石"_qs << u"自分の対局から"_qs;
  for (const QString& family : families_) names << u"系統：%1"_qs.arg(family);
  return names;
}

DeckChoice DrillModel::Choice(int index) const {
  if (index < kSectionCount) return {DeckKind::kSection, kSections[size_t(index)], {}, {}};
  if (index == kWrongDeck) return {DeckKind::kWrong, {}, {}, {}};
  if (index == kOwnGamesDeck) return {DeckKind::kOwnGames, {}, {}, store_.OwnGameLineIds()};
  return {DeckKind::kFamily, {}, families_.value(index - kFirstFamilyDeck), {}};
}

void DrillModel::ChooseDeck(int index) {
  if (index < 0 || index >= int(DeckNames().size())) return;
  deckIndex_ = index;
  // A line left unfinished for another deck may come again there.
  if (drill_ && drill_->state() != DrillState::kLineDone && drill_->answers().empty())
    drilledThisSession_.erase(drill_->drilledRow());
  deck_ = DeckRows(book_, Choice(index), store_.schedules());
  NextLine();
}

NextLineRules DrillModel::Rules() const {
  const QDate today = clock_();
  NextLineRules rules;
  rules.today = today.toJulianDay();
  rules.newLinesAllowed = std::max(0, store_.DailyNewLimit() - store_.NewLinesOn(today));
  // The lines got wrong and those of one's own games are asked whenever chosen.
  rules.practiseAhead = deckIndex_ == kWrongDeck || deckIndex_ == kOwnGamesDeck;
  rules.drilledThisSession = drilledThisSession_;
  return rules;
}

void DrillModel::NextLine() {
  if (drill_ && !lineRecorded_ && drill_->state() == DrillState::kLineDone) FinishLine();
  drill_.reset();
  followedRow_ = -1;
  view_.result.clear();
  view_.commentary.clear();
  const std::optional<int> next = ::NextLine(book_, deck_, store_.schedules(), Rules());
  if (next) {
    DrillSetup setup = RandomSetup(random_);
    drill_ = std::make_unique<LineDrill>(*positions_, *next, setup);
    if (drill_->state() == DrillState::kLineDone) {
      // The side drawn has no move in this line: the user plays the other.
      setup.userColour = Other(setup.userColour);
      drill_ = std::make_unique<LineDrill>(*positions_, *next, setup);
    }
    lineRecorded_ = false;
    followedRow_ = drill_->followedRow();
    drilledThisSession_.insert(*next);
  }
  AfterEvent();
}

void DrillModel::Click(double x, double y) {
  if (!drill_) return;
  const std::optional<Point> p = PointAt(Board::kLeft, x, y);
  if (!p || drill_->Play(*p) == LineDrill::Verdict::kNotAMove) return;
  AfterEvent();
}

void DrillModel::PlayElsewhere() {
  if (!drill_ || drill_->PlayElsewhere() == LineDrill::Verdict::kNotAMove) return;
  AfterEvent();
}

void DrillModel::ShowAnswer() {
  if (!drill_) return;
  drill_->ShowAnswer();
  AfterEvent();
}

void DrillModel::Continue() {
  if (!drill_) return;
  drill_->Continue();
  AfterEvent();
}

void DrillModel::SetDailyNewLimit(int limit) {
  if (!store_.SetDailyNewLimit(limit)) messages_.ShowMessage(store_.error());
  UpdateTexts();
}

void DrillModel::AfterEvent() {
  // A move of another row: the drill says which row it follows from now on.
  const int followed = drill_ ? drill_->followedRow() : -1;
  joinedRow_ = followed != followedRow_ && followedRow_ >= 0 && followed >= 0
                   ? book_.rows[size_t(followed)].title
                   : QString();
  followedRow_ = followed;
  if (drill_ && !lineRecorded_ && drill_->state() == DrillState::kLineDone) FinishLine();
  Draw();
  UpdateTexts();
}

// The line's schedule and answers go to the progress file as soon as it ends.
void DrillModel::FinishLine() {
  lineRecorded_ = true;
  const QString id = book_.rows[size_t(drill_->drilledRow())].id;
  const std::optional<LineSchedule> before = store_.Schedule(id);
  const QDate today = clock_();
  const ReviewSchedule after = Review(before ? before->schedule : ReviewSchedule{},
                                      GradeOf(drill_->outcome()), today.toJulianDay());
  if (!store_.RecordLine(id, after, drill_->answers(), today))
    messages_.ShowMessage(store_.error());
  const JosekiRecord& followed = book_.rows[size_t(drill_->followedRow())];
  QString result = followed.title;
  if (drill_->followedRow() != drill_->drilledRow())
    result += u"（出題は %1）"_qs.arg(book_.rows[size_t(drill_->drilledRow())].title);
  const int right = int(std::count(drill_->answers().begin(), drill_->answers().end(), true));
  result += u"\n正解 %1 手、"_qs.arg(right);
  result += drill_->faults() == 0 ? u"間違いなし。"_qs
                                  : u"間違い・答えの表示 %1 回。"_qs.arg(drill_->faults());
  result += u"次の出題は %1 日後です。"_qs.arg(after.intervalDays);
  view_.result = result;
  view_.commentary = followed.commentary;
  deck_ = DeckRows(book_, Choice(deckIndex_), store_.schedules());
}

void DrillModel::Draw() {
  board_.DrawWhole(drill_ ? drill_->Diagram() : BoardDiagram{});
}

QString DrillModel::Prompt() const {
  if (book_.rows.empty()) return u"定石集を読み込めなかったため、練習できません。"_qs;
  if (!drill_)
    return u"この出題で今日練習する定石はもうありません。"
           u"別の出題を選ぶか、1日の新しい定石の数を増やしてください。"_qs;
  switch (drill_->state()) {
    case DrillState::kYourMove: {
      QString prompt;
      if (!drill_->answers().empty() && drill_->answers().back()) prompt = u"正解です。"_qs;
      if (!joinedRow_.isEmpty()) prompt += u"「%1」の手順に進みます。"_qs.arg(joinedRow_);
      return prompt + u"%1番です。次の一手を盤に打ってください（手抜きは T、答えは H）。"_qs.arg(
                          ColourName(drill_->userColourShown()));
    }
    case DrillState::kBookShown: {
      QStringList moves;
      for (const BookMark& mark : drill_->bookMarks())
        moves << (mark.elsewhere ? u"%1（手抜き）"_qs.arg(QChar(mark.letter))
                                 : QString(QChar(mark.letter)));
      return u"定石の手は %1 です。Space で続けます。"_qs.arg(moves.join(u"、"_qs));
    }
    case DrillState::kLineDone:
      return u"この定石は終わりです。N で次の定石へ進みます。"_qs;
  }
  return {};
}

QString DrillModel::ProgressText() const {
  const QDate today = clock_();
  const DeckCounts counts = CountDeck(book_, deck_, store_.schedules(), today.toJulianDay());
  QString text =
      u"新しい定石 %1　覚えている途中 %2　覚えた %3\n今日の復習 %4\n"_qs.arg(counts.newLines)
          .arg(counts.learning)
          .arg(counts.known)
          .arg(counts.dueToday);
  text += u"正解率　7日 %1　30日 %2"_qs.arg(Percent(store_.RightShare(today.addDays(-6), today)),
                                            Percent(store_.RightShare(today.addDays(-29), today)));
  const std::vector<FailedLine> failed = store_.MostFailedLines(kFailedLinesShown);
  if (failed.empty()) return text;
  text += u"\nよく間違える定石："_qs;
  for (const FailedLine& line : failed) {
    QString title = line.line;
    for (const JosekiRecord& row : book_.rows)
      if (row.id == line.line) title = row.title;
    text += u"\n　%1（%2回）"_qs.arg(title).arg(line.wrongAnswers);
  }
  return text;
}

void DrillModel::UpdateTexts() {
  const QDate today = clock_();
  const DeckCounts counts = CountDeck(book_, deck_, store_.schedules(), today.toJulianDay());
  view_.deck =
      u"%1　%2 題（今日の復習 %3、新しい定石 あと %4）"_qs.arg(DeckNames().value(deckIndex_))
          .arg(deck_.size())
          .arg(counts.dueToday)
          .arg(std::max(0, store_.DailyNewLimit() - store_.NewLinesOn(today)));
  view_.prompt = Prompt();
  view_.progress = ProgressText();
  view_.canAnswer = drill_ && drill_->state() == DrillState::kYourMove;
  view_.canContinue = drill_ && drill_->state() == DrillState::kBookShown;
  view_.canStartNext = true;
  view_.dailyNewLimit = store_.DailyNewLimit();
}

void DrillModel::ReadGames(const QStringList& paths) {
  std::vector<BookRow> book;
  for (size_t r = 0; r < book_.rows.size(); ++r)
    book.push_back({book_.sections[r], &book_.rows[r]});
  std::vector<OwnGameLine> lines;
  int read = 0;
  for (const QString& path : paths) {
    const GameFile file = ReadGameFile(path);
    if (!file.error.isEmpty()) continue;
    ++read;
    for (const LeftLine& left : LinesLeftInGame(file.game, book))
      lines.push_back({book_.rows[left.row].id, QFileInfo(path).absoluteFilePath(),
                       int(left.corner), left.leftBookAt});
  }
  if (!store_.AddOwnGameLines(lines)) messages_.ShowMessage(store_.error());
  QString report =
      u"棋譜 %1 局を読み、定石を外れた隅 %2 か所を「自分の対局から」に加えました。"_qs.arg(read)
          .arg(lines.size());
  if (read < paths.size())
    report += u"\n読めなかったファイルが %1 個ありました。"_qs.arg(paths.size() - read);
  messages_.ShowMessage(report);
  if (deckIndex_ == kOwnGamesDeck) ChooseDeck(kOwnGamesDeck);
  UpdateTexts();
}

void DrillModel::ReadGameFolder(const QString& folder) {
  QStringList paths;
  QDirIterator files(folder, {u"*.sgf"_qs, u"*.SGF"_qs}, QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) paths << files.next();
  paths.sort();
  if (paths.isEmpty()) {
    messages_.ShowMessage(u"フォルダ「%1」に棋譜（.sgf）がありません。"_qs.arg(folder));
    return;
  }
  ReadGames(paths);
}

void DrillModel::AddOwnGameLines(const std::vector<OwnGameLine>& lines) {
  if (!store_.AddOwnGameLines(lines)) messages_.ShowMessage(store_.error());
  if (deckIndex_ == kOwnGamesDeck) deck_ = DeckRows(book_, Choice(deckIndex_), store_.schedules());
  UpdateTexts();
}
