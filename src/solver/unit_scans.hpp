#pragma once
// Whole-grid looks at the exclusion words, for every unit or cell at once, that tell a pass of
// singles where its first placement can be. They read the grid and write nothing; the passes
// use them to skip the units and cells that, on the grid as it stands, place nothing.

#include "grid/grid.hpp"

namespace cellwright {

// For each box, the digits open in exactly one of its cells. A digit present in the box is
// open nowhere in it, so it never appears. Returns bit b set for each box b with some.
unsigned digits_open_once_in_boxes(const ExclusionGrid& excluded, UnitMasks& boxes);

// The same for each column and each row. Returns bit k set when column k or row k has some.
unsigned digits_open_once_in_lines(const ExclusionGrid& excluded, UnitMasks& columns,
                                   UnitMasks& rows);

// The lowest cell from `from` (0..81) on with exactly one candidate (a filled cell has none),
// or CELL_COUNT if there is none.
int first_single_candidate_cell(const ExclusionGrid& excluded, int from);

}  // namespace cellwright
