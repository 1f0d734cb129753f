#pragma once
// Puzzles as untrusted text: the 81-character line form, and what every text form shares,
// the cells a text may hold, the check that a grid may be a puzzle (and a solution its
// solution), and the words a fault is reported in.
//
//   line   81 cells row by row: "1".."9" for a given; ".", "0", "_" or "*" for an empty cell.
//          Blanks anywhere and a "#" comment at the end are ignored; 81 more cells after the
//          puzzle are its solution.
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

// The digit a character stands for as a cell: 0 for an empty cell (".", "0", "_", "*"),
// 1..9 for a digit, -1 when it is no cell at all.
int cell_digit(char c);

// Characters that only space a text out: blanks.
constexpr bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// `text` up to a "#" comment, if it holds one.
std::string_view without_comment(std::string_view text);

// What a line holds: a puzzle and, when the line carries 162 cells, its solution.
struct LineCells {
    DigitGrid givens{};
    DigitGrid solution{};  // all 0 unless `has_solution`
    bool has_solution = false;
};

// Reads a line into `cells`; `cells` is written only on success, and only with givens that
// pass find_grid_fault and a solution that passes find_solution_fault.
TextFault parse_cell_line(std::string_view line, LineCells& cells);

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

// Why `solution` does not solve the puzzle `givens` (whose cells hold 0..9): an empty cell,
// a digit twice in a unit, or a given it changes. nullopt when it solves them.
TextFault find_solution_fault(const DigitGrid& givens, const DigitGrid& solution);

// A character as a user should see it in a message: 'x', or byte 0x07 when unprintable.
std::string describe_character(char c);

// Where a character sits in a line: "column N", counted from 1.
std::string position_text(std::size_t index);

// "row R column C" of a cell, counted from 1.
std::string cell_text(int cell);

}  // namespace cellwright
