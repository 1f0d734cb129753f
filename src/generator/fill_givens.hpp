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
// On an x86-64 processor with the newer instructions of the x86-64-v3 level, the build's
// second compile of the filling runs instead (generator/x86_64_v3.hpp); both give the same
// results and make the same draws.
bool fill_givens(RandomState& random, const GivenCellList& list, int count, PlacedGrid& solution);

// `fill_givens` as compiled for every processor of the build's target.
bool fill_and_count(RandomState& random, const GivenCellList& list, int count,
                    PlacedGrid& solution);

// Whether the filling runs the naked-triples cascade after its last random digit (`run`), or
// leaves those conclusions to the count, as `fill_givens` does (`left_to_count`): nothing is
// drawn after it, and the count finds the same completions without them.
enum class LastCascade { run, left_to_count };

// The filling part of `fill_givens`, without the solution count: starts from an empty board
// and leaves in `placed` every digit placed or concluded, and in `excluded` every digit ruled
// out (with `left_to_count`, all but the conclusions after the last random digit). False when
// a listed cell has every digit excluded at its turn (the pair is then partly filled), or when
// the list is shorter than nine (the pair is left as it was). Makes exactly the draws
// `fill_givens` makes.
bool fill_digits(RandomState& random, const GivenCellList& list, int count, PlacedGrid& placed,
                 ExclusionGrid& excluded, LastCascade last = LastCascade::run);

}  // namespace cellwright
