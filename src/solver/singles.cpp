#include "solver/singles.hpp"

#include "solver/locked_candidates.hpp"

namespace cellwright {
namespace {

DigitMask present_digits(const PlacedGrid& placed, int first_cell, const UnitOffsets& offsets) {
    DigitMask present = 0;
    for (const auto offset : offsets) {
        present |= placed[first_cell + offset];
    }
    return present;
}

// Places `mask` in the unit's only cell open for it. False when the digit has no open cell
// or several.
bool place_if_single_open(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                          const UnitOffsets& offsets, DigitMask mask) {
    int open_cells = 0;
    int open_cell = 0;
    for (const auto offset : offsets) {
        const int cell = first_cell + offset;
        if ((excluded[cell] & mask) == 0) {
            ++open_cells;
            open_cell = cell;
        }
    }
    if (open_cells != 1) {
        return false;
    }
    place_digit(placed, excluded, open_cell, mask);
    return true;
}

}  // namespace

bool box_hidden_singles(PlacedGrid& placed, ExclusionGrid& excluded) {
    bool progress = false;
    for (const auto origin : BOX_ORIGINS) {
        // Taken once per box: a digit placed below is never asked about again in this box.
        const DigitMask present = present_digits(placed, origin, BOX_OFFSETS);
        for (int digit = 1; digit <= 9; ++digit) {
            const DigitMask mask = DIGIT_MASKS[digit];
            if ((present & mask) == 0) {
                progress |= place_if_single_open(placed, excluded, origin, BOX_OFFSETS, mask);
            }
        }
    }
    return progress;
}

bool line_hidden_singles(PlacedGrid& placed, ExclusionGrid& excluded) {
    bool progress = false;
    for (int k = 0; k < 9; ++k) {
        const int column_first = k;
        const int row_first = 9 * k;
        const DigitMask column_present = present_digits(placed, column_first, COLUMN_OFFSETS);
        const DigitMask row_present = present_digits(placed, row_first, ROW_OFFSETS);
        for (int digit = 1; digit <= 9; ++digit) {
            const DigitMask mask = DIGIT_MASKS[digit];
            // Column before row: the row test sees what the column test placed.
            if ((column_present & mask) == 0) {
                progress |=
                    place_if_single_open(placed, excluded, column_first, COLUMN_OFFSETS, mask);
            }
            if ((row_present & mask) == 0) {
                progress |= place_if_single_open(placed, excluded, row_first, ROW_OFFSETS, mask);
            }
        }
    }
    return progress;
}

bool naked_single_scan(PlacedGrid& placed, ExclusionGrid& excluded) {
    bool progress = false;
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (placed[cell] != 0) {
            continue;
        }
        const DigitMask candidates = candidates_of(excluded[cell]);
        if (digit_count(candidates) == 1) {
            place_digit(placed, excluded, cell, candidates);
            progress = true;
        }
    }
    return progress;
}

void repeat_box_singles(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    while (box_hidden_singles(placed, excluded)) {
        ++counters.box_single_passes;
    }
}

void apply_naked_singles(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    while (naked_single_scan(placed, excluded)) {
        ++counters.naked_single_scans;
        repeat_box_singles(placed, excluded, counters);
        apply_locked_candidates(placed, excluded, counters);
    }
}

void apply_line_singles(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    while (line_hidden_singles(placed, excluded)) {
        ++counters.line_single_passes;
        repeat_box_singles(placed, excluded, counters);
        apply_locked_candidates(placed, excluded, counters);
        apply_naked_singles(placed, excluded, counters);
    }
}

}  // namespace cellwright
