#pragma once
// Puzzles as untrusted text: the 81-character line form, and what every line form shares,
// the check that a grid may be a puzzle and the words a fault is reported in.
//
//   line   81 cells row by row: "1".."9" for a given, "." or "0" for an empty cell
//
// A grid is only handed out when no digit clashes in a unit, so it is safe to count and solve.

#include <optional>
#include <string>
#include <string_view>

#include "grid/grid.hpp"

namespace cellwright {

// nullopt when the text or grid is good, else the reason it is not, in words a user can act on.
using TextFault = std::optional<std::string>;

inline constexpr std::size_t CELL_LINE_LENGTH = 81;

// Reads an 81-character line into `givens`; `givens` is written only on success.
TextFault parse_cell_line(std::string_view line, DigitGrid& givens);

// The line of `grid`, whose cells must hold 0..9: "." for an empty cell.
std::string format_cell_line(const DigitGrid& grid);

// The first way in which `grid` breaks the rules of a puzzle, if any: a cell outside 0..9,
// else a digit twice in a unit (rows first, then columns, then boxes).
struct GridFault {
    enum class Kind { none, bad_cell, twice_in_row, twice_in_column, twice_in_box };
    Kind kind = Kind::none;
    int where = 0;  // the cell 0..80 (bad_cell) or the unit 0..8
    int value = 0;  // the cell's value (bad_cell) or the digit

    bool found() const { return kind != Kind::none; }
};

GridFault find_grid_fault(const DigitGrid& grid);

// The fault in words ("digit 5 twice in row 3", "cell 12 holds 11"); nullopt for none.
TextFault describe_grid_fault(const GridFault& fault);

// A character as a user should see it in a message: 'x', or byte 0x07 when unprintable.
std::string describe_character(char c);

// Where a character sits in a line: "column N", counted from 1.
std::string position_text(std::size_t index);

}  // namespace cellwright
