#pragma once
// Given-cell patterns: which 24 or 25 cells of a new problem carry digits. A fixed figure in
// the centre box, whole quarter-turn orbits over the eight outer boxes, and for two pattern
// types one extra half-turn pair. Every choice is one `random_below`, in a fixed order.

#include <array>
#include <cstdint>

#include "grid/grid.hpp"
#include "random/random.hpp"

namespace cellwright {

using GivenFlags = std::array<std::uint8_t, CELL_COUNT>;     // 1 where the cell is given
using GivenCellList = std::array<std::uint8_t, CELL_COUNT>;  // ascending cell indices

// The cell and its images under a quarter, half and three-quarter turn of the grid.
constexpr std::array<int, 4> quarter_turn_orbit(int row, int column) {
    return {9 * row + column, 9 * column + 8 - row, 80 - 9 * row - column, 9 * (8 - column) + row};
}

// Adds `corner_orbits` orbits based in box 0, then `edge_orbits` based in box 3. Each try
// draws a column, then a row; a base cell already given costs its two draws and is redrawn.
void scatter_symmetric(RandomState& random, GivenFlags& given, int corner_orbits, int edge_orbits);

// Draws a whole pattern into `list` and returns its length (24 or 25).
int choose_given_cells(RandomState& random, GivenCellList& list);

}  // namespace cellwright
