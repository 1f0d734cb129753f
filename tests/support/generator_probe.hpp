#pragma once
// Test helpers for the solution counter and the generator: grids written as text, random
// words chosen to make `random_below` return given values, and checks on finished grids.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "generator/given_cells.hpp"
#include "grid/grid.hpp"
#include "random/random.hpp"

namespace cellwright::probe {

// One intended `random_below(bound)` result.
struct Draw {
    std::int32_t value;
    std::int32_t bound;
};

// The smallest word for which `random_below(bound)` yields `value`.
std::uint32_t word_for(Draw draw);

// Leaves `random` so that its next draws return `draws` in order; `position` then counts the
// draws made since (it is 0 before the first).
void feed_draws(RandomState& random, const std::vector<Draw>& draws);

// Grids from text as `check::grid_from_text` reads them.
DigitGrid digits_from_text(std::string_view text);
PlacedGrid masks_from_text(std::string_view text);

// Nine rows of nine characters separated by spaces, "." for empty: for assertion messages.
std::string text_of(const DigitGrid& digits);
std::string text_of(const PlacedGrid& masks);

// The cell indices of a given-cell list.
std::vector<int> cells_of(const GivenCellList& list, int count);

// Images of a cell under a quarter turn and a half turn of the grid.
int quarter_turn(int cell);
int half_turn(int cell);

// True when the image of every cell of the set is in the set.
bool maps_onto_itself(const std::vector<int>& cells, int (*turn)(int));

// Expects what every problem the generator hands out must be: 24 or 25 givens on a pattern
// symmetric under the half turn (and under the quarter turn unless the centre box holds two
// of them), each digit 1..9 among them, and exactly one solution, which it returns (all 0
// when there is none). Failures name `name`.
DigitGrid expect_sound_givens(const DigitGrid& givens, const std::string& name);

}  // namespace cellwright::probe
