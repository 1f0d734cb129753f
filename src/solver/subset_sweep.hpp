#pragma once
// One sweep of naked pairs or naked triples over the 27 units, in the order row u, column u,
// box u for u = 0..8, visiting only the units that can still write something new.

#include <cstdint>

#include "grid/bits.hpp"
#include "grid/grid.hpp"
#include "solver/cell_scan.hpp"
#include "solver/naked_subsets.hpp"
#include "solver/subset_finders.hpp"
#include "solver/sweep_units.hpp"
#include "solver/unit_sets.hpp"

namespace cellwright {
// Private to naked_subsets.cpp; see there.
namespace {

using UnitTechnique = bool (*)(ExclusionGrid&, int, const UnitOffsets&, unsigned listed);

// Which cells a unit technique lists, and how many it needs before it can act.
struct SubsetShape {
    UnitTechnique technique;
    int fewest_candidates;
    int most_candidates;
    int cells;
};

constexpr SubsetShape NAKED_PAIRS{naked_pairs_in_unit, 2, 2, 2};
constexpr SubsetShape NAKED_TRIPLES{naked_triples_in_unit, 2, 3, 3};

// The unit sets and the sweep's unit table agree on which cells each unit holds.
constexpr bool unit_tables_agree() {
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        for (int unit = 0; unit < 27; ++unit) {
            const bool in_set = (UNITS_OF_CELL[cell] >> unit & 1u) != 0;
            const bool in_table = (SWEEP_UNIT_CELLS[unit][cell / 64] >> (cell % 64) & 1u) != 0;
            if (in_set != in_table) {
                return false;
            }
        }
    }
    return true;
}
static_assert(unit_tables_agree());

// One sweep over the 27 units in the order row u, column u, box u for u = 0..8. True when
// some exclusion bit was newly set.
//
// The bands are taken before the first unit and retaken after every unit that set a bit:
// between two such units nothing changes, so a unit's bits of the bands are exactly the list
// it would take itself (a filled cell's word is ALL_DIGITS, zero candidates, so "empty" adds
// nothing), and the unit is handed them instead of listing its cells again. A unit with fewer
// listed cells than the subset size could write nothing, so it is skipped. With `quiet`, a unit
// none of whose listed cells changed since the last quiet sweep is skipped as well (see
// QuietSweep), and a sweep that sets no bit becomes the new quiet sweep.
//
// A template on the shape, so that its counts and unit technique are constants of each sweep.
template <const SubsetShape& shape>
bool sweep_units(ExclusionGrid& excluded, QuietSweep* quiet) {
    const ExclusionGrid* earlier = quiet != nullptr && quiet->known ? &quiet->excluded : nullptr;
    bool changed = false;
    // Units below bit `next` are done for this sweep. Each pass of the outer loop looks at the
    // grid afresh and visits the due units from `next` on until one of them writes.
    for (std::uint32_t next = 0; next < 27;) {
        const CellScan scan =
            scan_cells<shape.fewest_candidates, shape.most_candidates>(excluded, earlier);
        // Only a listed cell that changed can make a subset write something new (see
        // QuietSweep).
        UnitSet due = units_holding(scan.fresh) >> next << next;
        // A unit with fewer listed cells than the subset size has no subset to look at. Taking
        // all such units out before the loop below spares it a branch per unit that depends on
        // the grid.
#if CELLWRIGHT_AVX2
        // The due units are few (those of the fresh cells, about seven), and the processor
        // counts bits in one instruction: each due unit's listed cells are counted by
        // themselves, without a branch.
        for (UnitSet counting = due; counting != 0;) {
            const int unit = pop_lowest(counting);
            due &= ~(UnitSet{cells_in_unit(scan.listed_cells, unit) < shape.cells} << unit);
        }
#else
        // Counted for all units at once, without a bit-count instruction.
        if (due != 0) {
            due &= units_holding_at_least<shape.cells>(scan.listed);
        }
#endif
        next = 27;
        while (due != 0) {
            const int unit = pop_lowest(due);
            const SweepUnit& where = SWEEP_UNITS[unit];
#if CELLWRIGHT_AVX2
            const std::uint32_t listed_cells = unit_bits(scan.listed_cells, unit);
#else
            const std::uint32_t listed_cells = unit_bits(scan.listed, where);
#endif
            // With exactly as many listed cells as the subset size there is one subset to look
            // at.
            if (DIGIT_COUNTS[listed_cells] == shape.cells
                    ? only_subset_in_unit(excluded, where.first_cell, *where.offsets, listed_cells,
                                          shape.cells)
                    : shape.technique(excluded, where.first_cell, *where.offsets, listed_cells)) {
                changed = true;
                next = static_cast<std::uint32_t>(unit) + 1;
                break;
            }
        }
    }
    if (!changed && quiet != nullptr) {
        quiet->excluded = excluded;
        quiet->known = true;
    }
    return changed;
}

}  // namespace
}  // namespace cellwright
