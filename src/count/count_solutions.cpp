#include "count/count_solutions.hpp"

namespace cellwright {
namespace {

struct UnitMaskRefs {
    UnitMasks& rows;
    UnitMasks& columns;
    UnitMasks& boxes;
};

void undo_down_to(std::int32_t base, UndoStack& undo, PlacedGrid& placed, UnitMaskRefs used) {
    while (undo.depth != base) {
        --undo.depth;
        const int row = undo.undo_rows[undo.depth];
        const int column = undo.undo_columns[undo.depth];
        const int box = undo.undo_boxes[undo.depth];
        const DigitMask mask = placed[9 * row + column];
        placed[9 * row + column] = 0;
        used.rows[row] &= static_cast<DigitMask>(~mask);
        used.columns[column] &= static_cast<DigitMask>(~mask);
        used.boxes[box] &= static_cast<DigitMask>(~mask);
    }
}

enum class Propagation { dead_end, settled };

// Fills forced cells from `start` on, pass after pass, until a whole pass places nothing.
Propagation fill_forced_cells(int start, UndoStack& undo, PlacedGrid& placed, UnitMaskRefs used) {
    bool placed_any = true;
    while (placed_any) {
        placed_any = false;
        for (int cell = start; cell < CELL_COUNT; ++cell) {
            if (placed[cell] != 0) {
                continue;
            }
            const int row = row_of(cell);
            const int column = column_of(cell);
            const int box = box_of(cell);
            const DigitMask free_digits = static_cast<DigitMask>(
                ~(used.rows[row] | used.columns[column] | used.boxes[box]) & ALL_DIGITS);
            if (free_digits == 0) {
                return Propagation::dead_end;
            }
            if ((free_digits & (free_digits - 1)) == 0) {
                undo.undo_rows[undo.depth] = row;
                undo.undo_columns[undo.depth] = column;
                undo.undo_boxes[undo.depth] = box;
                ++undo.depth;
                placed[cell] = free_digits;
                used.rows[row] |= free_digits;
                used.columns[column] |= free_digits;
                used.boxes[box] |= free_digits;
                placed_any = true;
            }
        }
    }
    return Propagation::settled;
}

}  // namespace

std::int32_t count_solutions(PlacedGrid& placed, PlacedGrid& solution) {
    UnitMasks row_used{};
    UnitMasks column_used{};
    UnitMasks box_used{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        row_used[row_of(cell)] |= placed[cell];
        column_used[column_of(cell)] |= placed[cell];
        box_used[box_of(cell)] |= placed[cell];
    }
    UndoStack undo;
    std::int32_t count = 0;
    count_solutions_from(undo, placed, solution, row_used, column_used, box_used, 0, count);
    return count;
}

void count_solutions_from(UndoStack& undo, PlacedGrid& placed, PlacedGrid& solution,
                          UnitMasks& row_used, UnitMasks& column_used, UnitMasks& box_used,
                          int start, std::int32_t& count) {
    const UnitMaskRefs used{row_used, column_used, box_used};
    const std::int32_t base = undo.depth;
    if (fill_forced_cells(start, undo, placed, used) == Propagation::dead_end) {
        undo_down_to(base, undo, placed, used);
        return;
    }
    int empty = start;
    while (empty < CELL_COUNT && placed[empty] != 0) {
        ++empty;
    }
    if (empty == CELL_COUNT) {
        solution = placed;
        ++count;
        undo_down_to(base, undo, placed, used);
        return;
    }
    // Branch on the lowest empty cell: solutions are then met in lexicographic order.
    const int row = row_of(empty);
    const int column = column_of(empty);
    const int box = box_of(empty);
    const DigitMask blocked = row_used[row] | column_used[column] | box_used[box];
    for (int digit = 1; digit <= 9 && count <= 1; ++digit) {
        const DigitMask mask = DIGIT_MASKS[digit];
        if ((mask & blocked) != 0) {
            continue;
        }
        placed[empty] = mask;
        row_used[row] |= mask;
        column_used[column] |= mask;
        box_used[box] |= mask;
        count_solutions_from(undo, placed, solution, row_used, column_used, box_used, empty, count);
        const DigitMask tried = placed[empty];
        placed[empty] = 0;
        row_used[row] &= static_cast<DigitMask>(~tried);
        column_used[column] &= static_cast<DigitMask>(~tried);
        box_used[box] &= static_cast<DigitMask>(~tried);
    }
    undo_down_to(base, undo, placed, used);
}

}  // namespace cellwright
