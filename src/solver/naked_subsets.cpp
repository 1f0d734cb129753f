#include "solver/naked_subsets.hpp"

#include <bit>

#include "solver/locked_candidates.hpp"
#include "solver/singles.hpp"

namespace cellwright {
namespace {

int digit_count(DigitMask mask) {
    return std::popcount(static_cast<unsigned>(mask));
}

// Positions 0..8 of the unit's empty cells whose candidate count lies in [fewest, most].
// Built once per unit call on purpose: a cell that reaches the count later is not added.
struct QualifyingCells {
    std::array<int, 9> positions{};
    int size = 0;
};

QualifyingCells qualifying_cells(const PlacedGrid& placed, const ExclusionGrid& excluded,
                                 int first_cell, const UnitOffsets& offsets, int fewest, int most) {
    QualifyingCells list;
    for (int position = 0; position < 9; ++position) {
        const int cell = first_cell + offsets[position];
        const int count = digit_count(candidates_of(excluded[cell]));
        if (placed[cell] == 0 && count >= fewest && count <= most) {
            list.positions[list.size++] = position;
        }
    }
    return list;
}

// Excludes `digits` from every cell of the unit outside the subset of positions `keep`.
void exclude_outside(ExclusionGrid& excluded, int first_cell, const UnitOffsets& offsets,
                     unsigned keep, DigitMask digits) {
    for (int position = 0; position < 9; ++position) {
        if ((keep >> position & 1u) == 0) {
            excluded[first_cell + offsets[position]] |= digits;
        }
    }
}

using UnitTechnique = void (*)(PlacedGrid&, ExclusionGrid&, int, const UnitOffsets&);

// One sweep over the 27 units in the order row u, column u, box u for u = 0..8.
void sweep_units(PlacedGrid& placed, ExclusionGrid& excluded, UnitTechnique technique) {
    for (int u = 0; u < 9; ++u) {
        technique(placed, excluded, 9 * u, ROW_OFFSETS);
        technique(placed, excluded, u, COLUMN_OFFSETS);
        technique(placed, excluded, BOX_ORIGINS[u], BOX_OFFSETS);
    }
}

}  // namespace

void unit_naked_pairs(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                      const UnitOffsets& offsets) {
    const QualifyingCells list = qualifying_cells(placed, excluded, first_cell, offsets, 2, 2);
    for (int i = 0; i < list.size; ++i) {
        const int cell_i = first_cell + offsets[list.positions[i]];
        for (int j = i + 1; j < list.size; ++j) {
            const int cell_j = first_cell + offsets[list.positions[j]];
            // Read afresh: an earlier pair of this call may have narrowed either cell.
            const DigitMask pair_union = candidates_of(excluded[cell_i] & excluded[cell_j]);
            if (digit_count(pair_union) == 2) {
                const unsigned keep = 1u << list.positions[i] | 1u << list.positions[j];
                exclude_outside(excluded, first_cell, offsets, keep, pair_union);
            }
        }
    }
}

void unit_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                        const UnitOffsets& offsets) {
    const QualifyingCells list = qualifying_cells(placed, excluded, first_cell, offsets, 2, 3);
    for (int i = 0; i < list.size; ++i) {
        const int cell_i = first_cell + offsets[list.positions[i]];
        for (int j = i + 1; j < list.size; ++j) {
            const int cell_j = first_cell + offsets[list.positions[j]];
            for (int k = j + 1; k < list.size; ++k) {
                const int cell_k = first_cell + offsets[list.positions[k]];
                const DigitMask triple_union =
                    candidates_of(excluded[cell_i] & excluded[cell_j] & excluded[cell_k]);
                if (digit_count(triple_union) == 3) {
                    const unsigned keep =
                        1u << list.positions[i] | 1u << list.positions[j] | 1u << list.positions[k];
                    exclude_outside(excluded, first_cell, offsets, keep, triple_union);
                }
            }
        }
    }
}

void apply_naked_pairs(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    for (;;) {
        const ExclusionGrid snapshot = excluded;
        sweep_units(placed, excluded, unit_naked_pairs);
        if (excluded == snapshot) {
            return;
        }
        ++counters.naked_pair_sweeps;
        repeat_box_singles(placed, excluded, counters);
        apply_locked_candidates(placed, excluded, counters);
        apply_naked_singles(placed, excluded, counters);
        apply_line_singles(placed, excluded, counters);
    }
}

void apply_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    for (;;) {
        const ExclusionGrid snapshot = excluded;
        sweep_units(placed, excluded, unit_naked_triples);
        if (excluded == snapshot) {
            return;
        }
        ++counters.naked_triple_sweeps;
        repeat_box_singles(placed, excluded, counters);
        apply_locked_candidates(placed, excluded, counters);
        apply_naked_singles(placed, excluded, counters);
        apply_line_singles(placed, excluded, counters);
        apply_naked_pairs(placed, excluded, counters);
    }
}

}  // namespace cellwright
