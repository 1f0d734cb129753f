#pragma once
// `cellwright-tool show [FILE...] [--solutions]`: draws puzzles as grids with box-drawing
// characters, each under a heading with its number, grade and class, optionally with the
// solution beside it, its givens marked.

#include <iosfwd>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include <cellwright/cellwright.hpp>

#include "input_formats.hpp"

namespace cellwright::tool {

// How the givens stand out among the digits of a drawn solution: in bold (on a terminal), or
// in brackets (anywhere else, where bold would be escape codes).
enum class GivenMarks { none, bold, brackets };

// The 13 text lines of one grid: heavy frame, light lines between boxes, "." for empty. With
// marks, the cells that `givens` fills are drawn so.
std::vector<std::string> grid_drawing(const Grid& grid, const Grid& givens = {},
                                      GivenMarks marks = GivenMarks::none);

struct ShowOptions {
    std::vector<std::string> files;  // standard input when empty or for "-"
    bool with_solutions = false;
    GivenMarks marks = GivenMarks::brackets;  // of the givens in a solution
    InputFormat input_format = InputFormat::automatic;
};

// Draws every puzzle of the inputs onto `out`, numbered on across them; bad records are
// reported on `errors`. A puzzle shows the grade its record states, else the grade the ladder
// gives it. Returns 0 when every record was drawn, 1 otherwise.
int run_show(const ShowOptions& options, std::istream& standard_input, std::ostream& out,
             std::ostream& errors);

// Registers `show`; its callback stores run_show's result in `status`.
void add_show_command(CLI::App& app, int& status);

}  // namespace cellwright::tool
