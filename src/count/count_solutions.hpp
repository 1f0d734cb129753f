#pragma once
// Backtracking solution counter: tells whether a grid of placed digits has no, one or more
// than one completion. Before each branching it fills every naked and hidden single (on
// per-digit boards, see count/digit_boards.hpp); it branches on the lowest empty cell with
// digits in ascending order, and stops at the second solution. Independent of the logical
// solver: only `placed` is read.

#include <array>
#include <cstdint>

#include "grid/grid.hpp"

namespace cellwright {

// Room for the forced placements of a search path as unit indices, kept for the interface of
// `count_solutions_from`. The search no longer uses it: each branching copies its board, so
// nothing is undone, and `depth` is never changed.
struct UndoStack {
    std::int32_t depth = 0;
    std::array<std::int32_t, CELL_COUNT> undo_rows;
    std::array<std::int32_t, CELL_COUNT> undo_columns;
    std::array<std::int32_t, CELL_COUNT> undo_boxes;
};

// Returns 0 (no solution; `solution` untouched), 1 (`solution` holds it) or 2 (two or more;
// `solution` holds the second in lexicographic order). `placed` is exactly restored on return.
// Precondition: no digit of `placed` clashes with another in a unit.
std::int32_t count_solutions(PlacedGrid& placed, PlacedGrid& solution);

// The same count, starting from the candidates `excluded` leaves open instead of those the
// filled cells alone leave. For a grid pair whose exclusions are conclusions every completion
// obeys (as the techniques draw them): then they rule out no completion, the search meets the
// same completions in the same order, and result and `solution` are those of the other form;
// the search only starts closer to the answer. The pair must also keep the grid pair's rule
// that an empty cell has the digits of its filled peers excluded: they are not worked out
// again from the filled cells.
std::int32_t count_solutions(PlacedGrid& placed, const ExclusionGrid& excluded,
                             PlacedGrid& solution);

// Counts the completions of `placed`, whose used digits per row, column and box the three
// mask arrays hold, and adds them to `count` (stopping once it exceeds 1); `solution` as for
// `count_solutions`. Every cell below `start` is filled on entry, which the search needs no
// longer; it starts from the lowest empty cell. Reads `placed` and the masks without writing
// them, and leaves `undo` alone, so all of them are as on entry on return.
void count_solutions_from(UndoStack& undo, PlacedGrid& placed, PlacedGrid& solution,
                          UnitMasks& row_used, UnitMasks& column_used, UnitMasks& box_used,
                          int start, std::int32_t& count);

}  // namespace cellwright
