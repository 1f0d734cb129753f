#pragma once
// Backtracking solution counter: tells whether a grid of placed digits has no, one or more
// than one completion. It keeps one mask of used digits per row, column and box, fills every
// forced cell before each branching, branches on the lowest empty cell with digits in
// ascending order, and stops at the second solution. Independent of the logical solver: only
// `placed` is read.

#include <array>
#include <cstdint>

#include "grid/grid.hpp"

namespace cellwright {

using UnitMasks = std::array<DigitMask, 9>;

// Forced placements of the current search path, undone last-in first-out. Stores unit
// indices, not digits: the digit is read back from `placed` when a record is undone.
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

// The recursive step: every cell below `start` is filled on entry. On return `placed`, the
// unit masks and `undo.depth` are as on entry; only `count` and `solution` change.
void count_solutions_from(UndoStack& undo, PlacedGrid& placed, PlacedGrid& solution,
                          UnitMasks& row_used, UnitMasks& column_used, UnitMasks& box_used,
                          int start, std::int32_t& count);

}  // namespace cellwright
