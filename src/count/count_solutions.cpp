#include "count/count_solutions.hpp"

namespace cellwright {
namespace {

// Row, column and box of each cell, looked up rather than divided.
struct CellUnits {
    std::uint8_t row, column, box;
};

constexpr std::array<CellUnits, CELL_COUNT> CELL_UNITS = [] {
    std::array<CellUnits, CELL_COUNT> units{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        units[cell] = {static_cast<std::uint8_t>(row_of(cell)),
                       static_cast<std::uint8_t>(column_of(cell)),
                       static_cast<std::uint8_t>(box_of(cell))};
    }
    return units;
}();

// The cells of row u, column u and box u, for the hidden-single check.
using UnitCells = std::array<std::array<std::uint8_t, 9>, 9>;

constexpr UnitCells unit_cells(int kind) {
    UnitCells cells{};
    for (int u = 0; u < 9; ++u) {
        for (int k = 0; k < 9; ++k) {
            const int cell = kind == 0   ? 9 * u + ROW_OFFSETS[k]
                             : kind == 1 ? u + COLUMN_OFFSETS[k]
                                         : BOX_ORIGINS[u] + BOX_OFFSETS[k];
            cells[u][k] = static_cast<std::uint8_t>(cell);
        }
    }
    return cells;
}

constexpr UnitCells ROW_CELLS = unit_cells(0);
constexpr UnitCells COLUMN_CELLS = unit_cells(1);
constexpr UnitCells BOX_CELLS = unit_cells(2);

// The state every level of one search shares.
struct Search {
    UndoStack& undo;
    PlacedGrid& placed;
    PlacedGrid& solution;
    UnitMasks& rows;
    UnitMasks& columns;
    UnitMasks& boxes;
    std::int32_t& count;

    DigitMask free_digits(int cell) const {
        const CellUnits u = CELL_UNITS[cell];
        return static_cast<DigitMask>(ALL_DIGITS &
                                      ~(rows[u.row] | columns[u.column] | boxes[u.box]));
    }

    void place(int cell, DigitMask mask) {
        const CellUnits u = CELL_UNITS[cell];
        placed[cell] = mask;
        rows[u.row] |= mask;
        columns[u.column] |= mask;
        boxes[u.box] |= mask;
    }

    void unplace(int cell) {
        const CellUnits u = CELL_UNITS[cell];
        const auto keep = static_cast<DigitMask>(~placed[cell]);
        placed[cell] = 0;
        rows[u.row] &= keep;
        columns[u.column] &= keep;
        boxes[u.box] &= keep;
    }

    void place_forced(int cell, DigitMask mask) {
        const CellUnits u = CELL_UNITS[cell];
        undo.undo_rows[undo.depth] = u.row;
        undo.undo_columns[undo.depth] = u.column;
        undo.undo_boxes[undo.depth] = u.box;
        ++undo.depth;
        place(cell, mask);
    }

    void undo_down_to(std::int32_t base) {
        while (undo.depth != base) {
            --undo.depth;
            unplace(9 * undo.undo_rows[undo.depth] + undo.undo_columns[undo.depth]);
        }
    }
};

enum class Propagation { dead_end, placed_some, placed_none };

// Free digits of each cell as the last naked-single pass saw them (0 where filled).
using FreeDigits = std::array<DigitMask, CELL_COUNT>;

// One pass of naked singles over the empty cells from `start` on, each seeing the placements
// made before it in the pass.
Propagation naked_single_pass(Search& search, int start, FreeDigits& free_of) {
    Propagation result = Propagation::placed_none;
    for (int cell = start; cell < CELL_COUNT; ++cell) {
        if (search.placed[cell] != 0) {
            free_of[cell] = 0;
            continue;
        }
        const DigitMask free = search.free_digits(cell);
        if (free == 0) {
            return Propagation::dead_end;
        }
        if ((free & (free - 1)) == 0) {
            search.place_forced(cell, free);
            result = Propagation::placed_some;
            free_of[cell] = 0;
        } else {
            free_of[cell] = free;
        }
    }
    return result;
}

// Hidden singles: a digit missing from a unit with exactly one free cell there must go to that
// cell; a digit with no free cell there leaves the grid without a solution.
//
// The free digits come from the last naked-single pass and may be stale after a placement of
// this pass; they can only be too many, so a digit found without a cell truly has none, and a
// single is checked against the grid before it is placed.
Propagation hidden_single_pass(Search& search, const UnitCells& units, const UnitMasks& used,
                               const FreeDigits& free_of) {
    Propagation result = Propagation::placed_none;
    for (int u = 0; u < 9; ++u) {
        const auto missing = static_cast<DigitMask>(ALL_DIGITS & ~used[u]);
        if (missing == 0) {
            continue;
        }
        DigitMask once = 0;
        DigitMask twice = 0;
        for (const int cell : units[u]) {
            const DigitMask free = free_of[cell];
            twice |= once & free;
            once |= free;
        }
        if ((missing & ~once) != 0) {
            return Propagation::dead_end;
        }
        DigitMask singles = missing & once & static_cast<DigitMask>(~twice);
        while (singles != 0) {
            const auto digit = static_cast<DigitMask>(singles & -singles);
            singles ^= digit;
            int target = -1;
            for (const int cell : units[u]) {
                if ((free_of[cell] & digit) != 0 && search.placed[cell] == 0 &&
                    (search.free_digits(cell) & digit) != 0) {
                    target = cell;
                    break;
                }
            }
            if (target < 0) {
                return Propagation::dead_end;
            }
            search.place_forced(target, digit);
            result = Propagation::placed_some;
        }
    }
    return result;
}

// Fills forced cells until nothing more is forced. Every cell it fills holds the same digit
// in every completion of the grid, and it reports a dead end only when no completion exists,
// so the completions below this node, and the order in which the search meets them, are the
// same as with naked singles alone: only barren branches are cut sooner.
bool fill_forced_cells(Search& search, int start) {
    FreeDigits free_of;  // cells below `start` are filled and never read
    for (int cell = 0; cell < start; ++cell) {
        free_of[cell] = 0;
    }
    for (;;) {
        Propagation pass;
        while ((pass = naked_single_pass(search, start, free_of)) == Propagation::placed_some) {
        }
        if (pass == Propagation::dead_end) {
            return false;
        }
        bool placed_any = false;
        for (const auto& [units, used] :
             {std::pair<const UnitCells&, const UnitMasks&>{BOX_CELLS, search.boxes},
              {ROW_CELLS, search.rows},
              {COLUMN_CELLS, search.columns}}) {
            pass = hidden_single_pass(search, units, used, free_of);
            if (pass == Propagation::dead_end) {
                return false;
            }
            placed_any |= pass == Propagation::placed_some;
        }
        if (!placed_any) {
            return true;
        }
    }
}

void search_from(Search& search, int start) {
    const std::int32_t base = search.undo.depth;
    if (!fill_forced_cells(search, start)) {
        search.undo_down_to(base);
        return;
    }
    int empty = start;
    while (empty < CELL_COUNT && search.placed[empty] != 0) {
        ++empty;
    }
    if (empty == CELL_COUNT) {
        search.solution = search.placed;
        ++search.count;
        search.undo_down_to(base);
        return;
    }
    // Branch on the lowest empty cell with digits ascending: solutions are then met in
    // lexicographic order, and the second one found is the second smallest.
    DigitMask candidates = search.free_digits(empty);
    while (candidates != 0 && search.count <= 1) {
        const auto digit = static_cast<DigitMask>(candidates & -candidates);
        candidates ^= digit;
        search.place(empty, digit);
        search_from(search, empty);
        search.unplace(empty);
    }
    search.undo_down_to(base);
}

}  // namespace

std::int32_t count_solutions(PlacedGrid& placed, PlacedGrid& solution) {
    UnitMasks row_used{};
    UnitMasks column_used{};
    UnitMasks box_used{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        const CellUnits u = CELL_UNITS[cell];
        row_used[u.row] |= placed[cell];
        column_used[u.column] |= placed[cell];
        box_used[u.box] |= placed[cell];
    }
    UndoStack undo;
    std::int32_t count = 0;
    count_solutions_from(undo, placed, solution, row_used, column_used, box_used, 0, count);
    return count;
}

void count_solutions_from(UndoStack& undo, PlacedGrid& placed, PlacedGrid& solution,
                          UnitMasks& row_used, UnitMasks& column_used, UnitMasks& box_used,
                          int start, std::int32_t& count) {
    Search search{undo, placed, solution, row_used, column_used, box_used, count};
    search_from(search, start);
}

}  // namespace cellwright
