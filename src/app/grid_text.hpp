#pragma once
// A puzzle written as a grid, as books and forums print one: nine lines of nine cells,
//
//   4 . . | . 2 . | . . .        cells as in a line ("1".."9"; ".", "0", "_", "*" empty),
//   . 1 . | 7 . . | 2 . 5        spaced by blanks and parted by "|"; lines of "-" and "+"
//   ------+-------+------        between the bands, blank lines and "#" comments are
//   ...                          ignored.
//
// Rows are whole lines: a line holds nine cells or none.

#include <string>
#include <string_view>

#include "app/puzzle_text.hpp"

namespace cellwright {

// Characters that only draw the frame of a grid.
constexpr bool is_grid_decoration(char c) {
    return c == '|' || c == '-' || c == '+';
}

// Reads the grid in `text` (lines parted by "\n", a "\r" before it tolerated) into `givens`,
// which is written only on success. On failure `fault_line` is the line of `text`, from 1,
// where the fault sits, or 0 when it is the whole grid's (too few rows, a clash).
TextFault parse_grid_text(std::string_view text, DigitGrid& givens, int& fault_line);

// Nine lines of nine cells, "." for an empty cell, parted by "\n" (no line feed at the end).
std::string format_grid_text(const DigitGrid& grid);

}  // namespace cellwright
