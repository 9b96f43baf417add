#include "collection_builder/corner_index.h"

namespace {

// A row's stones as the tally takes them: a tenuki as {0, 0}.
std::vector<Point> RowStones(const std::vector<BoardPoint>& stones) {
  std::vector<Point> points;
  points.reserve(stones.size());
  for (const BoardPoint& stone : stones) points.push_back({stone.column, stone.row});
  return points;
}

}  // namespace

CornerIndex BuildCornerIndex(const std::vector<Joseki>& joseki, const std::vector<SgfTree>& engine,
                             const std::vector<CornerGame>& games) {
  CornerIndex index;
  for (size_t j = 0; j < joseki.size(); ++j)
    index.AddRow(static_cast<int>(j) + 1, RowStones(joseki[j].stones), joseki[j].given);
  for (const SgfTree& tree : engine) index.AddEngineTree(tree);
  for (const CornerGame& game : games) index.AddGame(game);
  return index;
}
