#include "count/count_solutions_robust.hpp"

#include <array>
#include <bit>

#include "grid/bits.hpp"

namespace cellwright {
namespace {

constexpr int UNIT_COUNT = 27;
using UnitCells = std::array<std::array<std::uint8_t, 9>, UNIT_COUNT>;

// The cells of the nine rows, then the nine columns, then the nine boxes.
constexpr UnitCells make_unit_cells() {
    UnitCells units{};
    for (int u = 0; u < 9; ++u) {
        for (int k = 0; k < 9; ++k) {
            units[u][k] = static_cast<std::uint8_t>(9 * u + ROW_OFFSETS[k]);
            units[9 + u][k] = static_cast<std::uint8_t>(u + COLUMN_OFFSETS[k]);
            units[18 + u][k] = static_cast<std::uint8_t>(BOX_ORIGINS[u] + BOX_OFFSETS[k]);
        }
    }
    return units;
}
constexpr UnitCells UNIT_CELLS = make_unit_cells();

// One node of the search, copied whole at each branching (a few hundred bytes) so that a
// dead branch needs no undo.
struct SearchGrid {
    PlacedGrid placed{};
    UnitMasks rows{};
    UnitMasks columns{};
    UnitMasks boxes{};
};

DigitMask free_digits(const SearchGrid& grid, int cell) {
    const DigitMask used =
        grid.rows[row_of(cell)] | grid.columns[column_of(cell)] | grid.boxes[box_of(cell)];
    return static_cast<DigitMask>(~used & ALL_DIGITS);
}

void place(SearchGrid& grid, int cell, DigitMask mask) {
    grid.placed[cell] = mask;
    grid.rows[row_of(cell)] |= mask;
    grid.columns[column_of(cell)] |= mask;
    grid.boxes[box_of(cell)] |= mask;
}

// Places every naked single (a cell with one free digit); a cell with none is a
// contradiction.
enum class Fill { contradiction, placed, nothing };
Fill fill_naked_singles(SearchGrid& grid) {
    Fill result = Fill::nothing;
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (grid.placed[cell] != 0) {
            continue;
        }
        const DigitMask free = free_digits(grid, cell);
        if (free == 0) {
            return Fill::contradiction;
        }
        if (!more_than_one(free)) {  // one free digit: free is not 0 here
            place(grid, cell, free);
            result = Fill::placed;
        }
    }
    return result;
}

// Places the hidden singles of one unit (a digit that fits only one of its cells). A digit
// that fits none of them, or a cell that is the only place of two digits, is a contradiction.
Fill fill_hidden_singles(SearchGrid& grid, const std::array<std::uint8_t, 9>& unit) {
    DigitMask present = 0;
    Tally<DigitMask> free{};
    for (const int cell : unit) {
        if (grid.placed[cell] != 0) {
            present |= grid.placed[cell];
            continue;
        }
        free = tally_add(free, free_digits(grid, cell));
    }
    if ((present | free.once) != ALL_DIGITS) {
        return Fill::contradiction;
    }
    const DigitMask singles = exactly_once(free);
    if (singles == 0) {
        return Fill::nothing;
    }
    for (const int cell : unit) {
        if (grid.placed[cell] != 0) {
            continue;
        }
        const DigitMask mine = static_cast<DigitMask>(free_digits(grid, cell) & singles);
        if (mine == 0) {
            continue;
        }
        if (more_than_one(mine)) {
            return Fill::contradiction;
        }
        place(grid, cell, mine);
    }
    return Fill::placed;
}

// Fills naked singles, then hidden singles, until neither finds anything.
bool fill_singles(SearchGrid& grid) {
    for (;;) {
        Fill fill = fill_naked_singles(grid);
        if (fill == Fill::contradiction) {
            return false;
        }
        if (fill == Fill::placed) {
            continue;
        }
        for (const auto& unit : UNIT_CELLS) {
            const Fill hidden = fill_hidden_singles(grid, unit);
            if (hidden == Fill::contradiction) {
                return false;
            }
            if (hidden == Fill::placed) {
                fill = Fill::placed;
            }
        }
        if (fill == Fill::nothing) {
            return true;
        }
    }
}

void search(SearchGrid grid, PlacedGrid& solution, std::int32_t& count) {
    if (!fill_singles(grid)) {
        return;
    }
    // Branch on the most constrained cell; after the singles, two candidates is the least.
    int branch_cell = -1;
    int fewest = 10;
    for (int cell = 0; cell < CELL_COUNT && fewest > 2; ++cell) {
        if (grid.placed[cell] != 0) {
            continue;
        }
        const int candidates = digit_count(free_digits(grid, cell));
        if (candidates < fewest) {
            fewest = candidates;
            branch_cell = cell;
        }
    }
    if (branch_cell < 0) {
        solution = grid.placed;
        ++count;
        return;
    }
    DigitMask remaining = free_digits(grid, branch_cell);
    while (remaining != 0 && count < 2) {
        const DigitMask mask = lowest_bit(remaining);
        remaining = static_cast<DigitMask>(remaining & ~mask);
        SearchGrid child = grid;
        place(child, branch_cell, mask);
        search(child, solution, count);
    }
}

}  // namespace

std::int32_t count_solutions_robust(const PlacedGrid& placed, PlacedGrid& solution) {
    SearchGrid grid;
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        const DigitMask mask = placed[cell];
        if (mask == 0) {
            continue;
        }
        // A malformed mask or a digit already present in one of the cell's units: no
        // completion can exist.
        const DigitMask used =
            grid.rows[row_of(cell)] | grid.columns[column_of(cell)] | grid.boxes[box_of(cell)];
        if (more_than_one(mask) || (mask & ~ALL_DIGITS) != 0 || (mask & used) != 0) {
            return 0;
        }
        place(grid, cell, mask);
    }
    std::int32_t count = 0;
    search(grid, solution, count);
    return count;
}

}  // namespace cellwright
