#include "support/reference_techniques.hpp"

#include <bit>

#include "solver/ladder.hpp"

namespace cellwright::test {
namespace {

DigitMask present_in(const PlacedGrid& placed, int first_cell, const UnitOffsets& offsets) {
    DigitMask present = 0;
    for (const auto offset : offsets) {
        present |= placed[first_cell + offset];
    }
    return present;
}

// Counts the unit's cells open for `mask` and places it when there is exactly one.
bool place_if_single_open(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                          const UnitOffsets& offsets, DigitMask mask) {
    int open_cells = 0;
    int open_cell = 0;
    for (const auto offset : offsets) {
        if ((excluded[first_cell + offset] & mask) == 0) {
            ++open_cells;
            open_cell = first_cell + offset;
        }
    }
    if (open_cells != 1) {
        return false;
    }
    place_digit(placed, excluded, open_cell, mask);
    return true;
}

void naked_triples_in(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                      const UnitOffsets& offsets) {
    int listed[9];
    int size = 0;
    for (int p = 0; p < 9; ++p) {
        const int cell = first_cell + offsets[p];
        const int count = std::popcount(static_cast<unsigned>(candidates_of(excluded[cell])));
        if (placed[cell] == 0 && count >= 2 && count <= 3) {
            listed[size++] = p;
        }
    }
    for (int i = 0; i < size; ++i) {
        for (int j = i + 1; j < size; ++j) {
            for (int k = j + 1; k < size; ++k) {
                const DigitMask digits = candidates_of(excluded[first_cell + offsets[listed[i]]] &
                                                       excluded[first_cell + offsets[listed[j]]] &
                                                       excluded[first_cell + offsets[listed[k]]]);
                if (std::popcount(static_cast<unsigned>(digits)) != 3) {
                    continue;
                }
                for (int p = 0; p < 9; ++p) {
                    if (p != listed[i] && p != listed[j] && p != listed[k]) {
                        excluded[first_cell + offsets[p]] |= digits;
                    }
                }
            }
        }
    }
}

}  // namespace

bool reference_box_hidden_singles(PlacedGrid& placed, ExclusionGrid& excluded) {
    bool progress = false;
    for (const auto origin : BOX_ORIGINS) {
        const DigitMask present = present_in(placed, origin, BOX_OFFSETS);
        for (int digit = 1; digit <= 9; ++digit) {
            if ((present & DIGIT_MASKS[digit]) == 0) {
                progress |=
                    place_if_single_open(placed, excluded, origin, BOX_OFFSETS, DIGIT_MASKS[digit]);
            }
        }
    }
    return progress;
}

bool reference_line_hidden_singles(PlacedGrid& placed, ExclusionGrid& excluded) {
    bool progress = false;
    for (int k = 0; k < 9; ++k) {
        const DigitMask column_present = present_in(placed, k, COLUMN_OFFSETS);
        const DigitMask row_present = present_in(placed, 9 * k, ROW_OFFSETS);
        for (int digit = 1; digit <= 9; ++digit) {
            const DigitMask mask = DIGIT_MASKS[digit];
            if ((column_present & mask) == 0) {
                progress |= place_if_single_open(placed, excluded, k, COLUMN_OFFSETS, mask);
            }
            if ((row_present & mask) == 0) {
                progress |= place_if_single_open(placed, excluded, 9 * k, ROW_OFFSETS, mask);
            }
        }
    }
    return progress;
}

bool reference_naked_triple_sweep(PlacedGrid& placed, ExclusionGrid& excluded) {
    const ExclusionGrid snapshot = excluded;
    for (int u = 0; u < 9; ++u) {
        naked_triples_in(placed, excluded, 9 * u, ROW_OFFSETS);
        naked_triples_in(placed, excluded, u, COLUMN_OFFSETS);
        naked_triples_in(placed, excluded, BOX_ORIGINS[u], BOX_OFFSETS);
    }
    return excluded != snapshot;
}

void reference_apply_naked_triples(PlacedGrid& placed, ExclusionGrid& excluded,
                                   TechniqueCounters& counters) {
    drive<Rung::naked_triples>(reference_naked_triple_sweep, placed, excluded, counters);
}

bool place_random_candidate(RandomState& random, PlacedGrid& placed, ExclusionGrid& excluded) {
    const int first = random_below(random, CELL_COUNT);
    for (int step = 0; step < CELL_COUNT; ++step) {
        const int cell = (first + step) % CELL_COUNT;
        const DigitMask candidates = candidates_of(excluded[cell]);
        if (placed[cell] != 0 || candidates == 0) {
            continue;
        }
        int pick = random_below(random, std::popcount(static_cast<unsigned>(candidates)));
        for (int digit = 1; digit <= 9; ++digit) {
            if ((candidates & DIGIT_MASKS[digit]) != 0 && pick-- == 0) {
                place_digit(placed, excluded, cell, DIGIT_MASKS[digit]);
                return true;
            }
        }
    }
    return false;
}

void scatter_digits(RandomState& random, PlacedGrid& placed, ExclusionGrid& excluded, int digits,
                    int extra_exclusions) {
    for (int i = 0; i < digits; ++i) {
        place_random_candidate(random, placed, excluded);
    }
    for (int i = 0; i < extra_exclusions; ++i) {
        const int cell = random_below(random, CELL_COUNT);
        if (placed[cell] == 0) {
            excluded[cell] |= DIGIT_MASKS[1 + random_below(random, 9)];
        }
    }
}

void scattered_grid(std::uint32_t seed, int digits, int extra_exclusions, PlacedGrid& placed,
                    ExclusionGrid& excluded) {
    RandomState random;
    random_seed(random, seed);
    placed = {};
    excluded = {};
    scatter_digits(random, placed, excluded, digits, extra_exclusions);
}

}  // namespace cellwright::test
