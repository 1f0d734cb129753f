// The grid pair: which cells a placement reaches, and that loading a problem is the same as
// placing its givens one by one on an empty board.

#include "grid/grid.hpp"

#include <algorithm>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "support/grid_builders.hpp"

namespace cellwright {
namespace {

using test::GridPair;

GridPair placed_one_by_one(const DigitGrid& givens) {
    GridPair grid;
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (givens[cell] != 0) {
            place_digit(grid.placed, grid.excluded, cell, DIGIT_MASKS[givens[cell]]);
        }
    }
    return grid;
}

// Loads into grids full of stale words, so that every word must be written.
GridPair loaded(const DigitGrid& givens, TechniqueCounters& counters) {
    GridPair grid;
    grid.placed.fill(0x1FF);
    grid.excluded.fill(0x0F0);
    load_givens(givens, grid.placed, grid.excluded, counters);
    return grid;
}

TEST(PlaceDigit, ReachesExactlyTheTwentyPeers) {
    struct Case {
        int cell;
        std::vector<int> peers;
    };
    const Case cases[] = {
        {0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 18, 27, 36, 45, 54, 63, 72, 10, 11, 19, 20}},
        {40, {36, 37, 38, 39, 41, 42, 43, 44, 4, 13, 22, 31, 49, 58, 67, 76, 30, 32, 48, 50}},
        {80, {72, 73, 74, 75, 76, 77, 78, 79, 8, 17, 26, 35, 44, 53, 62, 71, 60, 61, 69, 70}},
    };
    const DigitMask five = DIGIT_MASKS[5];
    for (const Case& c : cases) {
        GridPair grid;
        place_digit(grid.placed, grid.excluded, c.cell, five);
        for (int cell = 0; cell < CELL_COUNT; ++cell) {
            const bool peer = std::find(c.peers.begin(), c.peers.end(), cell) != c.peers.end();
            const DigitMask expected = cell == c.cell ? ALL_DIGITS : peer ? five : 0;
            EXPECT_EQ(grid.excluded[cell], expected)
                << "placing at " << c.cell << ", cell " << cell;
            EXPECT_EQ(grid.placed[cell], cell == c.cell ? five : 0)
                << "placing at " << c.cell << ", cell " << cell;
        }
    }
}

// Every cell, on a grid whose words already hold other bits: the placement adds the digit to
// the peers and leaves every other word, and every other bit, as it was.
TEST(PlaceDigit, AddsTheDigitToThePeersOfEveryCellAndNothingElse) {
    std::mt19937 random(7);
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        GridPair grid;
        for (auto& word : grid.excluded) {
            word = static_cast<DigitMask>(random() & ALL_DIGITS & ~DIGIT_MASKS[4]);
        }
        const ExclusionGrid before = grid.excluded;
        place_digit(grid.placed, grid.excluded, cell, DIGIT_MASKS[4]);
        for (int other = 0; other < CELL_COUNT; ++other) {
            const bool peer = other != cell && (row_of(other) == row_of(cell) ||
                                                column_of(other) == column_of(cell) ||
                                                box_of(other) == box_of(cell));
            const DigitMask expected = other == cell ? ALL_DIGITS
                                       : peer        ? before[other] | DIGIT_MASKS[4]
                                                     : before[other];
            ASSERT_EQ(grid.excluded[other], expected)
                << "placing at " << cell << ", cell " << other;
            ASSERT_EQ(grid.placed[other], other == cell ? DIGIT_MASKS[4] : 0)
                << "placing at " << cell << ", cell " << other;
        }
    }
}

TEST(PlaceDigit, ChecksNothingAboutTheCell) {
    // A digit already ruled out for the cell is still placed and still spread to the peers.
    GridPair excluded_digit;
    excluded_digit.excluded[40] = DIGIT_MASKS[5];
    place_digit(excluded_digit.placed, excluded_digit.excluded, 40, DIGIT_MASKS[5]);
    GridPair fresh;
    place_digit(fresh.placed, fresh.excluded, 40, DIGIT_MASKS[5]);
    EXPECT_EQ(excluded_digit, fresh) << "placing an excluded digit";

    // Overwriting a filled cell keeps what the old digit spread to the peers.
    GridPair overwritten;
    place_digit(overwritten.placed, overwritten.excluded, 0, DIGIT_MASKS[5]);
    place_digit(overwritten.placed, overwritten.excluded, 0, DIGIT_MASKS[3]);
    EXPECT_EQ(overwritten.placed[0], DIGIT_MASKS[3]) << "overwritten cell holds the new digit";
    for (const int peer : {1, 9, 10, 72}) {
        EXPECT_EQ(overwritten.excluded[peer], test::digit_mask({3, 5}))
            << "peer " << peer << " keeps both exclusions";
    }
}

TEST(LoadGivens, EqualsPlacingEveryGivenOnAnEmptyBoard) {
    struct Case {
        const char* name;
        DigitGrid givens;
    };
    DigitGrid single_seven{};
    single_seven[10] = 7;
    std::vector<Case> cases = {
        {"no givens", DigitGrid{}},
        {"single 7 in cell 10", single_seven},
        {"full solution", test::solved_digits()},
    };
    // Random digits on random cells, clashes included: they are loaded as they are.
    std::mt19937 engine(2024);
    for (int i = 0; i < 20; ++i) {
        DigitGrid givens{};
        for (auto& digit : givens) {
            digit = engine() % 3 == 0 ? static_cast<std::uint8_t>(engine() % 9 + 1) : 0;
        }
        cases.push_back({"random givens", givens});
    }
    for (const Case& c : cases) {
        TechniqueCounters counters{1, 2, 3, 4, 5, 6};
        const GridPair grid = loaded(c.givens, counters);
        EXPECT_EQ(grid, placed_one_by_one(c.givens))
            << c.name << ": " << test::format_digits(c.givens);
        EXPECT_EQ(counters, TechniqueCounters{}) << c.name << ": counters zeroed";
        EXPECT_TRUE(is_sound(grid.placed, grid.excluded)) << c.name << ": clashes included";
    }
}

TEST(IsSound, FindsEachBrokenInvariant) {
    struct Case {
        const char* name;
        void (*breaks)(GridPair&);
    };
    // On a board holding 5 in cell 40 (row 4, column 4, box 4).
    const Case cases[] = {
        {"two digits in a cell", [](GridPair& g) { g.placed[40] |= DIGIT_MASKS[6]; }},
        {"a filled cell with a candidate", [](GridPair& g) { g.excluded[40] = 0x1FE; }},
        {"a row peer open for the digit", [](GridPair& g) { g.excluded[36] = 0; }},
        {"a column peer open for the digit", [](GridPair& g) { g.excluded[76] = 0; }},
        {"a box peer open for the digit", [](GridPair& g) { g.excluded[30] = 0; }},
        {"an exclusion bit above digit 9", [](GridPair& g) { g.excluded[0] |= 0x200; }},
        {"a placed bit above digit 9", [](GridPair& g) { g.placed[40] = 0x200; }},
    };
    for (const Case& c : cases) {
        GridPair grid;
        place_digit(grid.placed, grid.excluded, 40, DIGIT_MASKS[5]);
        ASSERT_TRUE(is_sound(grid.placed, grid.excluded)) << c.name << ": before";
        c.breaks(grid);
        EXPECT_FALSE(is_sound(grid.placed, grid.excluded)) << c.name;
    }
}

TEST(LoadGivens, EdgeGridsHaveTheirExpectedForm) {
    TechniqueCounters counters;
    const GridPair empty = loaded(DigitGrid{}, counters);
    EXPECT_EQ(empty, GridPair{}) << "no givens give the empty board";

    const GridPair full = loaded(test::solved_digits(), counters);
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        EXPECT_EQ(full.excluded[cell], ALL_DIGITS) << "full grid, cell " << cell;
    }
}

TEST(DigitsFromMasks, WritesTheDigitOfEveryCell) {
    struct Case {
        const char* name;
        DigitGrid digits;
    };
    DigitGrid partial = test::solved_digits();
    for (int cell = 0; cell < CELL_COUNT; cell += 4) {
        partial[cell] = 0;
    }
    const Case cases[] = {
        {"empty board", DigitGrid{}},
        {"full grid", test::solved_digits()},
        {"grid with holes", partial},
    };
    for (const Case& c : cases) {
        const GridPair grid = placed_one_by_one(c.digits);
        DigitGrid out;
        out.fill(0xEE);
        digits_from_masks(grid.placed, &out);
        EXPECT_EQ(out, c.digits) << c.name;
        // No destination: must return without writing anywhere (a crash fails the test).
        digits_from_masks(grid.placed, nullptr);
    }
}

}  // namespace
}  // namespace cellwright
