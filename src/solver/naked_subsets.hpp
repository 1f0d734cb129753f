#pragma once
// Naked pairs and naked triples: two (three) empty cells of a unit whose candidates together
// are exactly two (three) digits; those digits are ruled out of the unit's other cells.
// Both only set exclusion bits.
//
// A unit is passed as its first cell and offset table (row u: 9u with ROW_OFFSETS, column u:
// u with COLUMN_OFFSETS, box u: BOX_ORIGINS[u] with BOX_OFFSETS).

#include "grid/grid.hpp"

namespace cellwright {

// Lists the unit's empty two-candidate cells once at the start; then, for every pair of
// listed cells in lexicographic order, reads their union afresh and, if it has two digits,
// excludes them from the other seven cells.
void unit_naked_pairs(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                      const UnitOffsets& offsets);

// As `unit_naked_pairs` for cells with two or three candidates, triples in lexicographic
// order, unions of exactly three digits, excluded from the other six cells.
void unit_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                        const UnitOffsets& offsets);

// Drivers: sweep row u, column u, box u for u = 0..8 until a sweep changes no exclusion;
// each productive sweep adds 1 and cascades (solver/ladder.hpp).
void apply_naked_pairs(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters);
void apply_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters);

// The exclusion words at the end of the last sweep (of naked triples, or of naked pairs) that
// set no bit. Every subset of listed cells whose words still equal these has the union it had
// then, and then its digits were already excluded from the unit's other cells (in that sweep,
// or in an earlier quiet one if that sweep skipped the unit); bits are never cleared, so the
// subset would write nothing new. A unit none of whose listed cells changed is therefore
// skipped (a filled cell's word is always ALL_DIGITS). For one grid pair; starts knowing nothing.
struct QuietSweep {
    ExclusionGrid excluded{};
    bool known = false;
};

// What a caller that drives one grid pair through many calls of `apply_naked_triples` keeps
// between them: the quiet sweeps of triples and of the pairs its cascades run.
struct SweepMemory {
    QuietSweep triples;
    QuietSweep pairs;
};

// `apply_naked_triples` with that memory: units whose listed cells are unchanged since the
// last quiet sweep of the same kind are skipped, and `memory` is brought up to date.
void apply_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters,
                         SweepMemory& memory);

}  // namespace cellwright
