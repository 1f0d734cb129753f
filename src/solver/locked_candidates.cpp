#include "solver/locked_candidates.hpp"

#include <bit>
#include <cstdint>

#include "grid/geometry.hpp"
#include "grid/soundness_check.hpp"
#include "grid/sse2.hpp"
#include "solver/ladder.hpp"
#include "solver/pointing_scan.hpp"

namespace cellwright {
namespace {

#if CELLWRIGHT_SSE2
// A box's box-rows are read and written as four 16-bit lanes (the low half of a vector) from
// its origin, or for boxes 2, 5 and 8 (the third stack) from one word before it, so as to stay
// inside the grid: the box's cells are lanes 0..2, or 1..3, and the other lane is a cell of
// another box, written back as it was read.
struct BoxRows {
    DigitMask* first;  // where box-row 0 is read
    __m128i shift;     // moves lanes 0..2 to the box's cells: 0 or 16 bits up
    __m128i outside;   // all ones in the lane outside the box
};

BoxRows rows_of(ExclusionGrid& excluded, int box) {
    const int third = 0x124 >> box & 1;
    return {excluded.data() + BOX_ORIGINS[box] - third, _mm_cvtsi32_si128(16 * third),
            _mm_srl_epi64(_mm_set_epi64x(0, static_cast<long long>(0xFFFFull << 48)),
                          _mm_cvtsi32_si128(48 * third))};
}

// Per lane t of 0..2: the digits open in lane t and closed in the other two (lane 3 must be
// all ones, and comes out empty).
__m128i confined_lanes(__m128i closed) {
    const __m128i next = _mm_shufflelo_epi16(closed, _MM_SHUFFLE(3, 0, 2, 1));
    const __m128i after = _mm_shufflelo_epi16(closed, _MM_SHUFFLE(3, 1, 0, 2));
    return _mm_andnot_si128(closed, _mm_and_si128(next, after));
}

// What each box-row of a box takes: lanes 0..2, one a cell; lane 3 empty. (A plain array:
// std::array drops the vector type's attributes.)
struct RowDigits {
    __m128i row[3];
};

// Ors `digits.row[t]` into box-row t of `box`; 1 when some cell took a bit it did not have.
// The word read beside the box is or-ed with nothing and stored back at once, so it keeps what
// it held, whichever box it belongs to (the calling box's own cells included).
unsigned or_into_box(ExclusionGrid& excluded, int box, const RowDigits& digits) {
    const BoxRows at = rows_of(excluded, box);
    __m128i fresh = _mm_setzero_si128();
    for (int t = 0; t < 3; ++t) {
        auto* const words_at = reinterpret_cast<__m128i*>(at.first + 9 * t);
        const __m128i words = _mm_loadl_epi64(words_at);
        const __m128i added = _mm_sll_epi64(digits.row[t], at.shift);
        fresh = _mm_or_si128(fresh, _mm_andnot_si128(words, added));
        _mm_storel_epi64(words_at, _mm_or_si128(words, added));
    }
    return _mm_movemask_epi8(_mm_cmpeq_epi16(fresh, _mm_setzero_si128())) != 0xFFFF ? 1u : 0u;
}

// `box_pointing`, returning bit p set for each partner p that got a new exclusion bit. The
// closed sets of a box-row or box-column (the digits none of its three cells can take) are
// found in lanes 0..2, as in the plain version below.
unsigned point_from_box(PlacedGrid& placed, ExclusionGrid& excluded, int box, int band_partner_a,
                        int band_partner_b, int stack_partner_a, int stack_partner_b) {
    const BoxRows at = rows_of(excluded, box);
    const DigitMask* const placed_first = placed.data() + (at.first - excluded.data());
    __m128i rows[3];
    __m128i present = _mm_setzero_si128();
    for (int t = 0; t < 3; ++t) {
        rows[t] = _mm_or_si128(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(at.first + 9 * t)),
                               at.outside);
        present = _mm_or_si128(
            present, _mm_loadl_epi64(reinterpret_cast<const __m128i*>(placed_first + 9 * t)));
    }
    // The box's present digits, in every lane; absent ones in lanes 0..2.
    present = _mm_andnot_si128(at.outside, present);
    present = _mm_or_si128(present, _mm_srli_si128(present, 4));
    present = _mm_or_si128(present, _mm_srli_si128(present, 2));
    const __m128i absent =
        _mm_andnot_si128(_mm_shufflelo_epi16(present, 0),
                         _mm_setr_epi16(ALL_DIGITS, ALL_DIGITS, ALL_DIGITS, 0, 0, 0, 0, 0));
    const __m128i lane_3 = _mm_setr_epi16(0, 0, 0, -1, 0, 0, 0, 0);
    // Box-columns: down the three box-rows, the box's cells moved to lanes 0..2.
    const __m128i closed_columns = _mm_or_si128(
        _mm_srl_epi64(_mm_and_si128(_mm_and_si128(rows[0], rows[1]), rows[2]), at.shift), lane_3);
    // Box-rows: across each, the lane outside the box being all ones; row t to lane t.
    const __m128i ones = _mm_set1_epi16(-1);
    const __m128i pairs = _mm_unpacklo_epi16(rows[0], rows[1]);
    const __m128i third_row = _mm_unpacklo_epi16(rows[2], ones);
    __m128i closed_rows =
        _mm_and_si128(_mm_unpacklo_epi32(pairs, third_row), _mm_unpackhi_epi32(pairs, third_row));
    closed_rows = _mm_and_si128(closed_rows, _mm_srli_si128(closed_rows, 8));
    // The call never writes to its own box, so these sets stay exact for all nine digits,
    // and the eliminations of different digits are independent: all digits go at once.
    const __m128i row_confined = _mm_and_si128(confined_lanes(closed_rows), absent);
    const __m128i column_confined = _mm_and_si128(confined_lanes(closed_columns), absent);
    // A box called only because a partner wrote to it often confines nothing: such a call
    // ends before it looks at a partner.
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_or_si128(row_confined, column_confined),
                                          _mm_setzero_si128())) == 0xFFFF) {
        return 0;
    }
    // Every box-row and box-column of the partners is written, most of them with no digit:
    // or-ing nothing changes nothing, and a test of each would depend on the grid. The twelve
    // parts written are distinct cells, each written once, so their order does not matter.
    // Box-row t of a band partner takes the digits confined to box-row t in all three cells;
    // every box-row of a stack partner takes those confined to each box-column, cell by cell.
    const RowDigits band_rows{{_mm_shufflelo_epi16(row_confined, _MM_SHUFFLE(3, 0, 0, 0)),
                               _mm_shufflelo_epi16(row_confined, _MM_SHUFFLE(3, 1, 1, 1)),
                               _mm_shufflelo_epi16(row_confined, _MM_SHUFFLE(3, 2, 2, 2))}};
    const RowDigits stack_rows{{column_confined, column_confined, column_confined}};
    return or_into_box(excluded, band_partner_a, band_rows) << band_partner_a |
           or_into_box(excluded, band_partner_b, band_rows) << band_partner_b |
           or_into_box(excluded, stack_partner_a, stack_rows) << stack_partner_a |
           or_into_box(excluded, stack_partner_b, stack_rows) << stack_partner_b;
}
#else
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
#endif

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
