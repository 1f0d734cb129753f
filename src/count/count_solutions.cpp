#include "count/count_solutions.hpp"

#include <bit>

#include "count/digit_boards.hpp"

namespace cellwright {
namespace {

// What every level of one search shares.
struct Search {
    PlacedGrid& solution;
    std::int32_t& count;
};

// The search below a node whose board has just had a digit placed (or been built). The node's
// board is its own: every branch works on a copy, so nothing is undone.
void search_from(Search& search, DigitBoards& boards) {
    if (!fill_forced_cells(boards)) {
        return;
    }
    int band = 0;
    while (band < 3 && boards.unsolved[band] == 0) {
        ++band;
    }
    if (band == 3) {
        write_solution(boards, search.solution);
        ++search.count;
        return;
    }
    // Branch on the lowest empty cell with digits ascending: solutions are then met in
    // lexicographic order, and the second one found is the second smallest. The candidates
    // left out are digits no completion puts there, so skipping them changes no order.
    const int bit = std::countr_zero(boards.unsolved[band]);
    const int cell = 27 * band + bit;
    for (int digit = 0; digit < 9 && search.count <= 1; ++digit) {
        if ((boards.candidates[3 * digit + band] >> bit & 1) == 0) {
            continue;
        }
        DigitBoards branch = boards;
        place_on_boards(branch, digit, cell);
        search_from(search, branch);
    }
}

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

// The cells of a band word in the rows (or boxes) of the band marked by a 3-bit index.
constexpr std::array<std::uint32_t, 8> BAND_ROWS = [] {
    std::array<std::uint32_t, 8> rows{};
    for (unsigned marked = 0; marked < 8; ++marked) {
        for (int k = 0; k < 3; ++k) {
            rows[marked] |= (marked >> k & 1) != 0 ? 0x1FFu << (9 * k) : 0;
        }
    }
    return rows;
}();
constexpr std::array<std::uint32_t, 8> BAND_BOXES = [] {
    std::array<std::uint32_t, 8> boxes{};
    for (unsigned marked = 0; marked < 8; ++marked) {
        for (int k = 0; k < 3; ++k) {
            boxes[marked] |= (marked >> k & 1) != 0 ? (7u << (3 * k)) * 0x40201u : 0;
        }
    }
    return boxes;
}();

// The board of a grid from the units in which each digit is placed: an empty cell keeps a
// digit whose row, column and box all lack it, a filled cell only its own digit.
struct DigitUnits {
    std::array<std::uint32_t, 9> rows{};
    std::array<std::uint32_t, 9> columns{};
    std::array<std::uint32_t, 9> boxes{};
};

DigitBoards boards_of(const PlacedGrid& placed, const DigitUnits& units) {
    DigitBoards boards{};
    boards.changed_digits = ALL_DIGITS;
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        const std::uint32_t mask = 1u << (cell % 27);
        if (placed[cell] == 0) {
            boards.unsolved[cell / 27] |= mask;
        } else {
            boards.candidates[3 * std::countr_zero(placed[cell]) + cell / 27] |= mask;
        }
    }
    for (int digit = 0; digit < 9; ++digit) {
        const std::uint32_t columns = (ALL_DIGITS & ~units.columns[digit]) * 0x40201u;
        for (int band = 0; band < 3; ++band) {
            const std::uint32_t rows = BAND_ROWS[(~units.rows[digit] >> (3 * band)) & 7];
            const std::uint32_t boxes = BAND_BOXES[(~units.boxes[digit] >> (3 * band)) & 7];
            boards.candidates[3 * digit + band] |= boards.unsolved[band] & rows & columns & boxes;
        }
    }
    return boards;
}

}  // namespace

std::int32_t count_solutions(PlacedGrid& placed, PlacedGrid& solution) {
    DigitUnits units;
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (placed[cell] != 0) {
            const int digit = std::countr_zero(placed[cell]);
            const CellUnits u = CELL_UNITS[cell];
            units.rows[digit] |= 1u << u.row;
            units.columns[digit] |= 1u << u.column;
            units.boxes[digit] |= 1u << u.box;
        }
    }
    DigitBoards boards = boards_of(placed, units);
    std::int32_t count = 0;
    Search search{solution, count};
    search_from(search, boards);
    return count;
}

void count_solutions_from(UndoStack& /*undo*/, PlacedGrid& placed, PlacedGrid& solution,
                          UnitMasks& row_used, UnitMasks& column_used, UnitMasks& box_used,
                          int /*start*/, std::int32_t& count) {
    DigitUnits units;
    for (int unit = 0; unit < 9; ++unit) {
        for (int digit = 0; digit < 9; ++digit) {
            units.rows[digit] |= (row_used[unit] >> digit & 1u) << unit;
            units.columns[digit] |= (column_used[unit] >> digit & 1u) << unit;
            units.boxes[digit] |= (box_used[unit] >> digit & 1u) << unit;
        }
    }
    DigitBoards boards = boards_of(placed, units);
    Search search{solution, count};
    search_from(search, boards);
}

}  // namespace cellwright
