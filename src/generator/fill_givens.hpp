#pragma once
// Digit filling: puts random digits on the given cells while naked triples (and the cheaper
// techniques they cascade into) draw conclusions, then demands exactly one solution.

#include <cstdint>

#include "generator/given_cells.hpp"
#include "grid/grid.hpp"
#include "random/random.hpp"

namespace cellwright {

// Spreads digits 1..9 over random listed cells, then fills the remaining listed cells in list
// order, each from a random start digit upwards (9 wraps to 1), running `apply_naked_triples`
// after the spreading and after each filled cell. True when the filled grid has exactly one
// solution, which `solution` then holds. A list of fewer than nine cells could never hold
// the nine spread digits: it yields false without drawing.
bool fill_givens(RandomState& random, const GivenCellList& list, int count, PlacedGrid& solution);

// The filling part of `fill_givens`, without the solution count: starts from an empty board
// and leaves in `placed` every digit placed or concluded, and in `excluded` every digit ruled
// out. False when a listed cell has every digit excluded at its turn (the pair is then partly
// filled), or when the list is shorter than nine (the pair is left as it was). Makes exactly
// the draws `fill_givens` makes.
bool fill_digits(RandomState& random, const GivenCellList& list, int count, PlacedGrid& placed,
                 ExclusionGrid& excluded);

}  // namespace cellwright
