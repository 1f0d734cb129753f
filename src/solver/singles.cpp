#include "solver/singles.hpp"

#include <bit>
#include <cstdint>

#include "solver/locked_candidates.hpp"
#include "solver/unit_scans.hpp"

#include "grid/sse2.hpp"

namespace cellwright {
namespace {

DigitMask present_digits(const PlacedGrid& placed, int first_cell, const UnitOffsets& offsets) {
    const DigitMask* const words = placed.data() + first_cell;
    DigitMask present = 0;
    for (const auto offset : offsets) {
        present |= words[offset];
    }
    return present;
}

// The digits open in exactly one cell of the unit, reading `excluded` as it stands. A filled
// cell is open for nothing.
DigitMask digits_open_once(const ExclusionGrid& excluded, int first_cell,
                           const UnitOffsets& offsets) {
    // Read from a pointer to the unit's first word: the unrolled loop then loads each cell at a
    // constant distance from it, without an address computation per cell.
    const DigitMask* const words = excluded.data() + first_cell;
    DigitMask once = 0;
    DigitMask twice = 0;
    for (const auto offset : offsets) {
        const DigitMask open = candidates_of(words[offset]);
        twice |= once & open;
        once |= open;
    }
    return static_cast<DigitMask>(once & ~twice);
}

// Places `mask` in the unit's only cell open for it.
void place_in_open_cell(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                        const UnitOffsets& offsets, DigitMask mask) {
    for (const auto offset : offsets) {
        const int cell = first_cell + offset;
        if ((excluded[cell] & mask) == 0) {
            place_digit(placed, excluded, cell, mask);
            return;
        }
    }
}

#if CELLWRIGHT_SSE2
// 1 for boxes 2, 5 and 8 (bits of 0x124), the third stack, whose box-rows are read from one
// word earlier so as to stay inside the grid; 0 for the others.
unsigned third_stack(int box) {
    return 0x124u >> box & 1u;
}

// The lane of four read that lies outside the box: lane 3, or lane 0 for the third stack.
alignas(16) constexpr std::int16_t OUTSIDE_LANE[2][8] = {{0, 0, 0, -1, 0, 0, 0, 0},
                                                         {-1, 0, 0, 0, 0, 0, 0, 0}};

// A box's exclusion words as a box singles pass sees them, kept in registers while the pass
// places in the box: the three box-rows as four 16-bit lanes each, read from `first_read`,
// the lane outside the box closed for every digit. Reading them back from the grid right after
// a placement's narrow writes would stall the load until the writes reach the cache.
struct BoxView {
    int first_read;
    __m128i row[3];
};

BoxView view_box(const ExclusionGrid& excluded, int box) {
    BoxView view;
    const unsigned third = third_stack(box);
    view.first_read = BOX_ORIGINS[box] - static_cast<int>(third);
    // From a table, not chosen by a branch, which the order of the boxes makes hard to predict.
    const __m128i outside = _mm_load_si128(reinterpret_cast<const __m128i*>(OUTSIDE_LANE[third]));
    for (int t = 0; t < 3; ++t) {
        view.row[t] = _mm_or_si128(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(
                                       excluded.data() + view.first_read + 9 * t)),
                                   outside);
    }
    return view;
}

// `digits_open_once` for the box: the lanes are counted down, then across.
DigitMask open_once(const BoxView& view) {
    const __m128i all = _mm_set1_epi16(-1);
    const __m128i row0 = _mm_xor_si128(view.row[0], all);
    const __m128i row1 = _mm_xor_si128(view.row[1], all);
    const __m128i row2 = _mm_xor_si128(view.row[2], all);
    __m128i once = _mm_or_si128(_mm_or_si128(row0, row1), row2);
    __m128i twice =
        _mm_or_si128(_mm_and_si128(row0, row1), _mm_and_si128(row2, _mm_or_si128(row0, row1)));
    // Lane 0 gathers lanes 0..3 in two halvings (lanes 4..7 never reach it).
    const auto gather = [&](__m128i other_once, __m128i other_twice) {
        twice = _mm_or_si128(_mm_or_si128(twice, other_twice), _mm_and_si128(once, other_once));
        once = _mm_or_si128(once, other_once);
    };
    gather(_mm_srli_si128(once, 2), _mm_srli_si128(twice, 2));
    gather(_mm_srli_si128(once, 4), _mm_srli_si128(twice, 4));
    return static_cast<DigitMask>(_mm_cvtsi128_si32(once) & ~_mm_cvtsi128_si32(twice) & ALL_DIGITS);
}

// Places the one-bit `digit` in the box's only cell open for it (a box single has one) and
// brings the view up to date: every cell of the box has the digit excluded, and the filled
// cell has all digits. A digit open nowhere in the box places nothing and leaves the view as
// it is, as the plain version does: its flags would be empty, and the lane taken from them
// would lie past the box (for box 8, past the grid). No caller asks for one.
void place_box_single(PlacedGrid& placed, ExclusionGrid& excluded, BoxView& view, DigitMask digit) {
    // The cell comes from flag bits, not from a loop whose exit depends on the grid and is
    // mispredicted about once per placement. Flag bits 8t..8t+7 are box-row t, two per lane;
    // the lane outside the box is closed, so its flags are clear.
    const __m128i bit = _mm_set1_epi16(static_cast<short>(digit));
    const __m128i zero = _mm_setzero_si128();
    __m128i open[3];
    for (int t = 0; t < 3; ++t) {
        open[t] = _mm_cmpeq_epi16(_mm_and_si128(view.row[t], bit), zero);
    }
    const unsigned flags =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_unpacklo_epi64(open[0], open[1]))) |
        (static_cast<unsigned>(_mm_movemask_epi8(open[2])) & 0xFFu) << 16;
    if (flags == 0) {
        return;  // not open in the box: nothing to place, as in the plain version
    }
    const int lane = std::countr_zero(flags) / 2;
    place_digit(placed, excluded, view.first_read + 9 * (lane / 4) + lane % 4, digit);
    const __m128i filled = _mm_set1_epi16(ALL_DIGITS);
    for (int t = 0; t < 3; ++t) {
        view.row[t] = _mm_or_si128(view.row[t], _mm_or_si128(bit, _mm_and_si128(open[t], filled)));
    }
}
#else
// Without SSE2 the box is read from the grid itself, which is always up to date.
struct BoxView {
    int box;
    const ExclusionGrid* excluded;
};

BoxView view_box(const ExclusionGrid& excluded, int box) {
    return {box, &excluded};
}

DigitMask open_once(const BoxView& view) {
    return digits_open_once(*view.excluded, BOX_ORIGINS[view.box], BOX_OFFSETS);
}

void place_box_single(PlacedGrid& placed, ExclusionGrid& excluded, const BoxView& view,
                      DigitMask digit) {
    place_in_open_cell(placed, excluded, BOX_ORIGINS[view.box], BOX_OFFSETS, digit);
}
#endif

DigitMask lowest_digit(DigitMask mask) {
    return static_cast<DigitMask>(mask & -mask);
}

// The digit of a one-bit mask and every lower digit.
DigitMask up_to(DigitMask digit) {
    return static_cast<DigitMask>(digit | (digit - 1));
}

// The boxes whose words a placement in box b changes: those of its band (the placement's row)
// and of its stack (its column), b included.
constexpr std::array<unsigned, 9> BOXES_REACHED = [] {
    std::array<unsigned, 9> reached{};
    for (int box = 0; box < 9; ++box) {
        for (int other = 0; other < 9; ++other) {
            if (other / 3 == box / 3 || other % 3 == box % 3) {
                reached[box] |= 1u << other;
            }
        }
    }
    return reached;
}();

}  // namespace

// Both hidden-single passes test digits one at a time in ascending order, each test reading
// the grid as the placements before it left it. Here all the digits open once in a unit are
// found together: the lowest one still to be tested is the next test that places anything,
// since every test before it reads the same, unchanged grid and finds no single. After that
// placement the digits up to it are done and the rest is looked at afresh.

//
// Before its first placement a pass reads the grid it was given, so the digits open once in
// every unit can be found for the whole grid at once: when there are none the pass places
// nothing, and otherwise the units before the first one that has some place nothing either.
// The pass starts there.

bool box_hidden_singles(PlacedGrid& placed, ExclusionGrid& excluded) {
    UnitMasks found;
    const unsigned due = digits_open_once_in_boxes(excluded, found);
    if (due == 0) {
        return false;
    }
    // Boxes whose words a placement of this pass changed; the others still have what was found.
    // Only boxes found with a single or changed since can have one, and they are walked as a
    // bit set, so that a box without one costs no branch.
    unsigned changed_boxes = 0;
    for (unsigned to_look = due; to_look != 0;) {
        const int box = std::countr_zero(to_look);
        // A digit present in the box is open in none of its cells (its own cell is full and
        // the others have it excluded), so it is never found open once: the box's present
        // digits need not be taken out first.
        BoxView view = view_box(excluded, box);
        DigitMask singles = (changed_boxes >> box & 1u) != 0 ? open_once(view) : found[box];
        auto to_test = ALL_DIGITS;
        while (singles != 0) {
            const DigitMask digit = lowest_digit(singles);
            place_box_single(placed, excluded, view, digit);
            changed_boxes |= BOXES_REACHED[box];
            to_test &= static_cast<DigitMask>(~up_to(digit));
            singles = open_once(view) & to_test;
        }
        to_look = (due | changed_boxes) & ~0u << (box + 1);
    }
    // The first box found has a single on the grid as given, so the pass placed something.
    return true;
}

bool line_hidden_singles(PlacedGrid& placed, ExclusionGrid& excluded) {
    UnitMasks column_found;
    UnitMasks row_found;
    const unsigned due = digits_open_once_in_lines(excluded, column_found, row_found);
    if (due == 0) {
        return false;
    }
    bool progress = false;
    for (int k = std::countr_zero(due); k < 9; ++k) {
        if (!progress && (due >> k & 1u) == 0) {
            continue;  // the grid is still the one given, and this column and row have nothing
        }
        const int column_first = k;
        const int row_first = 9 * k;
        auto column_to_test = static_cast<DigitMask>(
            ALL_DIGITS & ~present_digits(placed, column_first, COLUMN_OFFSETS));
        auto row_to_test =
            static_cast<DigitMask>(ALL_DIGITS & ~present_digits(placed, row_first, ROW_OFFSETS));
        for (;;) {
            // Until the pass places something the masks found above are exact.
            const DigitMask column_open =
                progress ? digits_open_once(excluded, column_first, COLUMN_OFFSETS)
                         : column_found[k];
            const DigitMask row_open =
                progress ? digits_open_once(excluded, row_first, ROW_OFFSETS) : row_found[k];
            const DigitMask column_digit = lowest_digit(column_open & column_to_test);
            const DigitMask row_digit = lowest_digit(row_open & row_to_test);
            if (column_digit == 0 && row_digit == 0) {
                break;
            }
            // The tests run column d, row d, column d+1, ...: for one digit the column comes
            // first, and the row test sees what the column test placed.
            if (column_digit != 0 && (row_digit == 0 || column_digit <= row_digit)) {
                place_in_open_cell(placed, excluded, column_first, COLUMN_OFFSETS, column_digit);
                column_to_test &= static_cast<DigitMask>(~up_to(column_digit));
                row_to_test &= static_cast<DigitMask>(~(column_digit - 1));
            } else {
                place_in_open_cell(placed, excluded, row_first, ROW_OFFSETS, row_digit);
                column_to_test &= static_cast<DigitMask>(~up_to(row_digit));
                row_to_test &= static_cast<DigitMask>(~up_to(row_digit));
            }
            progress = true;
        }
    }
    return progress;
}

bool naked_single_scan(PlacedGrid& placed, ExclusionGrid& excluded) {
    // The scan visits cells in order and the grid changes only where it places, so from one
    // placement (or the start) to the next it finds the first later cell with one candidate.
    // A filled cell has none; the test of `placed` only mirrors the scan's own.
    bool progress = false;
    for (int cell = first_single_candidate_cell(excluded, 0); cell < CELL_COUNT;
         cell = first_single_candidate_cell(excluded, cell + 1)) {
        if (placed[cell] == 0) {
            place_digit(placed, excluded, cell, candidates_of(excluded[cell]));
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
