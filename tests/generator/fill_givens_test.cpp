// Digit filling: which words it draws and what it does with them (fed through chosen random
// words on small hand-made lists), and the contract of a successful call on real patterns.

#include "generator/fill_givens.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "count/count_solutions.hpp"
#include "support/generator_probe.hpp"
#include "support/puzzle_checks.hpp"

namespace cellwright {
namespace {

using probe::Draw;

constexpr DigitMask SENTINEL = 0xABCD;

GivenCellList list_of(const std::vector<int>& cells) {
    GivenCellList list{};
    std::copy(cells.begin(), cells.end(), list.begin());
    return list;
}

// The nine cells of the main diagonal: no two share a box, so nine digits on them leave
// every other cell with at least six candidates and no conclusion to draw.
const std::vector<int> DIAGONAL{0, 10, 20, 30, 40, 50, 60, 70, 80};

// Spreading draws that put digit d on list entry `entry_of_digit[d - 1]`.
std::vector<Draw> spreading_draws(const std::vector<int>& entry_of_digit, int count) {
    std::vector<Draw> draws;
    for (const int entry : entry_of_digit) {
        draws.push_back({entry, count});
    }
    return draws;
}

TEST(FillGivens, ListsTooShortForNineDigitsFailWithoutDrawing) {
    for (const int count : {0, 1, 8}) {
        RandomState random;
        random_seed(random, 5);
        const RandomState before = random;
        PlacedGrid solution;
        solution.fill(SENTINEL);
        EXPECT_FALSE(fill_givens(random, list_of(DIAGONAL), count, solution)) << count << " cells";
        EXPECT_EQ(random.position, before.position) << count << " cells: drew a word";
        EXPECT_EQ(random.words, before.words) << count << " cells: drew a word";
        EXPECT_EQ(solution[0], SENTINEL) << count << " cells: wrote the solution";
    }
}

// With nine listed cells the spreading fills them all, the completion draws nothing, and
// nine givens always leave several solutions; the output then shows where each digit went.
TEST(FillGivens, SpreadingRedrawsAnOccupiedCellForOneWord) {
    struct Case {
        const char* name;
        std::vector<std::vector<int>> entries_drawn;  // for digit 1, 2, ... in turn
        std::vector<int> digits;                      // expected digit on each diagonal cell
    };
    const Case cases[] = {
        {"no cell hit twice",
         {{0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}},
         {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"occupied cells redrawn",
         {{4}, {4, 0}, {2}, {2, 0, 7}, {1}, {8}, {3}, {5}, {6}},
         {2, 5, 3, 7, 1, 8, 9, 4, 6}},
    };
    for (const Case& c : cases) {
        std::vector<Draw> draws;
        for (const std::vector<int>& entries : c.entries_drawn) {
            for (const int entry : entries) {
                draws.push_back({entry, 9});
            }
        }
        RandomState random;
        probe::feed_draws(random, draws);
        PlacedGrid solution;
        solution.fill(SENTINEL);
        EXPECT_FALSE(fill_givens(random, list_of(DIAGONAL), 9, solution))
            << c.name << ": nine givens cannot have one solution";
        EXPECT_EQ(random.position, static_cast<std::int32_t>(draws.size()))
            << c.name << ": number of draws";
        for (int k = 0; k < 9; ++k) {
            EXPECT_EQ(digit_of(solution[DIAGONAL[k]]), c.digits[k])
                << c.name << ": cell " << DIAGONAL[k];
        }
    }
}

// Cell 1 is listed after the diagonal; it sees the diagonal cells 0, 10 and 20 only.
TEST(FillGivens, CompletionTriesDigitsUpwardFromTheDrawnStartAndWrapsAfterNine) {
    struct Case {
        const char* name;
        std::vector<int> digits;  // digit on each diagonal cell
        int start_digit;
        int expected;
    };
    const Case cases[] = {
        {"free start digit kept", {9, 2, 3, 1, 4, 5, 6, 7, 8}, 4, 4},
        {"excluded 5 moves on to 6", {5, 2, 3, 1, 4, 9, 6, 7, 8}, 5, 6},
        {"excluded 9 wraps to 1", {9, 2, 3, 1, 4, 5, 6, 7, 8}, 9, 1},
        {"excluded 9 and 1 go on to 2", {9, 1, 3, 2, 4, 5, 6, 7, 8}, 9, 2},
    };
    std::vector<int> cells = DIAGONAL;
    cells.push_back(1);
    for (const Case& c : cases) {
        std::vector<int> entry_of_digit(9);
        for (int k = 0; k < 9; ++k) {
            entry_of_digit[c.digits[k] - 1] = k;
        }
        std::vector<Draw> draws = spreading_draws(entry_of_digit, 10);
        draws.push_back({c.start_digit - 1, 9});
        RandomState random;
        probe::feed_draws(random, draws);
        PlacedGrid solution;
        solution.fill(SENTINEL);
        EXPECT_FALSE(fill_givens(random, list_of(cells), 10, solution)) << c.name;
        EXPECT_EQ(random.position, 10) << c.name << ": number of draws";
        EXPECT_EQ(digit_of(solution[1]), c.expected) << c.name;
        EXPECT_EQ(digit_of(solution[0]), c.digits[0]) << c.name;
    }
}

// Row 0 gets 4..9 outside box 0, so its cells 0..2 form a naked triple {1, 2, 3} once the
// last of them is placed. That clears 1 from cell 9, whose row and column already rule out
// everything but 1 and 4, and the cascade fills it with 4 before its turn: no start digit is
// drawn for it.
TEST(FillGivens, CellFilledByAConclusionDrawsNothing) {
    const std::vector<int> cells{79, 12, 13, 3, 15, 16, 6, 27, 36,  // spread 1..9, in order
                                 14, 4,  5,  7,                     // then 7, 5, 6, 8
                                 8,                                 // 9 completes the triple
                                 9};                                // filled by the cascade
    const int count = static_cast<int>(cells.size());
    std::vector<Draw> draws = spreading_draws({0, 1, 2, 3, 4, 5, 6, 7, 8}, count);
    for (const int digit : {7, 5, 6, 8, 9}) {
        draws.push_back({digit - 1, 9});
    }
    // Should cell 9 draw after all, this word would make it try 1 first.
    draws.push_back({0, 9});
    RandomState random;
    probe::feed_draws(random, draws);
    PlacedGrid solution;
    solution.fill(SENTINEL);
    EXPECT_FALSE(fill_givens(random, list_of(cells), count, solution));
    EXPECT_EQ(random.position, 14) << "nine spreading draws and five start digits";
    const std::vector<int> expected{1, 2, 3, 4, 5, 6, 7, 8, 9, 7, 5, 6, 8, 9, 4};
    for (int k = 0; k < count; ++k) {
        EXPECT_EQ(digit_of(solution[cells[k]]), expected[k]) << "cell " << cells[k];
    }
}

TEST(FillGivens, SuccessMeansTheGivensAloneHaveThatOneSolution) {
    int successes = 0;
    for (std::uint32_t seed = 0; seed < 40 && successes < 10; ++seed) {
        RandomState random;
        random_seed(random, seed);
        GivenCellList list;
        const int count = choose_given_cells(random, list);
        PlacedGrid solution;
        bool filled = false;
        for (int filling = 0; filling < 201 && !filled; ++filling) {
            filled = fill_givens(random, list, count, solution);
        }
        if (!filled) {
            continue;  // some patterns are hard to fill; the attempt would be given up
        }
        ++successes;
        const std::string name = "seed " + std::to_string(seed);
        DigitGrid digits{};
        digits_from_masks(solution, &digits);
        DigitGrid givens{};
        for (int k = 0; k < count; ++k) {
            givens[list[k]] = digits[list[k]];
        }
        EXPECT_TRUE(check::solves(digits, givens)) << name << ": " << probe::text_of(digits);
        PlacedGrid problem = check::masks_of(givens);
        PlacedGrid recount;
        EXPECT_EQ(count_solutions(problem, recount), 1) << name << ": " << probe::text_of(givens);
        EXPECT_EQ(recount, solution) << name;
    }
    EXPECT_EQ(successes, 10) << "too few patterns filled to check the contract";
}

// The filling counts from its own conclusions. They rule out no completion, so on the grid
// pairs of a real stream of fillings the count from them gives the result and the solution
// (the only one, or the second in lexicographic order) of the count from the digits alone.
TEST(FillGivens, CountFromConclusionsAgreesWithCountFromDigits) {
    RandomState random;
    random_seed(random, 20261209);
    std::array<int, 3> seen{};
    for (int filling = 0; filling < 3000; ++filling) {
        GivenCellList list{};
        const int count = choose_given_cells(random, list);
        PlacedGrid placed;
        ExclusionGrid excluded;
        if (!fill_digits(random, list, count, placed, excluded)) {
            continue;
        }
        const std::string name = "filling " + std::to_string(filling);
        PlacedGrid from_conclusions;
        PlacedGrid from_digits;
        from_conclusions.fill(SENTINEL);
        from_digits.fill(SENTINEL);
        const std::int32_t result = count_solutions(placed, excluded, from_conclusions);
        EXPECT_EQ(result, count_solutions(placed, from_digits)) << name;
        EXPECT_EQ(from_conclusions, from_digits) << name;
        ++seen[result];
    }
    for (int result = 0; result < 3; ++result) {
        EXPECT_GE(seen[result], result == 1 ? 5 : 300) << "fillings with result " << result;
    }
}

// `fill_givens` leaves the conclusions after the last drawn digit to the count. It must still
// make the draws of the whole filling and answer as the count of its complete grid does.
TEST(FillGivens, AnswersAsTheCountOfTheWholeFilling) {
    RandomState random;
    random_seed(random, 20261210);
    std::array<int, 2> seen{};
    for (int filling = 0; filling < 3000; ++filling) {
        GivenCellList list{};
        const int count = choose_given_cells(random, list);
        RandomState whole = random;
        PlacedGrid placed;
        ExclusionGrid excluded;
        PlacedGrid expected;
        PlacedGrid solution;
        expected.fill(SENTINEL);
        solution.fill(SENTINEL);
        const bool expected_filled = fill_digits(whole, list, count, placed, excluded) &&
                                     count_solutions(placed, expected) == 1;
        const bool filled = fill_givens(random, list, count, solution);
        const std::string name = "filling " + std::to_string(filling);
        ASSERT_EQ(filled, expected_filled) << name;
        ASSERT_EQ(solution, expected) << name;
        ASSERT_EQ(random.position, whole.position) << name;
        ASSERT_EQ(random.words, whole.words) << name;
        ++seen[filled ? 1 : 0];
    }
    EXPECT_GE(seen[1], 5) << "too few successful fillings";
}

}  // namespace
}  // namespace cellwright
