// The robust counter must agree with the generator's counter wherever both apply, and answer
// sparse, contradictory and clashing grids that the generator never builds.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "count/count_solutions.hpp"
#include "count/count_solutions_robust.hpp"
#include "generator/make_problem.hpp"
#include "support/puzzle_checks.hpp"

namespace cellwright {
namespace {

// Complete grids from the generator, one per seed.
std::vector<DigitGrid> generated_solutions(int count) {
    std::vector<DigitGrid> solutions;
    RandomState random;
    random_seed(random, 20261209);
    while (static_cast<int>(solutions.size()) < count) {
        DigitGrid givens{};
        DigitGrid solution{};
        TechniqueCounters counters;
        if (make_problem(random, givens, solution, counters)) {
            solutions.push_back(solution);
        }
    }
    return solutions;
}

// Changes one given to another digit that clashes with nothing, which usually leaves the
// puzzle without a solution.
DigitGrid with_one_given_changed(const DigitGrid& puzzle) {
    DigitGrid changed = puzzle;
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (puzzle[cell] == 0) {
            continue;
        }
        for (int digit = 1; digit <= 9; ++digit) {
            bool clashes = false;
            for (int other = 0; other < CELL_COUNT; ++other) {
                const bool peer = other != cell && (row_of(other) == row_of(cell) ||
                                                    column_of(other) == column_of(cell) ||
                                                    box_of(other) == box_of(cell));
                clashes = clashes || (peer && puzzle[other] == digit);
            }
            if (digit != puzzle[cell] && !clashes) {
                changed[cell] = static_cast<std::uint8_t>(digit);
                return changed;
            }
        }
    }
    return changed;
}

// `text` followed by empty cells up to 81.
std::string padded(std::string text) {
    text.resize(CELL_COUNT, '.');
    return text;
}

void expect_counters_agree(const DigitGrid& puzzle, const std::string& name) {
    PlacedGrid placed = check::masks_of(puzzle);
    PlacedGrid lowest_first{};
    const std::int32_t expected = count_solutions(placed, lowest_first);
    PlacedGrid robust{};
    const std::int32_t count = count_solutions_robust(check::masks_of(puzzle), robust);
    ASSERT_EQ(count, expected) << name;
    if (count == 1) {
        EXPECT_EQ(robust, lowest_first) << name << ": the unique solution";
    }
    if (count == 2) {
        DigitGrid digits{};
        digits_from_masks(robust, &digits);
        EXPECT_TRUE(check::solves(digits, puzzle)) << name << ": a solution of the puzzle";
    }
}

TEST(CountSolutionsRobust, AgreesWithLowestCellCounter) {
    RandomState random;
    random_seed(random, 7);
    const std::vector<DigitGrid> solutions = generated_solutions(8);
    int seen[3] = {0, 0, 0};
    for (std::size_t s = 0; s < solutions.size(); ++s) {
        for (const int kept : {24, 28, 32, 40, 55, 75}) {
            for (const DigitGrid& puzzle : check::cut_puzzles(random, solutions[s], kept, 8)) {
                const std::string name =
                    "grid " + std::to_string(s) + ", " + std::to_string(kept) + " kept";
                expect_counters_agree(puzzle, name);
                if (kept >= 32) {
                    expect_counters_agree(with_one_given_changed(puzzle), name + ", changed");
                }
                PlacedGrid unused{};
                ++seen[count_solutions_robust(check::masks_of(puzzle), unused)];
            }
        }
    }
    // The sample must exercise unique and multiple answers alike.
    EXPECT_GT(seen[1], 0) << "unique puzzles in the sample";
    EXPECT_GT(seen[2], 0) << "puzzles with several solutions in the sample";
}

TEST(CountSolutionsRobust, AnswersGridsOutsideTheGeneratorsContract) {
    const std::string first_completion =
        "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
    std::string rectangle = first_completion;
    for (const int cell : {0, 1, 27, 28}) {
        rectangle[cell] = '.';
    }
    struct Case {
        const char* name;
        std::string puzzle;
        std::int32_t expected;
    };
    const std::vector<Case> cases{
        {"empty grid", padded(""), 2},
        {"complete grid", first_completion, 1},
        {"swappable rectangle", rectangle, 2},
        {"digit twice in a row", padded("11"), 0},
        {"digit twice in a column", padded("1........1"), 0},
        {"digit twice in a box", padded("1.........1"), 0},
        // Row 0 leaves only 9 for its last cell, and column 8 already holds a 9.
        {"cell without candidates", padded("12345678..................9"), 0},
        // 1..7 in the top row leave 8 and 9 for its last two cells, and box 2 holds a 9:
        // both cells can only take 8.
        {"two cells left one digit", padded("1234567.........9"), 0},
    };
    for (const Case& test : cases) {
        PlacedGrid solution{};
        const DigitGrid puzzle = check::grid_from_text(test.puzzle);
        EXPECT_EQ(count_solutions_robust(check::masks_of(puzzle), solution), test.expected)
            << test.name;
        if (test.expected >= 1) {
            DigitGrid digits{};
            digits_from_masks(solution, &digits);
            EXPECT_TRUE(check::solves(digits, puzzle)) << test.name << ": returned solution";
        }
    }
}

TEST(CountSolutionsRobust, SettlesSparseGridsWithoutExhaustingThem) {
    // A few clash-free givens far below the 17 a unique puzzle needs, and the same with a
    // contradiction planted deep inside: the answer is always 2 or 0 and must come quickly.
    RandomState random;
    random_seed(random, 99);
    const std::vector<DigitGrid> solutions = generated_solutions(3);
    for (std::size_t s = 0; s < solutions.size(); ++s) {
        for (const DigitGrid& puzzle : check::cut_puzzles(random, solutions[s], 12, 20)) {
            PlacedGrid solution{};
            EXPECT_EQ(count_solutions_robust(check::masks_of(puzzle), solution), 2)
                << "12 givens of grid " << s;
            const DigitGrid changed = with_one_given_changed(puzzle);
            const std::int32_t count = count_solutions_robust(check::masks_of(changed), solution);
            EXPECT_TRUE(count == 0 || count == 2) << "12 givens with one changed, grid " << s;
        }
    }
}

}  // namespace
}  // namespace cellwright
