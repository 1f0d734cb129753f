#pragma once
// Techniques written the plain way, digit by digit and unit by unit, exactly as a puzzle maker
// would apply them by hand. The engine does the same work with shortcuts (all digits of a
// unit at once, units skipped when they cannot act); tests compare the two on many grids.
// Also a source of varied grid pairs for such comparisons.

#include <cstdint>

#include "grid/grid.hpp"
#include "random/random.hpp"

namespace cellwright::test {

// One pass of hidden singles in boxes 0..8, digits 1..9 each, every test reading the grid as
// the placements before it left it. True if anything was placed.
bool reference_box_hidden_singles(PlacedGrid& placed, ExclusionGrid& excluded);

// One pass over k = 0..8 and digits 1..9, column k before row k for each digit.
bool reference_line_hidden_singles(PlacedGrid& placed, ExclusionGrid& excluded);

// One sweep of naked triples over row u, column u, box u for u = 0..8, every unit listing its
// cells with two or three candidates and trying all triples in order. True when some
// exclusion bit changed (found by comparing with a snapshot).
bool reference_naked_triple_sweep(PlacedGrid& placed, ExclusionGrid& excluded);

// The naked-triples driver built on the sweep above and the engine's cheaper drivers.
void reference_apply_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded,
                                   TechniqueCounters& counters);

// Places `digits` random digits, each a candidate of a random empty cell, then sets
// `extra_exclusions` random exclusion bits in empty cells, as techniques would: a grid pair
// that keeps every invariant, with many singles and subsets in it.
void scatter_digits(RandomState& random, PlacedGrid& placed, ExclusionGrid& excluded, int digits,
                    int extra_exclusions);

// The grid pair `scatter_digits` makes on an empty board with a random source seeded with
// `seed`.
void scattered_grid(std::uint32_t seed, int digits, int extra_exclusions, PlacedGrid& placed,
                    ExclusionGrid& excluded);

// Places one random candidate digit in a random empty cell that has one; false if none has.
bool place_random_candidate(RandomState& random, PlacedGrid& placed, ExclusionGrid& excluded);

}  // namespace cellwright::test
