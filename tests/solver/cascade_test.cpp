// The cascade rule shared by every driver: an unproductive first application returns at
// once and touches nothing; a productive one counts 1 and runs every cheaper driver.

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "grid/soundness_check.hpp"
#include "solver/ladder.hpp"
#include "support/grid_builders.hpp"

namespace cellwright {
namespace {

using test::box_cells;
using test::GridPair;
using test::keep_digit_open_only;

const LadderRung& REPEAT_BOX_SINGLES = rung_of(LADDER, Rung::box_singles);
const LadderRung& LOCKED = rung_of(LADDER, Rung::locked_candidates);
const LadderRung& NAKED_SINGLES = rung_of(LADDER, Rung::naked_singles);
const LadderRung& LINE_SINGLES = rung_of(LADDER, Rung::line_singles);
const LadderRung& PAIRS = rung_of(LADDER, Rung::naked_pairs);
const LadderRung& TRIPLES = rung_of(LADDER, Rung::naked_triples);

TEST(Cascade, UnproductiveDriversReturnWithoutTouchingAnything) {
    struct Case {
        const char* name;
        std::function<void(GridPair&)> setup;
        std::vector<LadderRung> idle_drivers;
    };
    const Case cases[] = {
        {"solved grid",
         [](GridPair& g) { g = test::load_puzzle(test::format_digits(test::solved_digits())); },
         {REPEAT_BOX_SINGLES, LOCKED, NAKED_SINGLES, LINE_SINGLES, PAIRS, TRIPLES}},
        {"empty board",
         [](GridPair&) {},
         {REPEAT_BOX_SINGLES, LOCKED, NAKED_SINGLES, LINE_SINGLES, PAIRS, TRIPLES}},
        // Only the naked single scan would find something here.
        {"a lone naked single",
         [](GridPair& g) { test::force_candidates(g, 40, {5}); },
         {REPEAT_BOX_SINGLES, LOCKED, LINE_SINGLES, PAIRS, TRIPLES}},
        // Box 4 holds 5 only in cell 40 and row 4 and column 4 exclude it already: box and
        // line singles would place it, but pointing has nothing new to exclude.
        {"a hidden single whose lines are already closed",
         [](GridPair& g) {
             keep_digit_open_only(g, 5, box_cells(4), {40});
             keep_digit_open_only(g, 5, test::row_cells(4), {39, 40, 41});
             keep_digit_open_only(g, 5, test::column_cells(4), {31, 40, 49});
         },
         {LOCKED, NAKED_SINGLES, PAIRS, TRIPLES}},
    };
    const TechniqueCounters start{1, 2, 3, 4, 5, 6};
    for (const Case& c : cases) {
        for (const LadderRung& driver : c.idle_drivers) {
            GridPair grid;
            c.setup(grid);
            const GridPair before = grid;
            TechniqueCounters counters = start;
            driver.driver(grid.placed, grid.excluded, counters);
            EXPECT_EQ(grid, before) << c.name << ", " << driver.driver_name << ": grids unchanged";
            EXPECT_EQ(counters, start) << c.name << ", " << driver.driver_name << ": counters";
        }
    }
}

TEST(Cascade, ProductiveSweepsRunEveryCheaperDriver) {
    struct Case {
        const char* name;
        std::function<void(GridPair&)> setup;
        LadderRung driver;
        TechniqueCounters counters;
        std::vector<test::Placement> placed;
    };
    const Case cases[] = {
        // Filling cell 0 with 4 leaves box 1 only cells 12 and 13 for 4: pointing then
        // excludes 4 from row 1 in box 2.
        {"naked singles into locked candidates",
         [](GridPair& g) {
             test::force_candidates(g, 0, {4});
             keep_digit_open_only(g, 4, box_cells(1), {3, 12, 13});
         },
         NAKED_SINGLES,
         TechniqueCounters{0, 1, 1, 0, 0, 0},
         {{0, 4}}},
        // The same pointing, reached from a row single instead.
        {"line singles into locked candidates",
         [](GridPair& g) {
             keep_digit_open_only(g, 4, test::row_cells(0), {0});
             keep_digit_open_only(g, 4, box_cells(1), {3, 12, 13});
         },
         LINE_SINGLES,
         TechniqueCounters{0, 1, 0, 1, 0, 0},
         {{0, 4}}},
        // Placing the row single 5 at cell 40 leaves cell 31 (same box) with {7}.
        {"line singles into naked singles",
         [](GridPair& g) {
             keep_digit_open_only(g, 5, test::row_cells(4), {40});
             test::force_candidates(g, 31, {5, 7});
         },
         LINE_SINGLES,
         TechniqueCounters{0, 0, 1, 1, 0, 0},
         {{40, 5}, {31, 7}}},
        // The pair leaves cell 20 with {3}; the naked single driver of the cascade fills it.
        {"naked pairs into naked singles",
         [](GridPair& g) {
             test::force_candidates(g, 0, {1, 2});
             test::force_candidates(g, 10, {1, 2});
             test::force_candidates(g, 20, {1, 2, 3});
         },
         PAIRS,
         TechniqueCounters{0, 0, 1, 0, 1, 0},
         {{20, 3}}},
        // The triple in row 0 makes the sweep productive; the pair in row 8 is left to the
        // naked pairs driver of the cascade.
        {"naked triples into naked pairs",
         [](GridPair& g) {
             test::force_candidates(g, 0, {1, 2});
             test::force_candidates(g, 4, {2, 3});
             test::force_candidates(g, 8, {1, 3});
             test::force_candidates(g, 76, {5, 6});
             test::force_candidates(g, 77, {5, 6});
         },
         TRIPLES,
         TechniqueCounters{0, 0, 0, 0, 1, 1},
         {}},
        // Row 4 holds 5 only in cell 40; placing it leaves 7 a single cell of box 4 (41),
        // which no line test sees but the box singles of the cascade do.
        {"line singles into box singles",
         [](GridPair& g) {
             keep_digit_open_only(g, 5, test::row_cells(4), {40});
             keep_digit_open_only(g, 7, box_cells(4), {40, 41});
         },
         LINE_SINGLES,
         TechniqueCounters{1, 0, 0, 1, 0, 0},
         {{40, 5}, {41, 7}}},
    };
    for (const Case& c : cases) {
        GridPair grid;
        c.setup(grid);
        TechniqueCounters counters;
        c.driver.driver(grid.placed, grid.excluded, counters);
        EXPECT_EQ(counters, c.counters) << c.name;
        EXPECT_EQ(test::format_placed(grid.placed), test::board_text(c.placed)) << c.name;
    }
}

#if CELLWRIGHT_CHECKED
// Checked builds stop a driver handed a pair that breaks an invariant: here row 4 still has 5
// open beside the 5 in cell 40.
TEST(CascadeDeathTest, CheckedDriversStopOnAnUnsoundPair) {
    for (const LadderRung& rung : LADDER) {
        GridPair grid;
        place_digit(grid.placed, grid.excluded, 40, DIGIT_MASKS[5]);
        grid.excluded[36] = 0;
        TechniqueCounters counters;
        EXPECT_DEATH(rung.driver(grid.placed, grid.excluded, counters),
                     std::string("unsound on entry to ") + rung.driver_name);
    }
}
#endif

}  // namespace
}  // namespace cellwright
