#include "collection_builder/collection_measure.h"

#include <algorithm>
#include <map>
#include <set>

#include "collection_builder/board_symmetry.h"
#include "collection_builder/joseki_reader.h"
#include "collection_builder/joseki_validator.h"

namespace {

const std::map<QChar, QString> kSectionNames = {
    {u'0', QStringLiteral("置碁の部")},   {u'1', QStringLiteral("星の部")},
    {u'2', QStringLiteral("小目の部")},   {u'3', QStringLiteral("高目の部")},
    {u'5', QStringLiteral("目外しの部")}, {u'6', QStringLiteral("三々の部")},
    {u'8', QStringLiteral("その他の部")}};

QString Percent(int part, int whole) {
  return whole == 0 ? QStringLiteral("-")
                    : QStringLiteral("%1%").arg(100.0 * part / whole, 0, 'f', 1);
}

}  // namespace

std::vector<bool> PrefixRows(const std::vector<Joseki>& joseki) {
  std::set<QString> beginnings;  // every proper beginning of every row, all orientations
  for (const Joseki& j : joseki) {
    for (int s = 0; s < kSymmetries; ++s) {
      QString text;
      for (size_t i = 0; i + 1 < j.stones.size(); ++i) {
        text += SgfPointText(Transform(j.stones[i], s));
        beginnings.insert(text);
      }
    }
  }
  std::vector<bool> prefix;
  for (const Joseki& j : joseki) {
    QString text;
    for (const BoardPoint& p : j.stones) text += SgfPointText(p);
    prefix.push_back(beginnings.count(text) > 0);
  }
  return prefix;
}

int SharedFinalPositions(const std::vector<Joseki>& joseki) {
  std::map<QByteArray, int> counts;
  for (const Joseki& j : joseki) ++counts[FinalPositionKey(j)];
  int shared = 0;
  for (const auto& [key, count] : counts)
    if (count > 1) shared += count;
  return shared;
}

void PrintMeasure(const std::vector<Joseki>& joseki, const std::vector<QString>* references,
                  QTextStream& out) {
  std::map<QChar, std::pair<int, int>> sections;  // digit -> rows, rows with a game
  for (const auto& [digit, name] : kSectionNames) sections[digit] = {0, 0};
  int withGame = 0;
  for (size_t i = 0; i < joseki.size(); ++i) {
    const bool game = references && !(*references)[i].isEmpty();
    auto& [rows, games] = sections[joseki[i].Section()];
    ++rows;
    games += game;
    withGame += game;
  }
  for (const auto& [digit, counts] : sections) {
    const auto name = kSectionNames.find(digit);
    out << digit << ' ' << (name != kSectionNames.end() ? name->second : QString()) << ": "
        << counts.first << " rows";
    if (references)
      out << ", " << counts.second << " with an honest game reference, "
          << counts.first - counts.second << " without";
    out << '\n';
  }
  const int total = static_cast<int>(joseki.size());
  out << "total: " << total << " rows";
  if (references)
    out << ", " << withGame << " with an honest game reference (" << Percent(withGame, total)
        << ")";
  out << '\n';
  out << "same final position as another row (marked 手順違い): " << SharedFinalPositions(joseki)
      << " rows\n";
  const std::vector<bool> prefix = PrefixRows(joseki);
  const int prefixRows = static_cast<int>(std::count(prefix.begin(), prefix.end(), true));
  out << "rows that begin another row: " << prefixRows << " (" << Percent(prefixRows, total)
      << ")\n";
  out.flush();
}

void PrintGameMeasure(const GameTables& tables, QTextStream& out) {
  std::map<int, int> gamesPerRow;
  for (const StoredOccurrence& o : tables.occurrences) ++gamesPerRow[o.joseki];
  std::vector<int> counts;
  for (const auto& [joseki, count] : gamesPerRow) counts.push_back(count);
  std::sort(counts.begin(), counts.end());
  const size_t n = counts.size();
  const double median = n == 0 ? 0 : (counts[(n - 1) / 2] + counts[n / 2]) / 2.0;
  out << "occurrences in games: " << tables.occurrences.size() << " in all, " << n
      << " rows with at least one game; games per such row: median " << median << ", maximum "
      << (n == 0 ? 0 : counts.back()) << "; games stored: " << tables.games.size() << '\n';
  out.flush();
}

void PrintHandicapMeasure(const GameTables& tables, QTextStream& out) {
  // A handicap game's moves text begins with its stones, ended by "+".
  auto handicap = [&](int id) { return tables.games[id - 1].moves.contains(u'+'); };
  int games = 0;
  for (const StoredGame& g : tables.games) games += handicap(g.id);
  std::map<int, std::pair<bool, bool>> rows;  // joseki -> an even game, a handicap game
  int referred = 0;
  for (const StoredOccurrence& o : tables.occurrences) {
    auto& [even, handicapGame] = rows[o.joseki];
    (handicap(o.game) ? handicapGame : even) = true;
    referred += o.ordinal == 0 && handicap(o.game);
  }
  int only = 0;
  for (const auto& [joseki, kinds] : rows) only += !kinds.first && kinds.second;
  out << "handicap games: " << games << " stored; " << only
      << " rows played only in handicap games (a reference gained from them), " << referred
      << " rows whose reference is a handicap game\n";
  out.flush();
}
