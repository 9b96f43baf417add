#include "features/drill_deck.h"

#include <QSet>
#include <tuple>

namespace {
// A line drilled at this interval or longer counts as known (the mature
// cards of the usual spaced repetition programs).
constexpr int kKnownIntervalDays = 21;

const LineSchedule* Find(const std::map<QString, LineSchedule>& schedules, const QString& id) {
  const auto found = schedules.find(id);
  return found == schedules.end() ? nullptr : &found->second;
}
}  // namespace

std::vector<int> DeckRows(const DrillBook& book, const DeckChoice& choice,
                          const std::map<QString, LineSchedule>& schedules) {
  std::vector<int> deck;
  for (int r = 0; r < int(book.rows.size()); ++r) {
    const JosekiRecord& row = book.rows[size_t(r)];
    bool member = false;
    switch (choice.kind) {
      case DeckKind::kSection:
        member = book.sections[size_t(r)] == choice.section;
        break;
      case DeckKind::kFamily:
        // Whole terms only: 小目・小ゲイマ is not the family of 小目・小ゲイマガカリ.
        member = !choice.prefix.isEmpty() &&
                 (row.title == choice.prefix || row.title.startsWith(choice.prefix + u'・'));
        break;
      case DeckKind::kOwnGames:
        member = choice.lines.contains(row.id);
        break;
      case DeckKind::kWrong: {
        const LineSchedule* line = Find(schedules, row.id);
        member = line && line->schedule.lapses > 0;
        break;
      }
    }
    if (member) deck.push_back(r);
  }
  return deck;
}

QStringList FamilyPrefixes(const std::vector<JosekiRecord>& rows) {
  QStringList order;
  QHash<QString, int> counts;
  for (const JosekiRecord& row : rows) {
    const QStringList terms = row.title.split(u'・');
    for (int n = 2; n <= terms.size(); ++n) {
      const QString prefix = terms.first(n).join(u'・');
      if (counts[prefix]++ == 0) order << prefix;
    }
  }
  QStringList shared;
  for (const QString& prefix : order)
    if (counts[prefix] >= 2) shared << prefix;
  return shared;
}

std::optional<int> NextLine(const DrillBook& book, const std::vector<int>& deck,
                            const std::map<QString, LineSchedule>& schedules,
                            const NextLineRules& rules) {
  std::optional<int> due, fresh, ahead;
  long long dueDay = 0, aheadDay = 0;
  for (int r : deck) {
    if (rules.drilledThisSession.contains(r)) continue;
    const LineSchedule* line = Find(schedules, book.rows[size_t(r)].id);
    if (!line) {
      if (!fresh) fresh = r;
      continue;
    }
    const long long day = line->schedule.due;
    if (day <= rules.today && (!due || day < dueDay)) std::tie(due, dueDay) = std::tuple(r, day);
    if (!ahead || day < aheadDay) std::tie(ahead, aheadDay) = std::tuple(r, day);
  }
  if (due) return due;
  if (fresh && rules.newLinesAllowed > 0) return fresh;
  if (rules.practiseAhead) return ahead;
  return std::nullopt;
}

DeckCounts CountDeck(const DrillBook& book, const std::vector<int>& deck,
                     const std::map<QString, LineSchedule>& schedules, long long today) {
  DeckCounts counts;
  for (int r : deck) {
    const LineSchedule* line = Find(schedules, book.rows[size_t(r)].id);
    if (!line) {
      ++counts.newLines;
      continue;
    }
    ++(line->schedule.intervalDays >= kKnownIntervalDays ? counts.known : counts.learning);
    if (line->schedule.due <= today) ++counts.dueToday;
  }
  return counts;
}
