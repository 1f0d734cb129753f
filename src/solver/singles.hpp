#pragma once
// Hidden singles (in a box, in a row or column) and naked singles, with their drivers, which
// follow the cascade rule of solver/ladder.hpp.
//
// Within a pass a placement takes effect at once: later tests of the same pass see it.

#include "grid/grid.hpp"

namespace cellwright {

// One pass over boxes 0..8, digits 1..9 in each: a digit missing from a box with exactly one
// open cell there is placed. True if anything was placed.
bool box_hidden_singles(PlacedGrid& placed, ExclusionGrid& excluded);

// One pass over k = 0..8 and digits 1..9, testing column k before row k for each digit.
// True if anything was placed.
bool line_hidden_singles(PlacedGrid& placed, ExclusionGrid& excluded);

// One scan over cells 0..80: an empty cell with exactly one candidate is filled. True if
// anything was placed.
bool naked_single_scan(PlacedGrid& placed, ExclusionGrid& excluded);

// Runs `box_hidden_singles` until it finds nothing, counting each productive pass.
void repeat_box_singles(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters);

// Driver of naked singles; cascades into locked candidates.
void apply_naked_singles(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters);

// Driver of row/column hidden singles; cascades into locked candidates and naked singles.
void apply_line_singles(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters);

}  // namespace cellwright
