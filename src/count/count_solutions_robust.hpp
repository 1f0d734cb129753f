#pragma once
// Solution counter for arbitrary puzzles, hand-made ones with few givens included. Unlike the
// generator's counter, which branches on the lowest empty cell, it fills naked and hidden
// singles before each branching and then branches on the empty cell with the fewest
// candidates, so that any 81-cell grid is answered in milliseconds. Fixed-size state on the
// stack only; reentrant.

#include <cstdint>

#include "grid/grid.hpp"

namespace cellwright {

// Returns 0 (no solution; `solution` untouched), 1 (`solution` holds it) or 2 (two or more;
// `solution` holds one of them, not necessarily the second in lexicographic order). A grid
// whose placed digits clash in a row, column or box has no solution and returns 0.
std::int32_t count_solutions_robust(const PlacedGrid& placed, PlacedGrid& solution);

}  // namespace cellwright
