// The step-by-step solver on many real grids: generated puzzles of every class, near-empty
// grids with many solutions and grids without any. No step may contradict a solution, the
// view it keeps step by step must equal one built afresh, and it must end as the grid says.

#include "advanced/step_solver.hpp"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "advanced/step_text.hpp"
#include "count/count_solutions_robust.hpp"
#include "generator/make_problem.hpp"
#include "random/random_stream.hpp"
#include "support/grid_builders.hpp"
#include "support/puzzle_checks.hpp"

namespace cellwright {
namespace {

// Every attempt's puzzle from the streams of seed 5: all classes, each with one solution.
std::vector<DigitGrid> generated_puzzles(int attempts) {
    std::vector<DigitGrid> puzzles;
    RandomState random;
    random_seed_stream(random, 5, 0);
    for (int i = 0; i < attempts; ++i) {
        DigitGrid givens;
        if (fill_problem(random, givens)) {
            puzzles.push_back(givens);
        }
    }
    return puzzles;
}

DigitGrid solution_of(const DigitGrid& givens) {
    PlacedGrid solution{};
    EXPECT_EQ(count_solutions_robust(check::masks_of(givens), solution), 1);
    DigitGrid digits{};
    digits_from_masks(solution, &digits);
    return digits;
}

// Solves `givens` step by step, checking every step against `solution` (one solution of the
// grid; pass all 0 for none) and the kept view against a fresh one. Returns how it ended.
StepStatus solve_checked(const DigitGrid& givens, const DigitGrid& solution,
                         const std::string& name, StepCounts& steps) {
    PlacedGrid placed;
    ExclusionGrid excluded;
    TechniqueCounters counters;
    load_givens(givens, placed, excluded, counters);
    CandidateView view;
    build_candidate_view(placed, excluded, view);
    Contradiction contradiction;
    if (find_contradiction(view, contradiction)) {
        return StepStatus::contradiction;
    }
    SolveStep step;
    for (;;) {
        const StepStatus status = find_step_in_view(view, step, contradiction);
        if (status != StepStatus::step) {
            return status;
        }
        const std::string text = name + ": " + describe_step(step);
        ++steps[technique_index(step.technique)];
        if (step.placed_digit != 0) {
            EXPECT_NE(view.candidates[step.placed_cell] & DIGIT_MASKS[step.placed_digit], 0)
                << text;
            if (solution[0] != 0) {
                EXPECT_EQ(step.placed_digit, solution[step.placed_cell]) << text;
            }
        }
        for (int i = 0; i < step.elimination_count; ++i) {
            const Elimination& gone = step.eliminations[i];
            EXPECT_EQ(gone.digits & ~view.candidates[gone.cell], 0) << text << ": no progress";
            if (solution[0] != 0) {
                EXPECT_EQ(gone.digits & DIGIT_MASKS[solution[gone.cell]], 0) << text;
            }
        }
        apply_step(placed, excluded, step);
        apply_step_to_view(view, step);
        CandidateView fresh;
        build_candidate_view(placed, excluded, fresh);
        EXPECT_TRUE(view == fresh) << text << ": kept view differs";
        if (testing::Test::HasFailure()) {
            return status;
        }
    }
}

TEST(StepSolver, NoStepContradictsTheSolutionOfAGeneratedPuzzle) {
    StepCounts met{};
    int solved = 0;
    const std::vector<DigitGrid> puzzles = generated_puzzles(600);
    for (std::size_t i = 0; i < puzzles.size() && !HasFailure(); ++i) {
        const DigitGrid solution = solution_of(puzzles[i]);
        const StepStatus status =
            solve_checked(puzzles[i], solution, "puzzle " + std::to_string(i), met);
        EXPECT_NE(status, StepStatus::contradiction) << "puzzle " << i;
        solved += status == StepStatus::solved ? 1 : 0;

        // The loop the library runs agrees with the checked one.
        PlacedGrid placed;
        ExclusionGrid excluded;
        TechniqueCounters counters;
        load_givens(puzzles[i], placed, excluded, counters);
        StepCounts steps{};
        EXPECT_EQ(solve_step_by_step(placed, excluded, steps), status) << "puzzle " << i;
        if (status == StepStatus::solved) {
            DigitGrid digits;
            digits_from_masks(placed, &digits);
            EXPECT_EQ(digits, solution) << "puzzle " << i;
        }
    }
    // Most are solved, and the set is varied enough to meet most techniques.
    EXPECT_GT(solved, static_cast<int>(puzzles.size()) * 9 / 10);
    int techniques_met = 0;
    for (const std::int32_t count : met) {
        techniques_met += count > 0 ? 1 : 0;
    }
    EXPECT_GE(techniques_met, 18);
}

TEST(StepSolver, NearEmptyGridsKeepEverySolution) {
    // Cut from complete grids, each grid keeps its source among its many solutions; sound
    // steps never rule out a digit of any solution.
    RandomState random;
    random_seed_stream(random, 6, 0);
    const std::vector<DigitGrid> puzzles = generated_puzzles(40);
    StepCounts met{};
    for (const int kept : {0, 8, 17, 20, 23, 26, 30}) {
        for (std::size_t i = 0; i < puzzles.size() && !HasFailure(); ++i) {
            const DigitGrid source = solution_of(puzzles[i]);
            for (const DigitGrid& grid : check::cut_puzzles(random, source, kept, 2)) {
                const std::string name =
                    "kept " + std::to_string(kept) + " of " + std::to_string(i);
                const StepStatus status = solve_checked(grid, source, name, met);
                EXPECT_NE(status, StepStatus::contradiction) << name;
                if (status == StepStatus::solved) {
                    EXPECT_EQ(solution_of(grid), source) << name;
                }
            }
        }
    }
}

TEST(StepSolver, GridsWithoutSolutionEndInAContradictionOrStall) {
    // A wrong digit on an empty cell of a puzzle with one solution, where it clashes with
    // no given: no solution is left, and the solver must not claim one.
    const std::vector<DigitGrid> puzzles = generated_puzzles(150);
    int contradictions = 0;
    StepCounts met{};
    for (std::size_t i = 0; i < puzzles.size() && !HasFailure(); ++i) {
        const DigitGrid solution = solution_of(puzzles[i]);
        const test::GridPair loaded = test::load_puzzle(test::format_digits(puzzles[i]));
        for (int cell = static_cast<int>(i % 7); cell < CELL_COUNT; cell += 17) {
            const DigitMask wrong =
                candidates_of(loaded.excluded[cell]) & ~DIGIT_MASKS[solution[cell]];
            if (loaded.placed[cell] != 0 || wrong == 0) {
                continue;
            }
            DigitGrid grid = puzzles[i];
            grid[cell] = static_cast<std::uint8_t>(digit_of(wrong & -wrong));
            const std::string name =
                "puzzle " + std::to_string(i) + " cell " + std::to_string(cell);
            const StepStatus status = solve_checked(grid, DigitGrid{}, name, met);
            EXPECT_NE(status, StepStatus::solved) << name;
            contradictions += status == StepStatus::contradiction ? 1 : 0;
        }
    }
    EXPECT_GT(contradictions, 0);
}

TEST(StepSolver, ReportsTheFirstContradictionInWords) {
    struct Case {
        const char* name;
        std::vector<test::Placement> givens;
        int emptied_cell;  // -1: none; else every candidate of this cell is ruled out
        int closed_digit;  // 0: none; else ruled out of every cell of box 5
        const char* expected;
    };
    const Case cases[] = {
        {"digit twice in a row", {{0, 5}, {7, 5}}, -1, 0, "contradiction: 5 twice in row 1"},
        {"twice in a box before a row further down",
         {{30, 2}, {40, 2}, {80, 9}, {79, 9}},
         -1,
         0,
         "contradiction: 2 twice in box 5"},
        {"cell without candidates", {{0, 1}}, 30, 0, "contradiction: r4c4 has no candidate left"},
        {"digit without a place", {}, -1, 7, "contradiction: 7 has no place in box 5"},
        {"a sound grid", {{0, 1}, {40, 5}}, -1, 0, ""},
    };
    for (const Case& c : cases) {
        test::GridPair grid = test::load_puzzle(test::board_text(c.givens));
        if (c.emptied_cell >= 0) {
            grid.excluded[c.emptied_cell] = ALL_DIGITS;
        }
        if (c.closed_digit != 0) {
            for (const int cell : test::box_cells(4)) {
                grid.excluded[cell] |= DIGIT_MASKS[c.closed_digit];
            }
        }
        SolveStep step;
        Contradiction contradiction;
        const StepStatus status = find_next_step(grid.placed, grid.excluded, step, contradiction);
        EXPECT_EQ(status == StepStatus::contradiction, *c.expected != '\0') << c.name;
        if (status == StepStatus::contradiction) {
            EXPECT_EQ(describe_contradiction(contradiction), c.expected) << c.name;
        }
    }
}

TEST(StepSolver, TakesTheCheapestTechniqueThatMakesProgress) {
    // An X-wing and a naked single on one board: the single comes first; once only the X-wing
    // is left, it comes; a full grid is solved.
    test::GridPair grid;
    for (const auto& [row, columns] : {std::pair{1, std::array{3, 7}}, {6, std::array{3, 7}}}) {
        for (int column = 0; column < 9; ++column) {
            if (column != columns[0] && column != columns[1]) {
                grid.excluded[9 * row + column] |= DIGIT_MASKS[4];
            }
        }
    }
    test::force_candidates(grid, 80, {9});
    SolveStep step;
    Contradiction contradiction;
    ASSERT_EQ(find_next_step(grid.placed, grid.excluded, step, contradiction), StepStatus::step);
    EXPECT_EQ(describe_step(step), "naked single: r9c9 = 9");
    test::force_candidates(grid, 80, {8, 9});
    ASSERT_EQ(find_next_step(grid.placed, grid.excluded, step, contradiction), StepStatus::step);
    EXPECT_EQ(step.technique, StepTechnique::x_wing) << describe_step(step);

    const test::GridPair full = test::load_puzzle(test::format_digits(test::solved_digits()));
    EXPECT_EQ(find_next_step(full.placed, full.excluded, step, contradiction), StepStatus::solved);
}

}  // namespace
}  // namespace cellwright
