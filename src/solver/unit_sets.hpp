#pragma once
// Unit sets: which of the 27 units a naked-subset sweep must visit, one bit per unit in the
// order of the sweep, found from sets of cells for all units at once.
//
//   bit:   26     25      24    ...   5     4      3      2     1      0
//   unit:  box 8  col 8   row 8 ...   box 1 col 1  row 1  box 0 col 0  row 0
//
// so unit u of kind k (0 row, 1 column, 2 box) is bit 3u + k, and a set's lowest bit is the
// next unit the sweep meets.

#include <array>
#include <bit>
#include <cstdint>

#include "grid/bits.hpp"
#include "grid/geometry.hpp"
#include "grid/grid.hpp"

namespace cellwright {
// Private to naked_subsets.cpp; see there.
namespace {

using UnitSet = std::uint32_t;

// Bit i of a 9-bit mask moved to bit 3i: nine rows (columns, boxes) to their place in a unit set.
constexpr std::array<UnitSet, 512> EVERY_THIRD_BIT = [] {
    std::array<UnitSet, 512> spread{};
    for (unsigned mask = 0; mask < 512; ++mask) {
        for (unsigned bit = 0; bit < 9; ++bit) {
            spread[mask] |= (mask >> bit & 1u) << (3 * bit);
        }
    }
    return spread;
}();

// How many of a run of words have each bit, saturating at three: bit c of `one` is set when one
// or more words have bit c, of `two` two or more, of `three` three or more. Over the rows of a
// band word, bit c counts the cells of column c.
struct CountsToThree {
    std::uint32_t one = 0;
    std::uint32_t two = 0;
    std::uint32_t three = 0;
};

// Counts one more word.
constexpr void count_in(CountsToThree& counts, std::uint32_t word) {
    counts.three |= counts.two & word;
    counts.two |= counts.one & word;
    counts.one |= word;
}

// Adds the counts of another run of words.
constexpr void add_counts(CountsToThree& counts, const CountsToThree& more) {
    counts.three |= more.three | (counts.two & more.one) | (counts.one & more.two);
    counts.two |= more.two | (counts.one & more.one);
    counts.one |= more.one;
}

// From the counts of a band's nine columns: bit 3k set when box k of the band holds at least
// `least` (2 or 3) of the cells; the other bits mean nothing. Box k's columns are 3k, 3k + 1 and
// 3k + 2, so shifting the counts down by 0, 1 and 2 brings each of them to bit 3k.
template <int least>
constexpr std::uint32_t boxes_holding_at_least(const CountsToThree& columns) {
    const std::uint32_t first_one = columns.one;
    const std::uint32_t second_one = columns.one >> 1;
    const std::uint32_t third_one = columns.one >> 2;
    const std::uint32_t any_two = columns.two | columns.two >> 1 | columns.two >> 2;
    if constexpr (least == 2) {
        // Two cells in one column, or one in each of two columns.
        return any_two | (first_one & (second_one | third_one)) | (second_one & third_one);
    } else {
        static_assert(least == 3);
        // Three in one column, two in one column and one in another, or one in each column.
        const std::uint32_t any_three = columns.three | columns.three >> 1 | columns.three >> 2;
        return any_three | (columns.two & (second_one | third_one)) |
               (columns.two >> 1 & (first_one | third_one)) |
               (columns.two >> 2 & (first_one | second_one)) | (first_one & second_one & third_one);
    }
}

// The counts of a band word's columns over its three rows.
constexpr CountsToThree column_counts(std::uint32_t band_word) {
    CountsToThree counts;
    for (int k = 0; k < 3; ++k) {
        count_in(counts, band_word >> (9 * k) & BAND_ROW);
    }
    return counts;
}

// `boxes_holding_at_least` against counting, for every set of cells of one box of a band (laid
// out by BOX_OFFSETS, which for the band's first box are its band bits) beside full boxes.
template <int least>
constexpr bool box_counts_agree_with_counting() {
    constexpr std::uint32_t FULL_BAND = (1u << 27) - 1;
    for (int box = 0; box < 3; ++box) {
        for (unsigned subset = 0; subset < 512; ++subset) {
            std::uint32_t word = FULL_BAND & ~(BAND_BOX << (3 * box));  // the other boxes full
            for (int position = 0; position < 9; ++position) {
                word |= (subset >> position & 1u) << (BOX_OFFSETS[position] + 3 * box);
            }
            const bool holds =
                (boxes_holding_at_least<least>(column_counts(word)) >> (3 * box) & 1u) != 0;
            if (holds != (std::popcount(subset) >= least)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(box_counts_agree_with_counting<2>());
static_assert(box_counts_agree_with_counting<3>());

// The units holding at least `least` (2 or 3) of `cells`. Counted for all units at once
// without branches: rows by the digit-count table (a row is nine bits), columns and boxes from
// per-column counts that saturate at three.
template <int least>
UnitSet units_holding_at_least(const BandWords& cells) {
    std::uint32_t rows = 0;
    std::uint32_t boxes = 0;
    CountsToThree columns;  // over the bands so far
    for (int band = 0; band < 3; ++band) {
        const std::uint32_t word = cells[band];
        CountsToThree band_columns;
        for (int k = 0; k < 3; ++k) {
            const std::uint32_t row = word >> (9 * k) & BAND_ROW;
            rows |= static_cast<std::uint32_t>(DIGIT_COUNTS[row] >= least) << (3 * band + k);
            count_in(band_columns, row);
        }
        add_counts(columns, band_columns);
        const std::uint32_t box_bits = boxes_holding_at_least<least>(band_columns);
        boxes |= ((box_bits & 1u) | (box_bits >> 2 & 2u) | (box_bits >> 4 & 4u)) << (3 * band);
    }
    const std::uint32_t full_columns = least == 2 ? columns.two : columns.three;
    return EVERY_THIRD_BIT[rows] | EVERY_THIRD_BIT[full_columns] << 1 | EVERY_THIRD_BIT[boxes] << 2;
}

// The units of each cell: its row, column and box.
constexpr std::array<UnitSet, CELL_COUNT> UNITS_OF_CELL = [] {
    std::array<UnitSet, CELL_COUNT> units{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        units[cell] = 1u << (3 * row_of(cell)) | 1u << (3 * column_of(cell) + 1) |
                      1u << (3 * box_of(cell) + 2);
    }
    return units;
}();

// The units holding at least one of `cells`, looked up cell by cell: the fresh cells a sweep
// asks about are those one placement, or one cascade, changed, seldom more than a few.
UnitSet units_holding(const CellBits& cells) {
    UnitSet units = 0;
    for_each_bit(cells[0], [&](int cell) { units |= UNITS_OF_CELL[cell]; });
    for_each_bit(cells[1], [&](int cell) { units |= UNITS_OF_CELL[64 + cell]; });
    return units;
}

}  // namespace
}  // namespace cellwright
