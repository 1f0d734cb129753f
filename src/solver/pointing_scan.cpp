#include "solver/pointing_scan.hpp"

#include "grid/sse2.hpp"

namespace cellwright {

#if CELLWRIGHT_SSE2

// Eight 16-bit lanes hold columns 0..7 of a row (the baseline x86-64 target has SSE2); the
// words of column 8 are put into the lanes that need them.
//
//   box-row closed sets:     lanes 0, 3, 6 of a row's vector = its three box-rows
//   box-column closed sets:  lane c of a band's vector = column c of the band (c = 8 apart)
namespace {

using Lanes = __m128i;

Lanes load_row(const ExclusionGrid& excluded, int row) {
    return _mm_loadu_si128(reinterpret_cast<const Lanes*>(excluded.data() + 9 * row));
}

// Lanes 0, 3, 6 rotated among themselves: lane 0 gets lane 3, lane 3 gets lane 6, lane 6
// gets lane 0 (`next_box`), or the other way round (`previous_box`).
Lanes next_box(Lanes x) {
    return _mm_or_si128(_mm_srli_si128(x, 6), _mm_slli_si128(x, 12));
}
Lanes previous_box(Lanes x) {
    return _mm_or_si128(_mm_srli_si128(x, 12), _mm_slli_si128(x, 6));
}

}  // namespace

unsigned boxes_with_new_eliminations(const PlacedGrid& placed, const ExclusionGrid& excluded) {
    Lanes closed_rows[9];              // per grid row
    Lanes closed_columns[3];           // per band, columns 0..7
    Lanes present_in_boxes[3];         // per band, lanes 0, 3, 6
    std::array<int, 3> closed_last{};  // per band, column 8
    for (int band = 0; band < 3; ++band) {
        closed_columns[band] = _mm_set1_epi16(-1);
        closed_last[band] = ALL_DIGITS;
        Lanes present = _mm_setzero_si128();
        int last_present = 0;
        for (int t = 0; t < 3; ++t) {
            const int row = 3 * band + t;
            const Lanes words = load_row(excluded, row);
            const int last = excluded[9 * row + 8];
            closed_rows[row] = _mm_and_si128(
                words, _mm_and_si128(_mm_insert_epi16(_mm_srli_si128(words, 2), last, 7),
                                     _mm_insert_epi16(_mm_srli_si128(words, 4), last, 6)));
            closed_columns[band] = _mm_and_si128(closed_columns[band], words);
            closed_last[band] &= last;
            present = _mm_or_si128(
                present, _mm_loadu_si128(reinterpret_cast<const Lanes*>(placed.data() + 9 * row)));
            last_present |= placed[9 * row + 8];
        }
        present_in_boxes[band] = _mm_or_si128(
            present, _mm_or_si128(_mm_srli_si128(present, 2),
                                  _mm_insert_epi16(_mm_srli_si128(present, 4), last_present, 6)));
    }
    // Which box-column of a box a lane is: 0, 1 or 2 (lane 8 would be 2).
    const Lanes first_part = _mm_setr_epi16(-1, 0, 0, -1, 0, 0, -1, 0);
    const Lanes middle_part = _mm_setr_epi16(0, -1, 0, 0, -1, 0, 0, -1);
    const Lanes last_part = _mm_setr_epi16(0, 0, -1, 0, 0, -1, 0, 0);
    const Lanes zero = _mm_setzero_si128();
    unsigned boxes = 0;
    for (int band = 0; band < 3; ++band) {
        // Box-rows: confined to box-row t, still open in the same row of a band partner.
        Lanes fresh = zero;
        for (int t = 0; t < 3; ++t) {
            const Lanes closed = closed_rows[3 * band + t];
            const Lanes confined =
                _mm_andnot_si128(closed, _mm_and_si128(closed_rows[3 * band + (t + 1) % 3],
                                                       closed_rows[3 * band + (t + 2) % 3]));
            const Lanes partners = _mm_and_si128(next_box(closed), previous_box(closed));
            fresh = _mm_or_si128(fresh, _mm_andnot_si128(partners, confined));
        }
        // Box-columns: closed in the box's other two columns, open in this one and in the same
        // column of a stack partner.
        const Lanes columns = closed_columns[band];
        const int last = closed_last[band];
        const Lanes right1 = _mm_insert_epi16(_mm_srli_si128(columns, 2), last, 7);
        const Lanes right2 = _mm_insert_epi16(_mm_srli_si128(columns, 4), last, 6);
        const Lanes left1 = _mm_slli_si128(columns, 2);
        const Lanes left2 = _mm_slli_si128(columns, 4);
        const Lanes others =
            _mm_or_si128(_mm_and_si128(first_part, _mm_and_si128(right1, right2)),
                         _mm_or_si128(_mm_and_si128(middle_part, _mm_and_si128(left1, right1)),
                                      _mm_and_si128(last_part, _mm_and_si128(left2, left1))));
        const Lanes column_partners =
            _mm_and_si128(closed_columns[(band + 1) % 3], closed_columns[(band + 2) % 3]);
        const Lanes column_fresh =
            _mm_andnot_si128(column_partners, _mm_andnot_si128(columns, others));
        // Column 8, the last box-column of the band's third box.
        const int last_others = _mm_extract_epi16(columns, 6) & _mm_extract_epi16(columns, 7);
        const int last_fresh = ~last & last_others &
                               ~(closed_last[(band + 1) % 3] & closed_last[(band + 2) % 3]) &
                               ALL_DIGITS;
        // Lane 3s: anything fresh for box s.
        fresh = _mm_or_si128(
            fresh, _mm_or_si128(column_fresh, _mm_or_si128(_mm_srli_si128(column_fresh, 2),
                                                           _mm_srli_si128(column_fresh, 4))));
        // The box's present digits are left out, as `box_pointing` leaves them out.
        fresh = _mm_andnot_si128(present_in_boxes[band], fresh);
        const int last_box_present = _mm_extract_epi16(present_in_boxes[band], 6);
        const int quiet = _mm_movemask_epi8(_mm_cmpeq_epi16(fresh, zero));
        for (int stack = 0; stack < 3; ++stack) {
            const bool due = (quiet >> (6 * stack) & 1) == 0 ||
                             (stack == 2 && (last_fresh & ~last_box_present) != 0);
            boxes |= due ? 1u << (3 * band + stack) : 0u;
        }
    }
    return boxes;
}

#else

unsigned boxes_with_new_eliminations(const PlacedGrid& placed, const ExclusionGrid& excluded) {
    // Closed set of box-row t (or box-column t) of a box with origin o.
    const auto closed_row = [&](int origin, int t) {
        const int first = origin + 9 * t;
        return excluded[first] & excluded[first + 1] & excluded[first + 2];
    };
    const auto closed_column = [&](int origin, int t) {
        const int top = origin + t;
        return excluded[top] & excluded[top + 9] & excluded[top + 18];
    };
    unsigned boxes = 0;
    for (int box = 0; box < 9; ++box) {
        const int band = box / 3;
        const int stack = box % 3;
        const int origin = BOX_ORIGINS[box];
        const int band_a = BOX_ORIGINS[3 * band + (stack + 1) % 3];
        const int band_b = BOX_ORIGINS[3 * band + (stack + 2) % 3];
        const int stack_a = BOX_ORIGINS[3 * ((band + 1) % 3) + stack];
        const int stack_b = BOX_ORIGINS[3 * ((band + 2) % 3) + stack];
        int present = 0;
        for (const auto offset : BOX_OFFSETS) {
            present |= placed[origin + offset];
        }
        int fresh = 0;
        for (int t = 0; t < 3; ++t) {
            const int t1 = (t + 1) % 3;
            const int t2 = (t + 2) % 3;
            fresh |= ~closed_row(origin, t) & closed_row(origin, t1) & closed_row(origin, t2) &
                     ~(closed_row(band_a, t) & closed_row(band_b, t));
            fresh |= ~closed_column(origin, t) & closed_column(origin, t1) &
                     closed_column(origin, t2) &
                     ~(closed_column(stack_a, t) & closed_column(stack_b, t));
        }
        boxes |= (fresh & ~present & ALL_DIGITS) != 0 ? 1u << box : 0u;
    }
    return boxes;
}

#endif

}  // namespace cellwright
