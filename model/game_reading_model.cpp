#include "model/game_reading_model.h"

#include <QFileInfo>
#include <QSet>

#include "collection/collection_store.h"
#include "features/own_game_lines.h"

namespace {
QString MoveName(int move) {
  return move == 0 ? u"置石"_qs : u"%1手目"_qs.arg(move);
}
}  // namespace

GameReadingModel::GameReadingModel(const ProgramFolder& folder, MessageSink& messages)
    : folder_(folder), messages_(messages) {}

bool GameReadingModel::ReadBook() {
  std::vector<JosekiRecord> records;
  std::vector<Section> sections;
  QSet<QString> ids;
  for (Section section : kSections) {
    SectionRecords read = ReadSection(folder_.CollectionFile(), section);
    if (!read.error.isEmpty()) {
      messages_.ShowMessage(read.error);
      return false;
    }
    for (JosekiRecord& record : read.records) {
      if (ids.contains(record.id)) continue;
      ids.insert(record.id);
      records.push_back(std::move(record));
      sections.push_back(section);
    }
  }
  records_ = std::move(records);
  book_.clear();
  for (size_t i = 0; i < records_.size(); ++i) book_.push_back({sections[i], &records_[i]});
  return true;
}

bool GameReadingModel::OpenGame(const QString& path) {
  GameFile file = ReadGameFile(path);
  if (!file.error.isEmpty()) {
    messages_.ShowMessage(file.error);
    return false;
  }
  if (book_.empty() && !ReadBook()) return false;
  game_ = std::move(file.game);
  readings_ = ReadCorners(game_, book_);
  heading_ = (QFileInfo(path).fileName() + u"　"_qs + game_.Heading()).trimmed();
  lines_.clear();
  for (const CornerReading& reading : readings_) lines_ << Line(reading);
  return true;
}

// A corner where the game played no numbered move of any row yet (a lone
// corner stone) has no joseki to show.
bool GameReadingModel::HasJoseki(const CornerReading& reading) const {
  if (!reading.row) return false;
  const size_t given = book_[*reading.row].joseki->givenStones.size();
  return reading.leftBookAt > 0 || size_t(reading.followedStones) > given;
}

QString GameReadingModel::Line(const CornerReading& reading) const {
  const QString corner = CornerName(reading.corner) + u"　"_qs;
  if (reading.firstMove < 0) return corner + u"着手がありません"_qs;
  if (!reading.row) return corner + u"該当する定石はありません"_qs;
  if (!HasJoseki(reading)) return corner + u"定石はまだ始まっていません"_qs;
  const QString verdict = reading.leftBookAt > 0
                              ? u"%1手目で定石を外れました"_qs.arg(reading.leftBookAt)
                              : u"定石どおり"_qs;
  return corner + book_[*reading.row].joseki->title + u"　"_qs + verdict;
}

std::optional<CornerChoice> GameReadingModel::Choice(int line) const {
  if (line < 0 || line >= int(lines_.size())) return std::nullopt;
  const CornerReading& reading = readings_[size_t(line)];
  if (!HasJoseki(reading)) return std::nullopt;
  const BookRow& row = book_[*reading.row];
  const QString shown = u"%1：%2～%3"_qs.arg(
      CornerName(reading.corner), MoveName(reading.firstMove), MoveName(reading.lastShownMove));
  const QString heading = game_.Heading();
  return CornerChoice{row.section, row.joseki->id, &game_, reading,
                      heading.isEmpty() ? shown : heading + u'\n' + shown};
}

std::vector<OwnGameLine> GameReadingModel::LinesLeftTheBook(const QString& gameFile) const {
  std::vector<OwnGameLine> lines;
  if (lines_.isEmpty()) return lines;
  for (const LeftLine& left : LinesLeftInGame(game_, book_))
    lines.push_back({book_[size_t(left.row)].joseki->id, QFileInfo(gameFile).absoluteFilePath(),
                     int(left.corner), left.leftBookAt});
  return lines;
}
