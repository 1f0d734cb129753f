#include "count/count_solutions.hpp"

#include <bit>

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

// The cells of each box, for the hidden-single check.
constexpr std::array<std::array<std::uint8_t, 9>, 9> BOX_CELLS = [] {
    std::array<std::array<std::uint8_t, 9>, 9> cells{};
    for (int box = 0; box < 9; ++box) {
        for (int k = 0; k < 9; ++k) {
            cells[box][k] = static_cast<std::uint8_t>(BOX_ORIGINS[box] + BOX_OFFSETS[k]);
        }
    }
    return cells;
}();

// A set of cells: cell i is bit i of `low` (cells 0..63) or bit i - 64 of `high`.
struct CellSet {
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    constexpr void add(int cell) { (cell < 64 ? low : high) |= std::uint64_t{1} << (cell & 63); }
    constexpr void remove(int cell) {
        (cell < 64 ? low : high) &= ~(std::uint64_t{1} << (cell & 63));
    }
};

// The 20 peers of each cell, as a set.
constexpr std::array<CellSet, CELL_COUNT> PEER_SETS = [] {
    std::array<CellSet, CELL_COUNT> peers{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        for (int other = 0; other < CELL_COUNT; ++other) {
            const bool peer = row_of(other) == row_of(cell) ||
                              column_of(other) == column_of(cell) || box_of(other) == box_of(cell);
            if (peer && other != cell) {
                peers[cell].add(other);
            }
        }
    }
    return peers;
}();

// For each cell, the boxes whose hidden singles a digit placed there can change: the boxes of
// its band and of its stack (the only ones that share a row, column or box with it).
constexpr std::array<std::uint16_t, CELL_COUNT> BOXES_REACHED = [] {
    std::array<std::uint16_t, CELL_COUNT> reached{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        const int box = box_of(cell);
        for (int k = 0; k < 3; ++k) {
            reached[cell] |=
                static_cast<std::uint16_t>(1u << (box / 3 * 3 + k) | 1u << (box % 3 + 3 * k));
        }
    }
    return reached;
}();

// The state every level of one search shares. `empty` lists, ascending, the cells that were
// empty when the search began; the levels refer to positions in that list.
struct Search {
    UndoStack& undo;
    PlacedGrid& placed;
    PlacedGrid& solution;
    std::int32_t& count;
    // The used digits of row r (r), column c (9 + c) and box b (18 + b). A copy of the
    // caller's masks: every level restores them before it returns, so the caller's stay
    // valid, and one array held here needs no pointer per unit kind on every lookup.
    std::array<DigitMask, 27> used{};
    std::array<std::uint8_t, CELL_COUNT> empty{};
    int empty_count = 0;
    // Boxes to look at for hidden singles before the current node's propagation is done; the
    // others were found without one and nothing they depend on has changed since.
    std::uint32_t boxes_due = 0;
    CellSet open{};  // the empty cells, so that a placement's filled peers cost nothing

    DigitMask free_digits(int cell) const {
        const CellUnits u = CELL_UNITS[cell];
        return static_cast<DigitMask>(ALL_DIGITS &
                                      ~(used[u.row] | used[9 + u.column] | used[18 + u.box]));
    }

    void place(int cell, DigitMask mask) {
        const CellUnits u = CELL_UNITS[cell];
        placed[cell] = mask;
        open.remove(cell);
        used[u.row] |= mask;
        used[9 + u.column] |= mask;
        used[18 + u.box] |= mask;
    }

    void unplace(int cell) {
        const CellUnits u = CELL_UNITS[cell];
        const auto keep = static_cast<DigitMask>(~placed[cell]);
        placed[cell] = 0;
        open.add(cell);
        used[u.row] &= keep;
        used[9 + u.column] &= keep;
        used[18 + u.box] &= keep;
    }

    void place_forced(int cell, DigitMask mask) {
        const CellUnits u = CELL_UNITS[cell];
        undo.undo_rows[undo.depth] = u.row;
        undo.undo_columns[undo.depth] = u.column;
        undo.undo_boxes[undo.depth] = u.box;
        ++undo.depth;
        place(cell, mask);
        boxes_due |= BOXES_REACHED[cell];
    }

    void undo_down_to(std::int32_t base) {
        while (undo.depth != base) {
            --undo.depth;
            unplace(9 * undo.undo_rows[undo.depth] + undo.undo_columns[undo.depth]);
        }
    }
};

// Looks at one empty cell: without a free digit it is a dead end (false), and with a single
// free digit it is filled with it (`forced` set).
bool settle_cell(Search& search, int cell, bool& forced) {
    forced = false;
    const DigitMask free = search.free_digits(cell);
    if (free == 0) {
        return false;
    }
    if ((free & (free - 1)) == 0) {
        search.place_forced(cell, free);
        forced = true;
    }
    return true;
}

// Fills the naked singles that the placement in `cell` leads to, peer by peer: only the peers
// of a new digit lose free digits, so they are the only cells that can become forced or dead.
// False at a dead end.
bool fill_naked_singles_after(Search& search, int cell) {
    std::array<std::uint8_t, CELL_COUNT> pending;
    int pending_count = 0;
    pending[pending_count++] = static_cast<std::uint8_t>(cell);
    while (pending_count > 0) {
        const int source = pending[--pending_count];
        // The peers empty now. They stay empty until their own turn: settling a cell fills
        // only that cell, and the cells it forces wait in `pending`. The order of the peers
        // does not matter: every forced digit is found either way.
        const CellSet peers = PEER_SETS[source];
        std::uint64_t words[2] = {peers.low & search.open.low, peers.high & search.open.high};
        for (int w = 0; w < 2; ++w) {
            for (; words[w] != 0; words[w] &= words[w] - 1) {
                const int peer = 64 * w + std::countr_zero(words[w]);
                bool forced = false;
                if (!settle_cell(search, peer, forced)) {
                    return false;
                }
                if (forced) {
                    pending[pending_count++] = static_cast<std::uint8_t>(peer);
                }
            }
        }
    }
    return true;
}

// Hidden singles in the boxes due: a digit missing from a box with exactly one free cell there
// must go to that cell; a digit with no free cell there leaves no solution (false). Each
// placement is followed by the naked singles it causes and makes the boxes it reaches due
// again. (Rows and columns were measured too: they cut few branches more than boxes alone and
// cost more than they save.)
bool fill_box_singles(Search& search) {
    while (search.boxes_due != 0) {
        const int box = std::countr_zero(search.boxes_due);
        search.boxes_due &= search.boxes_due - 1;
        const auto missing = static_cast<DigitMask>(ALL_DIGITS & ~search.used[18 + box]);
        if (missing == 0) {
            continue;
        }
        DigitMask once = 0;
        DigitMask twice = 0;
        for (const int cell : BOX_CELLS[box]) {
            if (search.placed[cell] == 0) {
                const DigitMask free = search.free_digits(cell);
                twice |= once & free;
                once |= free;
            }
        }
        if ((missing & ~once) != 0) {
            return false;
        }
        const auto singles = static_cast<DigitMask>(missing & ~twice);
        if (singles == 0) {
            continue;
        }
        const auto digit = static_cast<DigitMask>(singles & -singles);
        int target = 0;
        for (const int cell : BOX_CELLS[box]) {
            if (search.placed[cell] == 0 && (search.free_digits(cell) & digit) != 0) {
                target = cell;
                break;
            }
        }
        search.place_forced(target, digit);
        if (!fill_naked_singles_after(search, target)) {
            return false;
        }
    }
    return true;
}

// Fills forced cells until nothing more is forced, after a branch digit in `branch_cell` (or,
// with -1, at the start, where every listed cell is looked at); false at a dead end. Every
// cell it fills holds the same digit in every completion of the grid, and it reports a dead
// end only when no completion exists, so the completions below this node, and the order in
// which the search meets them, do not depend on how much it finds: only barren branches are
// cut sooner.
bool fill_forced_cells(Search& search, int branch_cell) {
    search.boxes_due = branch_cell >= 0 ? BOXES_REACHED[branch_cell] : ALL_DIGITS;
    if (branch_cell >= 0) {
        if (!fill_naked_singles_after(search, branch_cell)) {
            return false;
        }
    } else {
        for (int k = 0; k < search.empty_count; ++k) {
            bool forced = false;
            if (search.placed[search.empty[k]] != 0) {
                continue;  // filled by the propagation of an earlier cell
            }
            if (!settle_cell(search, search.empty[k], forced) ||
                (forced && !fill_naked_singles_after(search, search.empty[k]))) {
                return false;
            }
        }
    }
    return fill_box_singles(search);
}

// The search below the node whose listed cells before position `first` are all filled.
void search_from(Search& search, int first, int branch_cell) {
    const std::int32_t base = search.undo.depth;
    if (!fill_forced_cells(search, branch_cell)) {
        search.undo_down_to(base);
        return;
    }
    int next = first;
    while (next < search.empty_count && search.placed[search.empty[next]] != 0) {
        ++next;
    }
    if (next == search.empty_count) {
        search.solution = search.placed;
        ++search.count;
        search.undo_down_to(base);
        return;
    }
    // Branch on the lowest empty cell with digits ascending: solutions are then met in
    // lexicographic order, and the second one found is the second smallest.
    const int cell = search.empty[next];
    DigitMask candidates = search.free_digits(cell);
    while (candidates != 0 && search.count <= 1) {
        const auto digit = static_cast<DigitMask>(candidates & -candidates);
        candidates ^= digit;
        search.place(cell, digit);
        search_from(search, next, cell);
        search.unplace(cell);
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
    Search search{undo, placed, solution, count};
    for (int unit = 0; unit < 9; ++unit) {
        search.used[unit] = row_used[unit];
        search.used[9 + unit] = column_used[unit];
        search.used[18 + unit] = box_used[unit];
    }
    for (int cell = start; cell < CELL_COUNT; ++cell) {
        if (placed[cell] == 0) {
            search.empty[search.empty_count++] = static_cast<std::uint8_t>(cell);
            search.open.add(cell);
        }
    }
    search_from(search, 0, -1);
}

}  // namespace cellwright
