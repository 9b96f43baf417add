#pragma once
// The lines a drill takes its next line from, and which comes next: today's
// due lines first (the longest overdue first), then lines never drilled, as
// many a day as the user allows.

#include <QSet>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "collection/joseki_record.h"
#include "collection/section.h"
#include "progress/progress_store.h"

enum class DeckKind {
  kSection,   // the lines of one section of the collection
  kFamily,    // the lines whose title begins with a prefix
  kWrong,     // the lines the user has got wrong
  kOwnGames,  // 自分の対局から: the lines the user's own games left
};

struct DeckChoice {
  DeckKind kind = DeckKind::kSection;
  Section section = Section::kHandicap;  // for kSection
  QString prefix;                        // for kFamily
  QSet<QString> lines;                   // for kOwnGames: the rows' IDs
};

// The rows of the collection with the section that lists each (each row once).
struct DrillBook {
  std::vector<JosekiRecord> rows;
  std::vector<Section> sections;
};

// The deck's rows (indices into book.rows) in the collection's order.
std::vector<int> DeckRows(const DrillBook& book, const DeckChoice& choice,
                          const std::map<QString, LineSchedule>& schedules);

// The prefixes of titles at their term boundaries (・) from the second term
// on that two rows or more share, in the collection's order: the families a
// deck can be made of.
QStringList FamilyPrefixes(const std::vector<JosekiRecord>& rows);

struct NextLineRules {
  long long today = 0;               // a Julian day number
  int newLinesAllowed = 0;           // new lines still allowed today
  bool practiseAhead = false;        // when nothing is due or new: the line due soonest
  std::set<int> drilledThisSession;  // not asked again in this sitting
};

// The next line of the deck (an index into the book's rows); nullopt when
// today's work is done.
std::optional<int> NextLine(const DrillBook& book, const std::vector<int>& deck,
                            const std::map<QString, LineSchedule>& schedules,
                            const NextLineRules& rules);

// What the deck holds as the progress view counts it.
struct DeckCounts {
  int newLines = 0;  // never drilled
  int learning = 0;  // drilled, interval under 21 days
  int known = 0;     // interval of 21 days or more
  int dueToday = 0;  // drilled and due today or before
};
DeckCounts CountDeck(const DrillBook& book, const std::vector<int>& deck,
                     const std::map<QString, LineSchedule>& schedules, long long today);
