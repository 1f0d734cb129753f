// Locked candidates (pointing): which cells one box's call reaches, and how the sweep over
// boxes 0..8 sees the eliminations of earlier boxes in the same sweep, those of later boxes
// only in the next, and never counts what box singles excluded in between.

#include "solver/locked_candidates.hpp"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "grid/geometry.hpp"
#include "support/grid_builders.hpp"
#include "support/reference_techniques.hpp"

namespace cellwright {
namespace {

using test::box_cells;
using test::GridPair;
using test::keep_digit_open_only;
using test::Placement;

TEST(BoxPointing, ExcludesFromThePartnerBoxesOnly) {
    struct Case {
        const char* name;
        int box;
        std::initializer_list<int> open_cells;  // of digit 6 in `box`; all else is open
        std::vector<int> newly_excluded;
    };
    const Case cases[] = {
        {"box 0, open in cells 0 and 2 (box-row 0)", 0, {0, 2}, {3, 4, 5, 6, 7, 8}},
        {"box 0, open in cells 1 and 19 (box-column 1)", 0, {1, 19}, {28, 37, 46, 55, 64, 73}},
        {"box 4, open only in cell 40", 4, {40}, {4, 13, 22, 36, 37, 38, 42, 43, 44, 58, 67, 76}},
        {"box 0, open in two box-rows and two box-columns", 0, {0, 10}, {}},
        {"box 8, open nowhere", 8, {}, {}},
    };
    for (const Case& c : cases) {
        GridPair grid;
        keep_digit_open_only(grid, 6, box_cells(c.box), c.open_cells);
        const GridPair before = grid;
        const BoxPartners& p = BOX_PARTNERS[c.box];
        box_pointing(grid.placed, grid.excluded, c.box, p.band_a, p.band_b, p.stack_a, p.stack_b);
        EXPECT_EQ(grid.placed, before.placed) << c.name << ": nothing is placed";
        EXPECT_EQ(test::changed_cells(before.excluded, grid.excluded), c.newly_excluded) << c.name;
        for (const int cell : c.newly_excluded) {
            EXPECT_EQ(grid.excluded[cell], before.excluded[cell] | DIGIT_MASKS[6])
                << c.name << ": only digit 6 is excluded in cell " << cell;
        }
    }
}

// The rule digit by digit and cell by cell: a digit missing from the box whose open cells all
// lie in one box-row (box-column) is ruled out of every cell of that row (column) in the two
// partner boxes.
void plain_box_pointing(const PlacedGrid& placed, ExclusionGrid& excluded, int box) {
    const ExclusionGrid before = excluded;
    const BoxPartners& p = BOX_PARTNERS[box];
    const int origin = BOX_ORIGINS[box];
    for (int digit = 1; digit <= 9; ++digit) {
        const DigitMask bit = DIGIT_MASKS[digit];
        unsigned open_rows = 0;
        unsigned open_columns = 0;
        bool present = false;
        for (int t = 0; t < 9; ++t) {
            const int cell = origin + 9 * (t / 3) + t % 3;
            present = present || placed[cell] == bit;
            if ((before[cell] & bit) == 0) {
                open_rows |= 1u << t / 3;
                open_columns |= 1u << t % 3;
            }
        }
        for (int partner : {p.band_a, p.band_b, p.stack_a, p.stack_b}) {
            const bool band = partner == p.band_a || partner == p.band_b;
            const unsigned open = band ? open_rows : open_columns;
            if (present || std::popcount(open) != 1) {
                continue;
            }
            const int part = std::countr_zero(open);
            for (int k = 0; k < 3; ++k) {
                excluded[BOX_ORIGINS[partner] + (band ? 9 * part + k : part + 9 * k)] |= bit;
            }
        }
    }
}

TEST(BoxPointing, ExcludesWhatTheRuleExcludesOnManyGrids) {
    int acting = 0;
    for (std::uint32_t seed = 0; seed < 500; ++seed) {
        PlacedGrid placed{};
        ExclusionGrid excluded{};
        test::scattered_grid(seed, static_cast<int>(seed % 50), static_cast<int>(seed % 9) * 30,
                             placed, excluded);
        for (int box = 0; box < 9; ++box) {
            ExclusionGrid expected = excluded;
            plain_box_pointing(placed, expected, box);
            ExclusionGrid result = excluded;
            const BoxPartners& p = BOX_PARTNERS[box];
            box_pointing(placed, result, box, p.band_a, p.band_b, p.stack_a, p.stack_b);
            ASSERT_EQ(result, expected) << "seed " << seed << ", box " << box;
            acting += expected != excluded ? 1 : 0;
        }
    }
    EXPECT_GT(acting, 500) << "too few boxes that exclude something";
    EXPECT_LT(acting, 4000) << "too few boxes that exclude nothing";
}

TEST(ApplyLockedCandidates, CountsSweepsThatExcludeSomethingNew) {
    struct Case {
        const char* name;
        std::function<void(GridPair&)> setup;  // on the empty board, all about digit 4
        TechniqueCounters counters;
        std::vector<int> changed;
        std::vector<Placement> placed;
    };
    const Case cases[] = {
        // Box 1 closes row 0 in box 2, which is then confined to box-row 1 and acts at once.
        {"box 1 makes box 2 act in the same sweep",
         [](GridPair& g) {
             keep_digit_open_only(g, 4, box_cells(1), {3, 4, 5});
             keep_digit_open_only(g, 4, box_cells(2), {6, 7, 8, 15, 16});
         },
         TechniqueCounters{0, 1, 0, 0, 0, 0},
         {0, 1, 2, 6, 7, 8, 9, 10, 11},
         {}},
        // Box 3 closes column 0 in box 0, which was already passed; box 0 acts next sweep.
        {"box 3 makes box 0 act only in the next sweep",
         [](GridPair& g) {
             keep_digit_open_only(g, 4, box_cells(3), {27, 36, 45});
             keep_digit_open_only(g, 4, box_cells(0), {0, 1, 10});
         },
         TechniqueCounters{0, 2, 0, 0, 0, 0},
         {0, 54, 55, 63, 64, 72, 73},
         {}},
        // The sweep leaves box 2 a hidden single at cell 16; its placement changes more
        // exclusion words, yet the next sweep compares against a snapshot taken after it.
        {"a box single between sweeps is not locked progress",
         [](GridPair& g) {
             keep_digit_open_only(g, 4, box_cells(1), {3, 4});
             keep_digit_open_only(g, 4, box_cells(2), {6, 16});
         },
         TechniqueCounters{1, 1, 0, 0, 0, 0},
         {0, 1, 2, 6, 9, 10, 11, 16, 34, 43, 52, 61, 70, 79},
         {{16, 4}}},
        // Row 0 holds 4 only inside box 0, but box 0 has it open in other rows too: the
        // opposite (claiming) direction is not part of the technique.
        {"a row confined to one box changes nothing",
         [](GridPair& g) {
             keep_digit_open_only(g, 4, test::row_cells(0), {0, 1, 2});
         },
         TechniqueCounters{},
         {},
         {}},
        // Box 4 points at row 4 and column 4, where 4 is already excluded: no progress, so
        // the box single at cell 40 is not placed either.
        {"a sweep that only rewrites set bits ends the driver at once",
         [](GridPair& g) {
             keep_digit_open_only(g, 4, box_cells(4), {40});
             keep_digit_open_only(g, 4, test::row_cells(4), {39, 40, 41});
             keep_digit_open_only(g, 4, test::column_cells(4), {31, 40, 49});
         },
         TechniqueCounters{},
         {},
         {}},
    };
    for (const Case& c : cases) {
        GridPair grid;
        c.setup(grid);
        const GridPair before = grid;
        TechniqueCounters counters;
        apply_locked_candidates(grid.placed, grid.excluded, counters);
        EXPECT_EQ(counters, c.counters) << c.name << ": box " << counters.box_single_passes
                                        << ", locked " << counters.locked_candidate_sweeps;
        EXPECT_EQ(test::changed_cells(before.excluded, grid.excluded), c.changed) << c.name;
        EXPECT_EQ(test::format_placed(grid.placed), test::board_text(c.placed)) << c.name;
    }
}

}  // namespace
}  // namespace cellwright
