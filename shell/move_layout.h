#pragma once
// Laying out a move string triple by triple. Each display places a tenuki
// ("?") by its own rule; the rules differ only in where the stone goes.

#include <QString>

#include "shell/move_encoding.h"

enum class TenukiRule {
  kRecord,        // joseki diagram: row 10; columns 19, 18, then 17 for every later one
  kWalkSetup,     // given stones of the walk: column 19; row 10 first, 11 for every later one
  kWalkNext,      // walk, one move per click: row 10; columns 18, 19 (count resets), 18 ...
  kSearchRedraw,  // search sequence redrawn: row 10; columns 17, 18, then 19 for every later one
};

// Decodes the row and column characters of one triple, placing tenuki by the
// rule; the count of tenuki met runs over every triple given to one placer.
class TenukiPlacer {
 public:
  explicit TenukiPlacer(TenukiRule rule, int count = 0) : rule_(rule), count_(count) {}
  // Row value of a row character; call before Column for the same triple.
  int Row(QChar c);
  // Column value of a column character.
  int Column(QChar c);
  int count() const { return count_; }

 private:
  TenukiRule rule_;
  int count_;
};

// Calls place(row, column, k) for the k-th triple (k from 1) of moves; a last
// triple cut short reads its missing characters as empty (value 0).
template <class Place>
void LayOutMoves(const QString& moves, TenukiPlacer& placer, Place&& place) {
  int k = 0;
  for (qsizetype i = 0; i < moves.size(); i += 3) {
    const int row = placer.Row(CharAt(moves, i));
    const int column = placer.Column(CharAt(moves, i + 1));
    place(row, column, ++k);
  }
}
