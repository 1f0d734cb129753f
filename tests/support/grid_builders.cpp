#include "support/grid_builders.hpp"

#include <algorithm>

#include <gtest/gtest.h>

#include "app/puzzle_text.hpp"

namespace cellwright::test {
namespace {

UnitCells unit_cells(int first_cell, const UnitOffsets& offsets) {
    UnitCells cells{};
    for (int k = 0; k < 9; ++k) {
        cells[k] = first_cell + offsets[k];
    }
    return cells;
}

}  // namespace

UnitCells row_cells(int row) {
    return unit_cells(9 * row, ROW_OFFSETS);
}

UnitCells column_cells(int column) {
    return unit_cells(column, COLUMN_OFFSETS);
}

UnitCells box_cells(int box) {
    return unit_cells(BOX_ORIGINS[box], BOX_OFFSETS);
}

DigitMask digit_mask(const std::vector<int>& digits) {
    DigitMask mask = 0;
    for (const int digit : digits) {
        mask |= DIGIT_MASKS[digit];
    }
    return mask;
}

DigitGrid parse_digits(std::string_view text) {
    DigitGrid digits{};
    if (text.size() != CELL_COUNT) {
        ADD_FAILURE() << "a puzzle needs 81 characters, got " << text.size() << ": " << text;
        return digits;
    }
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        const char c = text[cell];
        if (c >= '1' && c <= '9') {
            digits[cell] = static_cast<std::uint8_t>(c - '0');
        } else if (c != '.' && c != '0') {
            ADD_FAILURE() << "unexpected character '" << c << "' at cell " << cell;
        }
    }
    return digits;
}

std::string format_digits(const DigitGrid& digits) {
    return format_cell_line(digits);
}

std::string format_placed(const PlacedGrid& placed) {
    DigitGrid digits{};
    digits_from_masks(placed, &digits);
    return format_digits(digits);
}

GridPair load_puzzle(std::string_view text) {
    GridPair grid;
    TechniqueCounters counters;
    load_givens(parse_digits(text), grid.placed, grid.excluded, counters);
    return grid;
}

DigitGrid solved_digits() {
    // Each row shifts the one above by three, and each band by one more: a valid solution.
    DigitGrid digits{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        const int row = row_of(cell);
        digits[cell] = static_cast<std::uint8_t>((row * 3 + row / 3 + column_of(cell)) % 9 + 1);
    }
    return digits;
}

void force_candidates(GridPair& grid, int cell, const std::vector<int>& digits) {
    grid.excluded[cell] = static_cast<DigitMask>(ALL_DIGITS & ~digit_mask(digits));
}

void keep_digit_open_only(GridPair& grid, int digit, const UnitCells& unit,
                          std::initializer_list<int> open_cells) {
    for (const int cell : unit) {
        if (std::find(open_cells.begin(), open_cells.end(), cell) == open_cells.end()) {
            grid.excluded[cell] |= DIGIT_MASKS[digit];
        }
    }
}

std::string board_text(const std::vector<Placement>& placements) {
    DigitGrid digits{};
    for (const Placement& placement : placements) {
        digits[placement.cell] = static_cast<std::uint8_t>(placement.digit);
    }
    return format_digits(digits);
}

std::vector<int> changed_cells(const std::array<DigitMask, CELL_COUNT>& before,
                               const std::array<DigitMask, CELL_COUNT>& after) {
    std::vector<int> cells;
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (before[cell] != after[cell]) {
            cells.push_back(cell);
        }
    }
    return cells;
}

}  // namespace cellwright::test
