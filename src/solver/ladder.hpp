#pragma once
// The whole technique ladder, as a problem attempt runs it on freshly loaded givens: box
// singles repeated, then locked candidates, naked singles, row/column singles, naked pairs
// and naked triples, each driver only while an empty cell remains.

#include "grid/grid.hpp"

namespace cellwright {

// Runs the ladder in place, adding to `counters` (which `load_givens` zeroed). True when
// every cell is filled at the end.
bool run_technique_ladder(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters);

}  // namespace cellwright
