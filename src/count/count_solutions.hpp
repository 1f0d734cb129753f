#pragma once
// Backtracking solution counter: tells whether a grid of placed digits has no, one or more
// than one completion. Before each branching it fills every naked and hidden single (on
// per-digit boards, see count/digit_boards.hpp); it branches on the lowest empty cell with
// digits in ascending order, and stops at the second solution. Independent of the logical
// solver: only `placed` is read.

#include <cstdint>

#include "grid/grid.hpp"

namespace cellwright {

// Returns 0 (no solution; `solution` untouched), 1 (`solution` holds it) or 2 (two or more;
// `solution` holds the second in lexicographic order). Precondition: no digit of `placed`
// clashes with another in a unit.
std::int32_t count_solutions(const PlacedGrid& placed, PlacedGrid& solution);

// The same count, starting from the candidates `excluded` leaves open instead of those the
// filled cells alone leave. For a grid pair whose exclusions are conclusions every completion
// obeys (as the techniques draw them): then they rule out no completion, the search meets the
// same completions in the same order, and result and `solution` are those of the other form;
// the search only starts closer to the answer. The pair must also keep the grid pair's rule
// that an empty cell has the digits of its filled peers excluded: they are not worked out
// again from the filled cells.
std::int32_t count_solutions(const PlacedGrid& placed, const ExclusionGrid& excluded,
                             PlacedGrid& solution);

// Counts the completions of `placed`, whose used digits per row, column and box the three
// mask arrays hold, and adds them to `count` (stopping once it exceeds 1); `solution` as for
// `count_solutions`.
void count_solutions_from(const PlacedGrid& placed, PlacedGrid& solution, const UnitMasks& row_used,
                          const UnitMasks& column_used, const UnitMasks& box_used,
                          std::int32_t& count);

}  // namespace cellwright
