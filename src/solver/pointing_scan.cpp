#include "solver/pointing_scan.hpp"

#include "grid/geometry.hpp"
#include "grid/lanes.hpp"

namespace cellwright {

#if CELLWRIGHT_SSE2

// Eight 16-bit lanes hold columns 0..7 of a row (the baseline x86-64 target has SSE2); the
// words of column 8 are put into the lanes that need them.
//
//   box-row closed sets:     lanes 0, 3, 6 of a row's vector = its three box-rows
//   box-column closed sets:  lane c of a band's vector = column c of the band (c = 8 apart)
namespace {

// Of eight 16-bit lanes, lane i + N moved to lane i (zeros shifted in), and the other way.
template <int N>
Lanes lanes_down(Lanes x) {
    return {_mm_srli_si128(x.words, 2 * N)};
}
template <int N>
Lanes lanes_up(Lanes x) {
    return {_mm_slli_si128(x.words, 2 * N)};
}

// `x` with `word` in 16-bit lane N.
template <int N>
Lanes with_lane(Lanes x, int word) {
    return {_mm_insert_epi16(x.words, word, N)};
}

// Lanes 0, 3, 6 rotated among themselves: lane 0 gets lane 3, lane 3 gets lane 6, lane 6
// gets lane 0 (`next_box`), or the other way round (`previous_box`).
Lanes next_box(Lanes x) {
    return lanes_down<3>(x) | lanes_up<6>(x);
}
Lanes previous_box(Lanes x) {
    return lanes_down<6>(x) | lanes_up<3>(x);
}

Lanes lanes_of(std::int16_t l0, std::int16_t l1, std::int16_t l2, std::int16_t l3, std::int16_t l4,
               std::int16_t l5, std::int16_t l6, std::int16_t l7) {
    return {_mm_setr_epi16(l0, l1, l2, l3, l4, l5, l6, l7)};
}

}  // namespace

unsigned boxes_with_new_eliminations(const PlacedGrid& placed, const ExclusionGrid& excluded) {
    const Lanes none{_mm_setzero_si128()};
    const Lanes all{_mm_set1_epi16(-1)};
    Lanes closed_rows[9];              // per grid row
    Lanes closed_columns[3];           // per band, columns 0..7
    Lanes present_in_boxes[3];         // per band, lanes 0, 3, 6
    std::array<int, 3> closed_last{};  // per band, column 8
    for (int band = 0; band < 3; ++band) {
        closed_columns[band] = all;
        closed_last[band] = ALL_DIGITS;
        Lanes present = none;
        int last_present = 0;
        for (int t = 0; t < 3; ++t) {
            const int row = 3 * band + t;
            const Lanes words = load_cell_words(excluded.data() + 9 * row);
            const int last = excluded[9 * row + 8];
            closed_rows[row] = words & with_lane<7>(lanes_down<1>(words), last) &
                               with_lane<6>(lanes_down<2>(words), last);
            closed_columns[band] = closed_columns[band] & words;
            closed_last[band] &= last;
            present = present | load_cell_words(placed.data() + 9 * row);
            last_present |= placed[9 * row + 8];
        }
        present_in_boxes[band] =
            present | lanes_down<1>(present) | with_lane<6>(lanes_down<2>(present), last_present);
    }
    // Which box-column of a box a lane is: 0, 1 or 2 (lane 8 would be 2).
    const Lanes first_part = lanes_of(-1, 0, 0, -1, 0, 0, -1, 0);
    const Lanes middle_part = lanes_of(0, -1, 0, 0, -1, 0, 0, -1);
    const Lanes last_part = lanes_of(0, 0, -1, 0, 0, -1, 0, 0);
    unsigned boxes = 0;
    for (int band = 0; band < 3; ++band) {
        // Box-rows: confined to box-row t, still open in the same row of a band partner.
        Lanes fresh = none;
        for (int t = 0; t < 3; ++t) {
            const Lanes closed = closed_rows[3 * band + t];
            const Lanes confined = and_not(
                closed_rows[3 * band + (t + 1) % 3] & closed_rows[3 * band + (t + 2) % 3], closed);
            const Lanes partners = next_box(closed) & previous_box(closed);
            fresh = fresh | and_not(confined, partners);
        }
        // Box-columns: closed in the box's other two columns, open in this one and in the same
        // column of a stack partner.
        const Lanes columns = closed_columns[band];
        const int last = closed_last[band];
        const Lanes right1 = with_lane<7>(lanes_down<1>(columns), last);
        const Lanes right2 = with_lane<6>(lanes_down<2>(columns), last);
        const Lanes left1 = lanes_up<1>(columns);
        const Lanes left2 = lanes_up<2>(columns);
        const Lanes others = (first_part & right1 & right2) | (middle_part & left1 & right1) |
                             (last_part & left2 & left1);
        const Lanes column_partners =
            closed_columns[(band + 1) % 3] & closed_columns[(band + 2) % 3];
        const Lanes column_fresh = and_not(and_not(others, columns), column_partners);
        // Column 8, the last box-column of the band's third box.
        const int last_others =
            _mm_extract_epi16(columns.words, 6) & _mm_extract_epi16(columns.words, 7);
        const int last_fresh = ~last & last_others &
                               ~(closed_last[(band + 1) % 3] & closed_last[(band + 2) % 3]) &
                               ALL_DIGITS;
        // Lane 3s: anything fresh for box s.
        fresh = fresh | column_fresh | lanes_down<1>(column_fresh) | lanes_down<2>(column_fresh);
        // The box's present digits are left out, as `box_pointing` leaves them out.
        fresh = and_not(fresh, present_in_boxes[band]);
        const int last_box_present = _mm_extract_epi16(present_in_boxes[band].words, 6);
        const int quiet = _mm_movemask_epi8(_mm_cmpeq_epi16(fresh.words, none.words));
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
        const BoxPartners& partners = BOX_PARTNERS[box];
        const int origin = BOX_ORIGINS[box];
        const int band_a = BOX_ORIGINS[partners.band_a];
        const int band_b = BOX_ORIGINS[partners.band_b];
        const int stack_a = BOX_ORIGINS[partners.stack_a];
        const int stack_b = BOX_ORIGINS[partners.stack_b];
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
