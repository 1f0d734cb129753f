#include "solver/singles.hpp"

#include <bit>
#include <cstdint>

#include "grid/bits.hpp"
#include "grid/geometry.hpp"
#include "grid/lanes.hpp"
#include "grid/soundness_check.hpp"
#include "solver/ladder.hpp"
#include "solver/unit_scans.hpp"

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
    Tally<DigitMask> open{};
    for (const auto offset : offsets) {
        open = tally_add(open, candidates_of(words[offset]));
    }
    return exactly_once(open);
}

// Places the digit of `digit_bit` in the unit's only cell open for it.
void place_in_open_cell(PlacedGrid& placed, ExclusionGrid& excluded, int first_cell,
                        const UnitOffsets& offsets, DigitMask digit_bit) {
    for (const auto offset : offsets) {
        const int cell = first_cell + offset;
        if ((excluded[cell] & digit_bit) == 0) {
            place_digit(placed, excluded, cell, digit_bit);
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
    Lanes row[3];
};

BoxView view_box(const ExclusionGrid& excluded, int box) {
    BoxView view;
    const unsigned third = third_stack(box);
    view.first_read = BOX_ORIGINS[box] - static_cast<int>(third);
    // From a table, not chosen by a branch, which the order of the boxes makes hard to predict.
    const Lanes outside{_mm_load_si128(reinterpret_cast<const __m128i*>(OUTSIDE_LANE[third]))};
    for (int t = 0; t < 3; ++t) {
        view.row[t] = Lanes{_mm_loadl_epi64(reinterpret_cast<const __m128i*>(
                          excluded.data() + view.first_read + 9 * t))} |
                      outside;
    }
    return view;
}

// `digits_open_once` for the box: the lanes are tallied down the three box-rows, then across.
// Candidates are the complement of the whole word, so bits 9..15 are open everywhere but in
// the closed lane, and are masked off at the end.
DigitMask open_once(const BoxView& view) {
    const Lanes all{_mm_set1_epi16(-1)};
    Tally<Lanes> open{};
    for (const Lanes row : view.row) {
        open = tally_add(open, row ^ all);
    }
    // Lane 0 gathers lanes 0..3 in two halvings (lanes 4..7 never reach it).
    open = tally_merge(open, word_lanes_down<1>(open));
    open = tally_merge(open, word_lanes_down<2>(open));
    return static_cast<DigitMask>(_mm_cvtsi128_si32(exactly_once(open).words) & ALL_DIGITS);
}

// Places the digit of `digit_bit` in the box's only cell open for it (a box single has one)
// and brings the view up to date: every cell of the box has the digit excluded, and the filled
// cell has all digits. A digit open nowhere in the box places nothing and leaves the view as
// it is, as the plain version does: its flags would be empty, and the lane taken from them
// would lie past the box (for box 8, past the grid). No caller asks for one.
void place_box_single(PlacedGrid& placed, ExclusionGrid& excluded, BoxView& view,
                      DigitMask digit_bit) {
    // The cell comes from flag bits, not from a loop whose exit depends on the grid. Flag bits
    // 8t..8t+7 are box-row t, two per lane; the lane outside the box is closed, so its flags
    // are clear.
    const Lanes bit{_mm_set1_epi16(static_cast<short>(digit_bit))};
    const __m128i zero = _mm_setzero_si128();
    __m128i open[3];
    for (int t = 0; t < 3; ++t) {
        open[t] = _mm_cmpeq_epi16((view.row[t] & bit).words, zero);
    }
    const unsigned flags =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_unpacklo_epi64(open[0], open[1]))) |
        (static_cast<unsigned>(_mm_movemask_epi8(open[2])) & 0xFFu) << 16;
    if (flags == 0) {
        return;  // not open in the box: nothing to place, as in the plain version
    }
    const int lane = std::countr_zero(flags) / 2;
    place_digit(placed, excluded, view.first_read + 9 * (lane / 4) + lane % 4, digit_bit);
    const Lanes filled{_mm_set1_epi16(ALL_DIGITS)};
    for (int t = 0; t < 3; ++t) {
        view.row[t] = view.row[t] | bit | (Lanes{open[t]} & filled);
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
                      DigitMask digit_bit) {
    place_in_open_cell(placed, excluded, BOX_ORIGINS[view.box], BOX_OFFSETS, digit_bit);
}
#endif

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
            const DigitMask digit_bit = lowest_bit(singles);
            place_box_single(placed, excluded, view, digit_bit);
            changed_boxes |= BOXES_REACHED[box];
            to_test = and_not(to_test, up_to_bit(digit_bit));
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
            const DigitMask column_bit =
                lowest_bit(static_cast<DigitMask>(column_open & column_to_test));
            const DigitMask row_bit = lowest_bit(static_cast<DigitMask>(row_open & row_to_test));
            if (column_bit == 0 && row_bit == 0) {
                break;
            }
            // The tests run column d, row d, column d+1, ...: for one digit the column comes
            // first, and the row test sees what the column test placed.
            if (column_bit != 0 && (row_bit == 0 || column_bit <= row_bit)) {
                place_in_open_cell(placed, excluded, column_first, COLUMN_OFFSETS, column_bit);
                column_to_test = and_not(column_to_test, up_to_bit(column_bit));
                row_to_test = and_not(row_to_test, static_cast<DigitMask>(column_bit - 1));
            } else {
                place_in_open_cell(placed, excluded, row_first, ROW_OFFSETS, row_bit);
                column_to_test = and_not(column_to_test, up_to_bit(row_bit));
                row_to_test = and_not(row_to_test, up_to_bit(row_bit));
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
    const SoundOnEntryAndExit check(placed, excluded, "repeat_box_singles");
    drive<Rung::box_singles>(box_hidden_singles, placed, excluded, counters);
}

void apply_naked_singles(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    const SoundOnEntryAndExit check(placed, excluded, "apply_naked_singles");
    drive<Rung::naked_singles>(naked_single_scan, placed, excluded, counters);
}

void apply_line_singles(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    const SoundOnEntryAndExit check(placed, excluded, "apply_line_singles");
    drive<Rung::line_singles>(line_hidden_singles, placed, excluded, counters);
}

}  // namespace cellwright
