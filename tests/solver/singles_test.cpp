// Hidden singles in boxes and lines and the naked single scan: which placements one pass
// makes (a placement is seen at once by later tests of the same pass, never by earlier ones)
// and how their drivers count passes.

#include "solver/singles.hpp"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/grid_builders.hpp"

namespace cellwright {
namespace {

using test::box_cells;
using test::column_cells;
using test::GridPair;
using test::keep_digit_open_only;
using test::Placement;
using test::row_cells;

// A scenario on an otherwise open empty board and the digits each pass must have placed.
struct PassCase {
    const char* name;
    std::function<void(GridPair&)> setup;
    std::vector<Placement> after_first_pass;
    std::vector<Placement> after_second_pass;
};

void expect_passes(const PassCase& c, bool (*pass)(PlacedGrid&, ExclusionGrid&)) {
    GridPair grid;
    c.setup(grid);
    EXPECT_TRUE(pass(grid.placed, grid.excluded)) << c.name << ": first pass";
    EXPECT_EQ(test::format_placed(grid.placed), test::board_text(c.after_first_pass))
        << c.name << ": after the first pass";
    const bool second = pass(grid.placed, grid.excluded);
    EXPECT_EQ(second, c.after_second_pass.size() > c.after_first_pass.size())
        << c.name << ": second pass reports its placements";
    EXPECT_EQ(test::format_placed(grid.placed), test::board_text(c.after_second_pass))
        << c.name << ": after the second pass";
    EXPECT_FALSE(pass(grid.placed, grid.excluded)) << c.name << ": third pass finds nothing";
}

TEST(BoxHiddenSingles, PlacementsChainForwardWithinOnePass) {
    const PassCase cases[] = {
        {"box 0 completes box 1 in the same pass",
         [](GridPair& g) {
             keep_digit_open_only(g, 4, box_cells(0), {0});
             keep_digit_open_only(g, 4, box_cells(1), {3, 12});
         },
         {{0, 4}, {12, 4}},
         {{0, 4}, {12, 4}}},
        {"box 3 completes box 0 only in the next pass",
         [](GridPair& g) {
             keep_digit_open_only(g, 4, box_cells(3), {27});
             keep_digit_open_only(g, 4, box_cells(0), {9, 10});
         },
         {{27, 4}},
         {{27, 4}, {10, 4}}},
        {"digit 5 frees digit 7 of its box in the same pass",
         [](GridPair& g) {
             keep_digit_open_only(g, 5, box_cells(4), {30});
             keep_digit_open_only(g, 7, box_cells(4), {30, 31});
         },
         {{30, 5}, {31, 7}},
         {{30, 5}, {31, 7}}},
        {"digit 5 frees digit 2 of its box only in the next pass",
         [](GridPair& g) {
             keep_digit_open_only(g, 5, box_cells(4), {30});
             keep_digit_open_only(g, 2, box_cells(4), {30, 32});
         },
         {{30, 5}},
         {{30, 5}, {32, 2}}},
        {"a digit without open cells is skipped",
         [](GridPair& g) {
             keep_digit_open_only(g, 3, box_cells(2), {});
             keep_digit_open_only(g, 8, box_cells(2), {16});
         },
         {{16, 8}},
         {{16, 8}}},
    };
    for (const PassCase& c : cases) {
        expect_passes(c, box_hidden_singles);
    }
}

// Every cell of every box: the pass must place a single in the one cell open for it (boxes
// of the third stack are read from one word before the box), and see at once that the filled
// cell is closed, which leaves digit 6 a single of the same box in the same pass.
TEST(BoxHiddenSingles, PlaceInWhicheverCellIsOpen) {
    for (int box = 0; box < 9; ++box) {
        for (int k = 0; k < 9; ++k) {
            const int cell = box_cells(box)[k];
            const int next = box_cells(box)[(k + 1) % 9];
            GridPair grid;
            keep_digit_open_only(grid, 4, box_cells(box), {cell});
            keep_digit_open_only(grid, 6, box_cells(box), {cell, next});
            const std::string where =
                "box " + std::to_string(box) + ", cell " + std::to_string(cell);
            EXPECT_TRUE(box_hidden_singles(grid.placed, grid.excluded)) << where;
            EXPECT_EQ(test::format_placed(grid.placed), test::board_text({{cell, 4}, {next, 6}}))
                << where;
        }
    }
}

TEST(LineHiddenSingles, ColumnBeforeRowDigitByDigit) {
    const PassCase cases[] = {
        // Digit 6 at cell 9 closes cell 1 (box 0), leaving row 0 only cell 4 for 6.
        {"column 0's placement is seen by row 0's test of the same digit",
         [](GridPair& g) {
             keep_digit_open_only(g, 6, column_cells(0), {9});
             keep_digit_open_only(g, 6, row_cells(0), {1, 4});
         },
         {{9, 6}, {4, 6}},
         {{9, 6}, {4, 6}}},
        // Digit 1 at cell 0 leaves column 0 only cell 9 for 2, tested after row 0's digit 1.
        {"row 0's digit 1 is seen by column 0's digit 2",
         [](GridPair& g) {
             keep_digit_open_only(g, 1, row_cells(0), {0});
             keep_digit_open_only(g, 2, column_cells(0), {0, 9});
         },
         {{0, 1}, {9, 2}},
         {{0, 1}, {9, 2}}},
        // Digit 3 at cell 4 closes cell 12 (box 1), leaving row 1 only cell 16; row 1 was
        // tested before column 4.
        {"column 4 completes row 1 only in the next pass",
         [](GridPair& g) {
             keep_digit_open_only(g, 3, column_cells(4), {4});
             keep_digit_open_only(g, 3, row_cells(1), {12, 16});
         },
         {{4, 3}},
         {{4, 3}, {16, 3}}},
    };
    for (const PassCase& c : cases) {
        expect_passes(c, line_hidden_singles);
    }
}

TEST(NakedSingleScan, LaterCellsInTheSameScanEarlierOnesInTheNext) {
    const PassCase cases[] = {
        // Filling cell 5 with 4 narrows cell 7 to {6} (filled in this scan) and cell 3 to
        // {8} (next scan). Cell 60 has no candidate at all and is left alone.
        {"cell 5 completes cell 7 now and cell 3 in the next scan",
         [](GridPair& g) {
             test::force_candidates(g, 5, {4});
             test::force_candidates(g, 7, {4, 6});
             test::force_candidates(g, 3, {4, 8});
             test::force_candidates(g, 60, {});
         },
         {{5, 4}, {7, 6}},
         {{5, 4}, {7, 6}, {3, 8}}},
    };
    for (const PassCase& c : cases) {
        expect_passes(c, naked_single_scan);
    }
}

TEST(SinglesDrivers, CountProductivePassesNotDigits) {
    struct Case {
        const char* name;
        std::function<void(GridPair&)> setup;
        void (*driver)(PlacedGrid&, ExclusionGrid&, TechniqueCounters&);
        TechniqueCounters added;
        int digits_placed;
    };
    const Case cases[] = {
        {"three box singles found by one pass",
         [](GridPair& g) {
             keep_digit_open_only(g, 1, box_cells(0), {0});
             keep_digit_open_only(g, 2, box_cells(4), {40});
             keep_digit_open_only(g, 3, box_cells(8), {80});
         },
         repeat_box_singles, TechniqueCounters{1, 0, 0, 0, 0, 0}, 3},
        {"a box single found only by the second pass",
         [](GridPair& g) {
             keep_digit_open_only(g, 4, box_cells(3), {27});
             keep_digit_open_only(g, 4, box_cells(0), {9, 10});
         },
         repeat_box_singles, TechniqueCounters{2, 0, 0, 0, 0, 0}, 2},
        {"three naked singles found by two scans",
         [](GridPair& g) {
             test::force_candidates(g, 5, {4});
             test::force_candidates(g, 7, {4, 6});
             test::force_candidates(g, 3, {4, 8});
         },
         apply_naked_singles, TechniqueCounters{0, 0, 2, 0, 0, 0}, 3},
        {"two line singles found by one pass",
         [](GridPair& g) {
             keep_digit_open_only(g, 6, column_cells(0), {9});
             keep_digit_open_only(g, 6, row_cells(0), {1, 4});
         },
         apply_line_singles, TechniqueCounters{0, 0, 0, 1, 0, 0}, 2},
    };
    const TechniqueCounters start{3, 4, 5, 6, 7, 8};
    for (const Case& c : cases) {
        GridPair grid;
        c.setup(grid);
        TechniqueCounters counters = start;
        c.driver(grid.placed, grid.excluded, counters);
        const TechniqueCounters expected{
            start.box_single_passes + c.added.box_single_passes,
            start.locked_candidate_sweeps + c.added.locked_candidate_sweeps,
            start.naked_single_scans + c.added.naked_single_scans,
            start.line_single_passes + c.added.line_single_passes,
            start.naked_pair_sweeps,
            start.naked_triple_sweeps,
        };
        EXPECT_EQ(counters, expected) << c.name;
        EXPECT_EQ(std::count_if(grid.placed.begin(), grid.placed.end(),
                                [](DigitMask m) { return m != 0; }),
                  c.digits_placed)
            << c.name;
    }
}

}  // namespace
}  // namespace cellwright
