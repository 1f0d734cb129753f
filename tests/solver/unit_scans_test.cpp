// The whole-grid scans that tell the passes where to start: every unit's digits open exactly
// once and the first cell with one candidate, against a count digit by digit; the boxes
// locked candidates can act from, against calling `box_pointing` on each box alone.

#include "solver/unit_scans.hpp"

#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "grid/geometry.hpp"
#include "solver/locked_candidates.hpp"
#include "solver/pointing_scan.hpp"
#include "support/reference_techniques.hpp"

namespace cellwright {
namespace {

UnitMasks counted_open_once(const ExclusionGrid& excluded, const UnitOffsets& offsets,
                            int (*first_cell)(int)) {
    UnitMasks masks{};
    for (int unit = 0; unit < 9; ++unit) {
        for (int digit = 1; digit <= 9; ++digit) {
            int open = 0;
            for (const auto offset : offsets) {
                open += (excluded[first_cell(unit) + offset] & DIGIT_MASKS[digit]) == 0 ? 1 : 0;
            }
            if (open == 1) {
                masks[unit] |= DIGIT_MASKS[digit];
            }
        }
    }
    return masks;
}

int counted_first_single(const ExclusionGrid& excluded, int from) {
    for (int cell = from; cell < CELL_COUNT; ++cell) {
        if (std::popcount(static_cast<unsigned>(candidates_of(excluded[cell]))) == 1) {
            return cell;
        }
    }
    return CELL_COUNT;
}

TEST(UnitScans, AgreeWithCountingDigitByDigit) {
    int singles_found = 0;
    int cells_found = 0;
    for (std::uint32_t seed = 0; seed < 500; ++seed) {
        PlacedGrid placed{};
        ExclusionGrid excluded{};
        test::scattered_grid(seed, static_cast<int>(seed % 70), static_cast<int>(seed % 9) * 20,
                             placed, excluded);
        const std::string where = "seed " + std::to_string(seed);

        UnitMasks boxes{};
        const unsigned boxes_due = digits_open_once_in_boxes(excluded, boxes);
        EXPECT_EQ(boxes, counted_open_once(excluded, BOX_OFFSETS,
                                           [](int box) { return int{BOX_ORIGINS[box]}; }))
            << where << ": boxes";
        UnitMasks columns{};
        UnitMasks rows{};
        const unsigned lines_due = digits_open_once_in_lines(excluded, columns, rows);
        EXPECT_EQ(columns,
                  counted_open_once(excluded, COLUMN_OFFSETS, [](int column) { return column; }))
            << where << ": columns";
        EXPECT_EQ(rows, counted_open_once(excluded, ROW_OFFSETS, [](int row) { return 9 * row; }))
            << where << ": rows";
        unsigned expected_boxes_due = 0;
        unsigned expected_lines_due = 0;
        for (int unit = 0; unit < 9; ++unit) {
            expected_boxes_due |= boxes[unit] != 0 ? 1u << unit : 0u;
            expected_lines_due |= (columns[unit] | rows[unit]) != 0 ? 1u << unit : 0u;
        }
        EXPECT_EQ(boxes_due, expected_boxes_due) << where << ": boxes with singles";
        EXPECT_EQ(lines_due, expected_lines_due) << where << ": lines with singles";

        // From every starting cell, so that each group of eight and its first lanes are tried.
        for (int from = 0; from <= CELL_COUNT; ++from) {
            ASSERT_EQ(first_single_candidate_cell(excluded, from),
                      counted_first_single(excluded, from))
                << where << ": first single cell from " << from;
        }
        const int first = first_single_candidate_cell(excluded, 0);
        singles_found += boxes_due != 0 ? 1 : 0;
        cells_found += first != CELL_COUNT ? 1 : 0;
    }
    // Both outcomes of each scan must occur among the samples.
    EXPECT_GT(singles_found, 50) << "too few grids with a hidden single";
    EXPECT_LT(singles_found, 450) << "too few grids without a hidden single";
    EXPECT_GT(cells_found, 50) << "too few grids with a single-candidate cell";
    EXPECT_LT(cells_found, 450) << "too few grids without one";
}

// Breaks the grid invariant on purpose: the first digit placed in each box is made open again
// in the box's empty cells, so only the present-digit rule keeps it from being confined.
void reopen_placed_digits(const PlacedGrid& placed, ExclusionGrid& excluded) {
    for (const auto origin : BOX_ORIGINS) {
        DigitMask digit = 0;
        for (const auto offset : BOX_OFFSETS) {
            digit = digit == 0 ? placed[origin + offset] : digit;
        }
        for (const auto offset : BOX_OFFSETS) {
            if (placed[origin + offset] == 0) {
                excluded[origin + offset] &= static_cast<DigitMask>(~digit);
            }
        }
    }
}

TEST(PointingScan, FlagsExactlyTheBoxesWhoseCallSetsANewBit) {
    std::array<int, 9> flagged{};
    std::array<int, 9> quiet{};
    for (std::uint32_t seed = 0; seed < 800; ++seed) {
        PlacedGrid placed{};
        ExclusionGrid excluded{};
        test::scattered_grid(seed, static_cast<int>(seed % 60), static_cast<int>(seed % 11) * 25,
                             placed, excluded);
        if (seed % 4 == 0) {
            reopen_placed_digits(placed, excluded);
        }
        unsigned expected = 0;
        for (int box = 0; box < 9; ++box) {
            PlacedGrid box_placed = placed;
            ExclusionGrid box_excluded = excluded;
            const BoxPartners& p = BOX_PARTNERS[box];
            box_pointing(box_placed, box_excluded, box, p.band_a, p.band_b, p.stack_a, p.stack_b);
            expected |= box_excluded != excluded ? 1u << box : 0u;
        }
        EXPECT_EQ(boxes_with_new_eliminations(placed, excluded), expected) << "seed " << seed;
        for (int box = 0; box < 9; ++box) {
            ((expected >> box & 1u) != 0 ? flagged : quiet)[box] += 1;
        }
    }
    // Every box must be seen both ways, boxes 2, 5 and 8 (with column 8) included.
    for (int box = 0; box < 9; ++box) {
        EXPECT_GT(flagged[box], 50) << "box " << box << ": too few grids where it can act";
        EXPECT_GT(quiet[box], 50) << "box " << box << ": too few grids where it cannot";
    }
}

}  // namespace
}  // namespace cellwright
