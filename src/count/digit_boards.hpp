#pragma once
// The solution counter's view of a grid: for each digit, the cells that may still hold it, as
// band words (grid/geometry.hpp draws them). Placing a digit and filling every forced cell are
// word operations on all cells at once. A board is small (40 words), so a search copies it at
// each branching instead of undoing placements.
//
// A filled cell keeps the bit of its own digit and loses those of all the others, so a
// complete board holds the solution itself.

#include <array>
#include <cstdint>

#include "grid/grid.hpp"

namespace cellwright {

struct alignas(16) DigitBoards {
    // Digit index i (0..8, for digit i + 1), band b: word 4 * i + b. The fourth word of each digit
    // and of `unsolved` stays 0: a digit's words, like `unsolved`, load as one group of four lanes
    // (grid/lanes.hpp), whose fourth lane then adds nothing.
    std::array<std::uint32_t, 36> candidates;
    std::array<std::uint32_t, 4> unsolved;  // the empty cells of each band
    // Bit 3 * i + b: the word of digit index i in band b changed since the digit's last check
    // for hidden singles. Only changed bands need their rows and boxes looked at again.
    std::uint32_t changed_bands;
};

// Where each digit is placed, as 9-bit sets of units: bit r of `rows[i]` when row r holds
// digit i + 1 (i the digit index), and likewise for columns and boxes.
struct DigitUnits {
    std::array<std::uint32_t, 9> rows{};
    std::array<std::uint32_t, 9> columns{};
    std::array<std::uint32_t, 9> boxes{};
};

// A board of the filled cells of `placed` alone: each holds its own digit, and the empty cells
// are unsolved without candidates until `open_empty_cells` gives them theirs.
DigitBoards filled_cells_of(const PlacedGrid& placed);

// Gives every empty cell of a board from `filled_cells_of` each digit that its row, column and
// box lack, judged from the board's filled cells alone.
void open_empty_cells(DigitBoards& boards);

// The same, with the units that hold each digit given by the caller (`count_solutions_from`
// has them as masks of used digits) instead of read from the board.
void open_empty_cells(DigitBoards& boards, const DigitUnits& units);

// Puts the digit of index `digit_index` (0..8) into the empty cell `cell` and takes it from the
// cell's peers. False, with the board left as it was, when the cell no longer has that digit as
// a candidate.
bool place_on_boards(DigitBoards& boards, int digit_index, int cell);

// Fills every naked single (a cell with one candidate) and hidden single (a digit with one
// cell left in a row, column or box) until none is left. False at a dead end: an empty cell
// without candidates, or a unit with no place for a digit. Either way it only fills digits
// every completion shares and only removes candidates no completion uses, so it changes which
// completions exist in no case.
bool fill_forced_cells(DigitBoards& boards);

// Writes the digit mask of every cell of a complete board (no cell unsolved) into `solution`.
void write_solution(const DigitBoards& boards, PlacedGrid& solution);

}  // namespace cellwright
