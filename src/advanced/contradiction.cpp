#include "advanced/contradiction.hpp"

#include <bit>

namespace cellwright {
namespace {

// The units (bit u for unit u) that lack `cells` altogether.
std::uint32_t units_missing(const CellSet& cells) {
    std::uint32_t missing = 0;
    unsigned columns = 0;
    for (int band = 0; band < 3; ++band) {
        const std::uint32_t word = cells.bands[band];
        for (int k = 0; k < 3; ++k) {
            if ((word >> (9 * k) & BAND_ROW) == 0) {
                missing |= 1U << (3 * band + k);
            }
        }
        // Bit c: column c of the band has a cell of the set.
        const unsigned folded = (word | word >> 9 | word >> 18) & BAND_ROW;
        columns |= folded;
        for (int k = 0; k < 3; ++k) {
            if ((folded >> (3 * k) & 7U) == 0) {
                missing |= 1U << box_unit(3 * band + k);
            }
        }
    }
    return missing | and_not(BAND_ROW, columns) << column_unit(0);
}

Contradiction unit_flaw(ContradictionKind kind, int unit, int digit) {
    return {kind, 0, static_cast<std::uint8_t>(unit), static_cast<std::uint8_t>(digit)};
}

}  // namespace

bool find_contradiction(const CandidateView& view, Contradiction& found) {
    for (const int unit : SWEEP_UNITS) {
        for (int d = 0; d < 9; ++d) {
            if (position_count(unit_positions(view.holding[d], unit)) > 1) {
                found = unit_flaw(ContradictionKind::repeated_digit, unit, d + 1);
                return true;
            }
        }
    }
    return find_dead_end(view, found);
}

bool find_dead_end(const CandidateView& view, Contradiction& found) {
    CellSet open_somehow;
    std::array<std::uint32_t, 9> missing{};
    std::uint32_t any_missing = 0;
    for (int d = 0; d < 9; ++d) {
        open_somehow = open_somehow | view.open[d];
        missing[d] = units_missing(view.open[d] | view.holding[d]);
        any_missing |= missing[d];
    }
    const int dead = first_cell(view.empty - open_somehow);
    if (dead >= 0) {
        found = {ContradictionKind::cell_without_candidates, static_cast<std::uint8_t>(dead), 0, 0};
        return true;
    }
    if (any_missing == 0) {
        return false;
    }
    for (const int unit : SWEEP_UNITS) {
        for (int d = 0; d < 9; ++d) {
            if ((missing[d] >> unit & 1U) != 0) {
                found = unit_flaw(ContradictionKind::digit_without_place, unit, d + 1);
                return true;
            }
        }
    }
    return false;
}

}  // namespace cellwright
