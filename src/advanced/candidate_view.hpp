#pragma once
// The grid pair as the advanced techniques read it: each cell's candidates and, per digit,
// the cells open for it and the cells holding it, as cell sets. The techniques only read
// it; a step is applied to the grid pair and, by the solving loop, to the view as well, so
// that the view need not be rebuilt for every step.

#include <array>
#include <bit>
#include <cstdint>

#include "advanced/cell_set.hpp"
#include "advanced/solve_step.hpp"
#include "advanced/units.hpp"
#include "grid/grid.hpp"

namespace cellwright {

struct CandidateView {
    std::array<DigitMask, CELL_COUNT> candidates{};  // 0 for a filled cell
    CellSet empty;                                   // cells without a digit
    CellSet bivalue;                                 // empty cells with exactly two candidates
    std::array<CellSet, 9> open{};                   // [digit - 1]: cells open for the digit
    std::array<CellSet, 9> holding{};                // [digit - 1]: cells holding the digit

    friend bool operator==(const CandidateView&, const CandidateView&) = default;
};

void build_candidate_view(const PlacedGrid& placed, const ExclusionGrid& excluded,
                          CandidateView& view);

// Brings the view up to date with a step found on it (as `apply_step` does the grid pair).
void apply_step_to_view(CandidateView& view, const SolveStep& step);

// The positions (bit p for position p of the unit, see advanced/units.hpp) of the cells of
// `cells` that lie in `unit`.
constexpr unsigned unit_positions(const CellSet& cells, int unit) {
    if (unit < 9) {
        return cells.bands[unit / 3] >> (9 * (unit % 3)) & BAND_ROW;
    }
    if (unit < 18) {
        // Rows 3b, 3b+1, 3b+2 of column c are bits c, c+9, c+18 of band b (BAND_COLUMN << c).
        unsigned positions = 0;
        for (int band = 0; band < 3; ++band) {
            const std::uint32_t word = cells.bands[band] >> (unit - 9);
            positions |= ((word & 1U) | (word >> 8 & 2U) | (word >> 16 & 4U)) << (3 * band);
        }
        return positions;
    }
    // Box b's cells are BAND_BOX << 3 * (b % 3) in band b / 3.
    const int box = unit - 18;
    const std::uint32_t word = cells.bands[box / 3] >> (3 * (box % 3));
    return (word & 07U) | (word >> 6 & 070U) | (word >> 12 & 0700U);
}

// Where digit index `d` (0..8) is open in `unit`.
constexpr unsigned open_positions(const CandidateView& view, int unit, int d) {
    return unit_positions(view.open[d], unit);
}

// How many positions a 9-bit position set holds.
constexpr int position_count(unsigned positions) {
    return DIGIT_COUNTS[positions & BAND_ROW];
}

// The cells of `unit` at the positions of `positions`.
CellSet cells_at(int unit, unsigned positions);

// The cells at the lowest and the highest position of `positions` in `unit`: the two ends of
// a strong link when a digit is open at exactly two positions.
struct LinkEnds {
    int low;
    int high;

    // The end that is not `cell`.
    constexpr int other(int cell) const { return cell == low ? high : low; }
};

constexpr LinkEnds link_ends(int unit, unsigned positions) {
    return {UNIT_CELLS[unit][std::countr_zero(positions)],
            UNIT_CELLS[unit][std::bit_width(positions) - 1]};
}

// The digit index of a two-candidate cell's candidates other than digit index `d`.
constexpr int other_candidate(DigitMask candidates, int d) {
    return std::countr_zero(and_not(static_cast<unsigned>(candidates), 1U << d));
}

}  // namespace cellwright
