#pragma once
// `cellwright-tool show [FILE] [--solutions]`: draws puzzles as grids with box-drawing
// characters, each under a heading with its number, grade and class, optionally with the
// solution beside it.

#include <iosfwd>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include <cellwright/cellwright.hpp>

namespace cellwright::tool {

// The 13 text lines of one grid: heavy frame, light lines between boxes, "." for empty.
std::vector<std::string> grid_drawing(const Grid& grid);

// Draws every puzzle of `file` ("-" for standard input) onto `out`; bad lines are reported on
// `errors`. Problem lines show their stored grade, plain puzzles the grade the ladder gives
// them. Returns 0 when every line was drawn, 1 otherwise.
int run_show(const std::string& file, bool with_solutions, std::istream& standard_input,
             std::ostream& out, std::ostream& errors);

// Registers `show`; its callback stores run_show's result in `status`.
void add_show_command(CLI::App& app, int& status);

}  // namespace cellwright::tool
