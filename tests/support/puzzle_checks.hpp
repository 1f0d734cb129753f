#pragma once
// Checks on puzzles and solutions shared by the counter and tool tests, a source of test
// puzzles cut from generated solution grids, and splitting of command output into lines.

#include <string>
#include <string_view>
#include <vector>

#include "grid/grid.hpp"
#include "random/random.hpp"

namespace cellwright::check {

// 81 cells read row by row: a digit, or "." / "0" for an empty cell. Other characters (spaces,
// "/") are skipped, so "123456789 456789123 ..." and problem lines both read.
DigitGrid grid_from_text(std::string_view text);

// True when `solution` is a complete valid grid that agrees with every given of `givens`.
bool solves(const DigitGrid& solution, const DigitGrid& givens);

// The masks of a digit grid, as `load_givens` would place them.
PlacedGrid masks_of(const DigitGrid& digits);

// The lines of `text`, without their line feeds.
std::vector<std::string> lines_of(const std::string& text);

// Puzzles made by keeping `kept` randomly chosen cells of the complete grid `solution`
// (so they have at least that one solution), `count` of them.
std::vector<DigitGrid> cut_puzzles(RandomState& random, const DigitGrid& solution, int kept,
                                   int count);

}  // namespace cellwright::check
