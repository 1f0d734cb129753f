#include "solver/locked_candidates.hpp"

#include <bit>

#include "grid/geometry.hpp"
#include "grid/soundness_check.hpp"
#include "solver/ladder.hpp"
#include "solver/pointing_scan.hpp"

namespace cellwright {
namespace {

// Digits open in part t and closed in both other parts of a box.
constexpr DigitMask confined_to(const std::array<DigitMask, 3>& closed, int t) {
    return static_cast<DigitMask>(~closed[t] & closed[(t + 1) % 3] & closed[(t + 2) % 3] &
                                  ALL_DIGITS);
}

// `box_pointing`, returning bit p set for each partner p that got a new exclusion bit.
unsigned point_from_box(PlacedGrid& placed, ExclusionGrid& excluded, int box, int band_partner_a,
                        int band_partner_b, int stack_partner_a, int stack_partner_b) {
    unsigned written = 0;
    const int origin = BOX_ORIGINS[box];
    // Closed set of a box-row or box-column: the digits none of its three cells can take.
    std::array<DigitMask, 3> closed_rows{};
    std::array<DigitMask, 3> closed_columns{};
    DigitMask present = 0;
    for (int t = 0; t < 3; ++t) {
        const int row_start = origin + 9 * t;
        closed_rows[t] = excluded[row_start] & excluded[row_start + 1] & excluded[row_start + 2];
        const int column_top = origin + t;
        closed_columns[t] =
            excluded[column_top] & excluded[column_top + 9] & excluded[column_top + 18];
        present |= placed[row_start] | placed[row_start + 1] | placed[row_start + 2];
    }
    // The call never writes to its own box, so these sets stay exact for all nine digits,
    // and the eliminations of different digits are independent: all digits go at once.
    const DigitMask absent = static_cast<DigitMask>(ALL_DIGITS & ~present);
    // A box called only because a partner wrote to it often confines nothing: such a call
    // ends before it looks at a partner.
    std::array<DigitMask, 3> row_confined{};
    std::array<DigitMask, 3> column_confined{};
    DigitMask any = 0;
    for (int t = 0; t < 3; ++t) {
        row_confined[t] = confined_to(closed_rows, t) & absent;
        column_confined[t] = confined_to(closed_columns, t) & absent;
        any |= row_confined[t] | column_confined[t];
    }
    if (any == 0) {
        return 0;
    }
    // Every box-row and box-column of the partners is written, most of them with no digit:
    // or-ing nothing changes nothing, and a test of each would depend on the grid. The twelve
    // parts written are distinct cells, each written once, so their order does not matter.
    // `across` steps from one part of a partner to the next, `along` from cell to cell.
    const auto confine = [&](const std::array<DigitMask, 3>& confined, int partner, int across,
                             int along) {
        DigitMask* const first = excluded.data() + BOX_ORIGINS[partner];
        DigitMask fresh = 0;
        for (int t = 0; t < 3; ++t) {
            DigitMask* const words = first + across * t;
            const DigitMask digits = confined[t];
            fresh |= digits & ~(words[0] & words[along] & words[2 * along]);
            words[0] |= digits;
            words[along] |= digits;
            words[2 * along] |= digits;
        }
        // 1 when some digit took a bit not all three cells of its part had (9-bit masks).
        written |= (static_cast<unsigned>(fresh) + ALL_DIGITS) >> 9 << partner;
    };
    confine(row_confined, band_partner_a, 9, 1);
    confine(row_confined, band_partner_b, 9, 1);
    confine(column_confined, stack_partner_a, 1, 9);
    confine(column_confined, stack_partner_b, 1, 9);
    return written;
}

}  // namespace

void box_pointing(PlacedGrid& placed, ExclusionGrid& excluded, int box, int band_partner_a,
                  int band_partner_b, int stack_partner_a, int stack_partner_b) {
    point_from_box(placed, excluded, box, band_partner_a, band_partner_b, stack_partner_a,
                   stack_partner_b);
}

// A box that would set no new bit leaves the grid as it is, so the boxes before the first one
// that would read the grid as it was and change nothing: the sweep starts there, and that box
// sets a new bit, so the sweep is productive. With no such box the sweep changes nothing (the
// test a snapshot taken before it, after the previous box singles, would make).
//
// Later in the sweep a box that would set no new bit on the grid as scanned is skipped while
// none of its own cells has been written: its closed sets, and so the bits it would set, are
// still those it had then (`placed` does not change during a sweep), and bits once set stay
// set. Only a call for one of its partners writes its cells. The same holds after the sweep:
// when no box was written after its own call and box singles placed nothing, the next sweep
// would find nothing to set, so the driver ends without looking.
void apply_locked_candidates(PlacedGrid& placed, ExclusionGrid& excluded,
                             TechniqueCounters& counters) {
    const SoundOnEntryAndExit check(placed, excluded, "apply_locked_candidates");
    for (;;) {
        const unsigned due = boxes_with_new_eliminations(placed, excluded);
        if (due == 0) {
            return;
        }
        // Boxes that may set a new bit: those found by the look at the grid and those whose
        // cells a call has given a new bit since (only a partner's call writes a box's cells).
        unsigned may_act = due;
        // The boxes still to come in this sweep are walked as a bit set: a box skipped costs no
        // branch. A call may set bits of earlier boxes; those wait for the next sweep.
        for (unsigned to_come = due; to_come != 0;) {
            const int box = std::countr_zero(to_come);
            const BoxPartners& p = BOX_PARTNERS[box];
            const unsigned written =
                point_from_box(placed, excluded, box, p.band_a, p.band_b, p.stack_a, p.stack_b);
            may_act = (may_act & ~(1u << box)) | written;
            to_come = may_act & ~0u << (box + 1);
        }
        ++counters.locked_candidate_sweeps;
        const int box_passes = counters.box_single_passes;
        run_cheaper_drivers<Rung::locked_candidates>(placed, excluded, counters);
        // Box singles are the only cheaper rung. With no box single placed the grid is the one
        // the sweep left, on which only boxes written after their own call may act: each call
        // set every bit its box could set.
        if (may_act == 0 && counters.box_single_passes == box_passes) {
            return;
        }
    }
}

}  // namespace cellwright
