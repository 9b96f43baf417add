#include "features/own_game_lines.h"

std::vector<LeftLine> LinesLeftInGame(const PlayedGame& game, const std::vector<BookRow>& book) {
  std::vector<LeftLine> lines;
  for (const CornerReading& reading : ReadCorners(game, book)) {
    if (!reading.row || reading.leftBookAt == 0) continue;
    // A lone corner stone followed by a move off the book is no line yet.
    const size_t given = book[*reading.row].joseki->givenStones.size();
    if (size_t(reading.followedStones) <= given) continue;
    lines.push_back({*reading.row, reading.corner, reading.leftBookAt});
  }
  return lines;
}
