// The naked-pair and naked-triple drivers, and the unit calls that list their own cells. The
// machinery lives in the headers beside this file: the look at the grid (cell_scan.hpp), the
// units a sweep visits (unit_sets.hpp, sweep_units.hpp), the sweep (subset_sweep.hpp) and the
// subsets of one unit (subset_finders.hpp). Those headers are included by this file alone and
// keep their contents in an unnamed namespace: with internal linkage the compiler inlines each
// sweep's look at the grid, unit sets and single-subset check into its driver, as it would
// this file's own functions; with external linkage it calls them.

#include "solver/naked_subsets.hpp"

#include "grid/soundness_check.hpp"
#include "solver/ladder.hpp"
#include "solver/subset_finders.hpp"
#include "solver/subset_sweep.hpp"

namespace cellwright {
namespace {

// The naked-pairs driver, with the quiet sweep of pairs when the caller keeps one. Bits of
// `excluded` are only ever set, so a sweep's "some bit newly set" is the same test as comparing
// the grid with a snapshot taken before it, without the copy.
void apply_pairs(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters,
                 QuietSweep* quiet) {
    const SoundOnEntryAndExit check(placed, excluded, "apply_naked_pairs");
    drive<Rung::naked_pairs>(
        [quiet](PlacedGrid&, ExclusionGrid& grid) { return sweep_units<NAKED_PAIRS>(grid, quiet); },
        placed, excluded, counters);
}

}  // namespace

void unit_naked_pairs(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                      const UnitOffsets& offsets) {
    naked_pairs_in_unit(excluded, first_cell, offsets,
                        qualifying_cells(placed, excluded, first_cell, offsets, 2, 2));
}

void unit_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                        const UnitOffsets& offsets) {
    naked_triples_in_unit(excluded, first_cell, offsets,
                          qualifying_cells(placed, excluded, first_cell, offsets, 2, 3));
}

void apply_naked_pairs(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    apply_pairs(placed, excluded, counters, nullptr);
}

void apply_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters,
                         SweepMemory& memory) {
    const SoundOnEntryAndExit check(placed, excluded, "apply_naked_triples");
    // The cascade rule of solver/ladder.hpp, with the memory's quiet sweep for the pairs rung.
    static_assert(static_cast<int>(Rung::naked_pairs) + 1 == static_cast<int>(Rung::naked_triples));
    while (sweep_units<NAKED_TRIPLES>(excluded, &memory.triples)) {
        ++counters.naked_triple_sweeps;
        run_cheaper_drivers<Rung::naked_pairs>(placed, excluded, counters);
        apply_pairs(placed, excluded, counters, &memory.pairs);
    }
}

void apply_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    SweepMemory memory;
    apply_naked_triples(placed, excluded, counters, memory);
}

}  // namespace cellwright
