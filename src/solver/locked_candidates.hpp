#pragma once
// Locked candidates, pointing direction: when every open cell of a box for a digit lies in
// one box-row, the digit is ruled out of that grid row in the two band partners; likewise a
// box-column and the stack partners. It only sets exclusion bits, never places a digit.

#include "grid/grid.hpp"

namespace cellwright {

// Applies the rule to box `box` for all digits at once, from the box's exclusions as they
// are on entry. Writes only to the six box-rows/box-columns of the partner boxes.
void box_pointing(PlacedGrid& placed, ExclusionGrid& excluded, int box, int band_partner_a,
                  int band_partner_b, int stack_partner_a, int stack_partner_b);

// Driver: sweeps boxes 0..8 (each seeing the exclusions of the boxes before it) until a sweep
// changes no exclusion; each productive sweep adds 1 and runs `repeat_box_singles`.
void apply_locked_candidates(PlacedGrid& placed, ExclusionGrid& excluded,
                             TechniqueCounters& counters);

}  // namespace cellwright
