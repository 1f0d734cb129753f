#pragma once
// Builders for engine tests: puzzles from 81-character strings, grid pairs whose candidate
// sets are forced cell by cell, and grids read back as strings or as lists of changed cells.
// Malformed text is reported as a test failure (and read as empty cells), never a crash.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "grid/grid.hpp"

namespace cellwright::test {

// A placed/excluded pair as every technique works on it; value-initialised it is the empty
// board.
struct GridPair {
    PlacedGrid placed{};
    ExclusionGrid excluded{};

    friend bool operator==(const GridPair&, const GridPair&) = default;
};

// The nine cell indices of a unit, in the order of its offset table.
using UnitCells = std::array<int, 9>;
UnitCells row_cells(int row);
UnitCells column_cells(int column);
UnitCells box_cells(int box);

// The mask of the listed digits 1..9 (0 for none).
DigitMask digit_mask(const std::vector<int>& digits);

// 81 characters row by row: '1'..'9' a digit, '.' or '0' an empty cell.
DigitGrid parse_digits(std::string_view text);

// The inverse of `parse_digits`, writing '.' for empty cells.
std::string format_digits(const DigitGrid& digits);

// The digits of `placed` in the form of `format_digits`.
std::string format_placed(const PlacedGrid& placed);

// The pair `load_givens` builds from the puzzle `text` (its counters are discarded).
GridPair load_puzzle(std::string_view text);

// A complete valid solution grid (a fixed pattern, the same on every call).
DigitGrid solved_digits();

// Leaves `cell` as it is in `placed` but makes its candidates exactly `digits`.
void force_candidates(GridPair& grid, int cell, const std::vector<int>& digits);

// Rules `digit` out of every cell of `unit` except `open_cells`; other cells are untouched.
void keep_digit_open_only(GridPair& grid, int digit, const UnitCells& unit,
                          std::initializer_list<int> open_cells);

// A digit in a cell, for describing boards.
struct Placement {
    int cell;
    int digit;
};

// The text (as `format_digits` writes it) of an empty board holding exactly `placements`.
std::string board_text(const std::vector<Placement>& placements);

// The ascending indices of the cells whose words differ between the two grids.
std::vector<int> changed_cells(const std::array<DigitMask, CELL_COUNT>& before,
                               const std::array<DigitMask, CELL_COUNT>& after);

}  // namespace cellwright::test
