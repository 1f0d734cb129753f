// The whole technique ladder on real problems: pinned counter profiles of problems the
// generator made (seed 0), and invariants checked over a few hundred generated problems.

#include "solver/ladder.hpp"

#include <bit>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "count/count_solutions.hpp"
#include "generator/make_problem.hpp"
#include "support/grid_builders.hpp"

namespace cellwright {
namespace {

using test::GridPair;

// The digits a sound deduction may place: those of a solution of the givens, if any.
PlacedGrid solution_of(const GridPair& loaded, std::int32_t& count) {
    PlacedGrid placed = loaded.placed;
    PlacedGrid solution{};
    count = count_solutions(placed, solution);
    return solution;
}

TEST(TechniqueLadder, GradesGeneratedProblemsAsPinned) {
    struct Case {
        const char* name;
        const char* givens;
        TechniqueCounters counters;  // box, locked, naked single, line, naked pair, triple
        bool solved;
        const char* left;  // the grid the ladder stops at when it does not solve
    };
    const Case cases[] = {
        {"box singles alone",
         "...5...3.82.....7.....46.....59.1..2..7...6..6..8.29.....79.....6.....19.3...4...",
         {9, 0, 0, 0, 0, 0},
         true,
         ""},
        {"needs naked singles",
         ".4.........1.7.2.5.3.9.8.7...6...8...5..1..6...7...4...2.3.4.8.3.8.2.9.........1.",
         {12, 2, 1, 0, 0, 0},
         true,
         ""},
        {"needs row and column singles",
         "..4...6....395....5..4...17......19..8..6..4..95......71...2..4....748....8...5..",
         {12, 3, 0, 2, 0, 0},
         true,
         ""},
        {"needs naked pairs",
         "5..8...918.3.47..........3..6......5.7..2..1.9......7..5..........31.6.768...5..4",
         {13, 3, 2, 0, 1, 0},
         true,
         ""},
        {"stalls after one locked sweep",
         "..23...5.6.5.4.......9....6......1.5.1.2.3.9.8.9......7....8.......9.6.7.4...18..",
         {1, 1, 0, 0, 0, 0},
         false,
         "..23...5.6.5.4.......9....6.....91.5.1.2.3.9.8.9......7....85......9.6.7.4...18.."},
    };
    for (const Case& c : cases) {
        GridPair grid = test::load_puzzle(c.givens);
        std::int32_t solutions = 0;
        const PlacedGrid solution = solution_of(grid, solutions);
        ASSERT_EQ(solutions, 1) << c.name << ": generated problems have one solution";

        TechniqueCounters counters;
        const bool solved = run_technique_ladder(grid.placed, grid.excluded, counters);
        EXPECT_EQ(solved, c.solved) << c.name;
        EXPECT_EQ(counters, c.counters)
            << c.name << ": got " << counters.box_single_passes << " "
            << counters.locked_candidate_sweeps << " " << counters.naked_single_scans << " "
            << counters.line_single_passes << " " << counters.naked_pair_sweeps << " "
            << counters.naked_triple_sweeps;
        const std::string reached = test::format_placed(grid.placed);
        EXPECT_EQ(reached, c.solved ? test::format_placed(solution) : std::string(c.left))
            << c.name;
    }
}

// Checks what must hold after any ladder run, whatever the problem: the grids only gained
// information, the pair invariants hold, no unit holds a digit twice, and every placed digit
// is the digit of `solution` (when the givens have one: deductions hold in every solution).
void expect_sound_run(const GridPair& before, const GridPair& after, bool solved,
                      std::int32_t solution_count, const PlacedGrid& solution,
                      const std::string& name) {
    EXPECT_EQ(solved, !has_empty_cell(after.placed)) << name << ": result";
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        const DigitMask placed = after.placed[cell];
        ASSERT_EQ(before.excluded[cell] & ~after.excluded[cell], 0)
            << name << ": exclusion cleared in cell " << cell;
        if (before.placed[cell] != 0) {
            ASSERT_EQ(placed, before.placed[cell]) << name << ": given changed in cell " << cell;
        }
        ASSERT_LE(std::popcount(static_cast<unsigned>(placed)), 1) << name << ": cell " << cell;
        if (placed != 0) {
            ASSERT_EQ(after.excluded[cell], ALL_DIGITS) << name << ": filled cell " << cell;
        }
        if (placed != 0 && solution_count > 0) {
            ASSERT_EQ(placed, solution[cell]) << name << ": placed digit in cell " << cell;
        }
    }
    for (int u = 0; u < 27; ++u) {
        const test::UnitCells unit = u < 9    ? test::row_cells(u)
                                     : u < 18 ? test::column_cells(u - 9)
                                              : test::box_cells(u - 18);
        DigitMask seen = 0;
        for (const int cell : unit) {
            ASSERT_EQ(seen & after.placed[cell], 0) << name << ": unit " << u << " cell " << cell;
            seen |= after.placed[cell];
        }
        // An empty cell excludes every digit filled in its units.
        for (const int cell : unit) {
            ASSERT_EQ(after.excluded[cell] & seen, seen)
                << name << ": unit " << u << " cell " << cell;
        }
    }
}

TEST(TechniqueLadder, RunsSoundlyOnGeneratedProblems) {
    RandomState random;
    random_seed(random, 20240601u);
    int checked = 0;
    for (int attempt = 0; attempt < 120; ++attempt) {
        DigitGrid givens{};
        DigitGrid reached{};
        TechniqueCounters attempt_counters;
        make_problem(random, givens, reached, attempt_counters);
        if (givens == DigitGrid{}) {
            continue;  // no filling had a unique solution
        }
        // The problem itself, and thinned copies that may have several solutions.
        std::vector<DigitGrid> problems{givens};
        for (int offset = 0; offset < 3; ++offset) {
            DigitGrid thinned = givens;
            for (int cell = offset; cell < CELL_COUNT; cell += 3) {
                thinned[cell] = 0;
            }
            problems.push_back(thinned);
        }
        for (const DigitGrid& problem : problems) {
            const std::string name =
                "attempt " + std::to_string(attempt) + " " + test::format_digits(problem);
            GridPair grid = test::load_puzzle(test::format_digits(problem));
            const GridPair before = grid;
            std::int32_t solution_count = 0;
            const PlacedGrid solution = solution_of(grid, solution_count);
            TechniqueCounters counters;
            const bool solved = run_technique_ladder(grid.placed, grid.excluded, counters);
            expect_sound_run(before, grid, solved, solution_count, solution, name);
            ++checked;
        }
    }
    EXPECT_GT(checked, 200) << "problems checked";
}

}  // namespace
}  // namespace cellwright
