#pragma once
// The corner position index of the collection: the tally of
// collection/corner_tally.h over the rows, the engine trees and the games,
// stored as the tables corner_positions, corner_continuations, corner_rows
// (collection/corner_index_db.h).

#include <vector>

#include "collection/corner_tally.h"
#include "collection_builder/corner_sources.h"
#include "collection_builder/joseki.h"

// The index of the rows (ID order), the engine trees and the games.
CornerIndex BuildCornerIndex(const std::vector<Joseki>& joseki, const std::vector<SgfTree>& engine,
                             const std::vector<CornerGame>& games);
