// The solution counter: known grids with 0, 1 and 2+ solutions, and a cross-check against a
// plain backtracking enumeration on grids cut from shuffled complete grids.

#include "count/count_solutions.hpp"
#include "count/board_lanes.hpp"
#include "count/digit_boards.hpp"

#include <algorithm>
#include <array>
#include <numeric>
#include <random>

#include <gtest/gtest.h>

#include "support/generator_probe.hpp"
#include "support/puzzle_checks.hpp"

namespace cellwright {
namespace {

using probe::digits_from_text;
using probe::masks_from_text;
using probe::text_of;

// The two lexicographically smallest completions of the empty grid.
constexpr const char* FIRST_COMPLETION =
    "123456789 456789123 789123456 214365897 365897214 897214365 531642978 642978531 978531642";
constexpr const char* SECOND_COMPLETION =
    "123456789 456789123 789123456 214365897 365897214 897214365 531642978 648971532 972538641";

// A mask no cell can hold: shows whether the counter wrote the output grid.
constexpr DigitMask SENTINEL = 0xABCD;

struct KnownCase {
    const char* name;
    const char* grid;
    std::int32_t result;
    const char* solution;  // nullptr: the output grid must stay untouched
};

TEST(CountSolutions, KnownGridsGiveKnownCountsAndSolutions) {
    const KnownCase cases[] = {
        {"complete valid grid", FIRST_COMPLETION, 1, FIRST_COMPLETION},
        {"empty grid", "", 2, SECOND_COMPLETION},
        {"1 and 2 swappable in a rectangle",
         "..3456789 456789123 789123456 ..4365897 365897214 897214365 531642978 642978531 "
         "978531642",
         2,
         "213456789 456789123 789123456 124365897 365897214 897214365 531642978 642978531 "
         "978531642"},
        {"one hole in each of four rows",
         "1234.6789 456789123 78912345. 214365897 365897214 .97214365 531642978 642978531 "
         "978.31642",
         1, FIRST_COMPLETION},
        {"dead first cell", ".12345678 9........", 0, nullptr},
        {"dead last cell",
         "........9 ......... ......... ......... ......... ......... ......... ......... "
         "12345678.",
         0, nullptr},
        {"puzzle that needs guessing",
         ".4....... ..1.7.2.5 .3.9.8.7. ..6...8.. .5..1..6. ..7...4.. .2.3.4.8. 3.8.2.9.. "
         ".......1.",
         1,
         "745231698 891476235 632958174 916547823 453812769 287693451 129364587 378125946 "
         "564789312"},
    };
    for (const KnownCase& c : cases) {
        const PlacedGrid placed = masks_from_text(c.grid);
        PlacedGrid solution;
        solution.fill(SENTINEL);
        const std::int32_t result = count_solutions(placed, solution);
        EXPECT_EQ(result, c.result) << c.name;
        if (c.solution == nullptr) {
            EXPECT_TRUE(std::all_of(solution.begin(), solution.end(),
                                    [](DigitMask m) { return m == SENTINEL; }))
                << c.name << ": output written: " << text_of(solution);
        } else {
            EXPECT_EQ(text_of(solution), text_of(digits_from_text(c.solution))) << c.name;
        }
    }
}

// The entry from unit masks, started by hand on the grids above: same count and solution as
// `count_solutions`.
TEST(CountSolutions, EntryFromUnitMasksAgrees) {
    const char* grids[] = {
        "",
        "..3456789 456789123 789123456 ..4365897 365897214 897214365 531642978 642978531 "
        "978531642",
        "1234.6789 456789123 78912345. 214365897 365897214 .97214365 531642978 642978531 "
        "978.31642",
        ".12345678 9........",
        ".4....... ..1.7.2.5 .3.9.8.7. ..6...8.. .5..1..6. ..7...4.. .2.3.4.8. 3.8.2.9.. "
        ".......1.",
    };
    for (const char* text : grids) {
        const PlacedGrid placed = masks_from_text(text);
        PlacedGrid expected_solution;
        expected_solution.fill(SENTINEL);
        const std::int32_t expected = count_solutions(placed, expected_solution);

        UnitMasks rows{};
        UnitMasks columns{};
        UnitMasks boxes{};
        for (int cell = 0; cell < CELL_COUNT; ++cell) {
            rows[row_of(cell)] |= placed[cell];
            columns[column_of(cell)] |= placed[cell];
            boxes[box_of(cell)] |= placed[cell];
        }
        PlacedGrid solution;
        solution.fill(SENTINEL);
        std::int32_t count = 0;
        count_solutions_from(placed, solution, rows, columns, boxes, count);

        EXPECT_EQ(count, expected) << text;
        EXPECT_EQ(solution, expected_solution) << text;
    }
}

// Plain enumeration of completions in lexicographic order, stopping at the second.
struct Completions {
    int count = 0;
    std::array<DigitGrid, 2> grids{};
};

bool digit_fits(const DigitGrid& grid, int cell, int digit) {
    const int row_start = 9 * row_of(cell);
    const int column = column_of(cell);
    const int box_start = 27 * (row_of(cell) / 3) + 3 * (column / 3);
    for (int k = 0; k < 9; ++k) {
        if (grid[row_start + k] == digit || grid[column + 9 * k] == digit ||
            grid[box_start + 9 * (k / 3) + k % 3] == digit) {
            return false;
        }
    }
    return true;
}

void enumerate_completions(DigitGrid& grid, int from, Completions& found) {
    int cell = from;
    while (cell < CELL_COUNT && grid[cell] != 0) {
        ++cell;
    }
    if (cell == CELL_COUNT) {
        found.grids[found.count++] = grid;
        return;
    }
    for (int digit = 1; digit <= 9 && found.count < 2; ++digit) {
        if (digit_fits(grid, cell, digit)) {
            grid[cell] = static_cast<std::uint8_t>(digit);
            enumerate_completions(grid, cell + 1, found);
            grid[cell] = 0;
        }
    }
}

// A complete grid drawn by relabelling digits, permuting bands, stacks, the rows inside a
// band and the columns inside a stack, and transposing, all of which keep a grid valid.
DigitGrid shuffled_solution(std::mt19937& engine) {
    const DigitGrid base = digits_from_text(FIRST_COMPLETION);
    std::array<int, 10> relabel{};
    std::iota(relabel.begin(), relabel.end(), 0);
    std::shuffle(relabel.begin() + 1, relabel.end(), engine);
    auto line_order = [&engine] {
        std::array<int, 3> bands{0, 1, 2};
        std::shuffle(bands.begin(), bands.end(), engine);
        std::array<int, 9> order{};
        for (int band = 0; band < 3; ++band) {
            std::array<int, 3> inner{0, 1, 2};
            std::shuffle(inner.begin(), inner.end(), engine);
            for (int k = 0; k < 3; ++k) {
                order[3 * band + k] = 3 * bands[band] + inner[k];
            }
        }
        return order;
    };
    const std::array<int, 9> rows = line_order();
    const std::array<int, 9> columns = line_order();
    const bool transpose = (engine() & 1u) != 0;
    DigitGrid grid{};
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const int source = 9 * rows[row] + columns[column];
            const int target = transpose ? 9 * column + row : 9 * row + column;
            grid[target] = static_cast<std::uint8_t>(relabel[base[source]]);
        }
    }
    return grid;
}

// Empties `holes` cells; with `foreign` set, also puts into one hole a digit that clashes with
// nothing placed but differs from the solution's, which usually leaves no solution at all.
DigitGrid cut_grid(std::mt19937& engine, const DigitGrid& solution, int holes, bool foreign) {
    DigitGrid grid = solution;
    std::array<int, CELL_COUNT> cells{};
    std::iota(cells.begin(), cells.end(), 0);
    std::shuffle(cells.begin(), cells.end(), engine);
    for (int k = 0; k < holes; ++k) {
        grid[cells[k]] = 0;
    }
    for (int k = 0; foreign && k < holes; ++k) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (digit != solution[cells[k]] && digit_fits(grid, cells[k], digit)) {
                grid[cells[k]] = static_cast<std::uint8_t>(digit);
                return grid;
            }
        }
    }
    return grid;
}

TEST(CountSolutions, AgreesWithPlainEnumerationOnCutGrids) {
    std::mt19937 engine(20261209);
    std::array<int, 3> seen{};
    for (int trial = 0; trial < 300; ++trial) {
        const DigitGrid solution = shuffled_solution(engine);
        ASSERT_TRUE(check::solves(solution, DigitGrid{})) << "trial " << trial;
        // Foreign digits go into fuller grids, whose exhaustive enumeration stays cheap.
        const bool foreign = trial % 3 == 0;
        const int holes = foreign ? 15 + trial % 30 : 5 + trial % 56;
        DigitGrid grid = cut_grid(engine, solution, holes, foreign);
        const std::string name = "trial " + std::to_string(trial) + ": " + text_of(grid);

        Completions expected;
        enumerate_completions(grid, 0, expected);
        const PlacedGrid placed = check::masks_of(grid);
        PlacedGrid found;
        found.fill(SENTINEL);
        const std::int32_t result = count_solutions(placed, found);

        ASSERT_EQ(result, expected.count) << name;
        if (result > 0) {
            // With two or more, the output is the second completion in lexicographic order.
            EXPECT_EQ(text_of(found), text_of(expected.grids[result - 1])) << name;
        } else {
            EXPECT_EQ(found[0], SENTINEL) << name << ": output written without a solution";
        }
        ++seen[result];
    }
    // The cross-check is only worth something if every outcome occurred often.
    for (int result = 0; result < 3; ++result) {
        EXPECT_GE(seen[result], 30) << "grids with result " << result;
    }
}

// The board of a grid's filled cells: each filled cell holds its own digit and no other, each
// empty cell is unsolved with no candidate. Digit 9 and the last cell are the odd ones out when
// cells are sorted sixteen to a vector, so both must have been seen.
TEST(DigitBoards, FilledCellsHoldTheirOwnDigits) {
    std::mt19937 engine(5);
    int last_empty = 0;
    int last_nine = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const DigitGrid solution = shuffled_solution(engine);
        const DigitGrid grid = cut_grid(engine, solution, trial % 82, false);
        const std::string name = "trial " + std::to_string(trial) + ": " + text_of(grid);
        const DigitBoards boards = filled_cells_of(check::masks_of(grid));
        for (int cell = 0; cell < CELL_COUNT; ++cell) {
            const int bit = cell % 27;
            const std::uint32_t unsolved = boards.unsolved[cell / 27] >> bit & 1;
            EXPECT_EQ(unsolved, grid[cell] == 0 ? 1u : 0u) << name << ": cell " << cell;
            for (int digit = 0; digit < 9; ++digit) {
                const std::uint32_t has = boards.candidates[4 * digit + cell / 27] >> bit & 1;
                EXPECT_EQ(has, grid[cell] == digit + 1 ? 1u : 0u)
                    << name << ": cell " << cell << ", digit " << digit + 1;
            }
        }
        last_empty += grid[80] == 0 ? 1 : 0;
        last_nine += grid[80] == 9 ? 1 : 0;
    }
    EXPECT_GT(last_empty, 0) << "grids with the last cell empty";
    EXPECT_GT(last_nine, 0) << "grids with a 9 in the last cell";
}

// An empty cell opens exactly the digits its exclusion word leaves; a filled cell keeps its own
// digit alone whatever its word says. Random words reach every digit in every cell, digit 9
// and the last cell included (the odd ones out of the vector transposition).
TEST(DigitBoards, UnexcludedCellsOpenExactlyTheirDigits) {
    std::mt19937 engine(13);
    for (int trial = 0; trial < 200; ++trial) {
        const DigitGrid solution = shuffled_solution(engine);
        const DigitGrid grid = cut_grid(engine, solution, trial % 82, false);
        ExclusionGrid excluded;
        for (DigitMask& word : excluded) {
            word = static_cast<DigitMask>(engine() & ALL_DIGITS);
        }
        const std::string name = "trial " + std::to_string(trial) + ": " + text_of(grid);
        DigitBoards boards = filled_cells_of(check::masks_of(grid));
        open_unexcluded_cells(excluded, boards);
        for (int cell = 0; cell < CELL_COUNT; ++cell) {
            for (int digit = 0; digit < 9; ++digit) {
                const std::uint32_t has =
                    boards.candidates[4 * digit + cell / 27] >> (cell % 27) & 1;
                const bool open =
                    grid[cell] == 0 ? (excluded[cell] >> digit & 1) == 0 : grid[cell] == digit + 1;
                EXPECT_EQ(has, open ? 1u : 0u)
                    << name << ": cell " << cell << ", digit " << digit + 1;
            }
        }
    }
}

// A grid cut from a shuffled solution with `holes` empty cells, after propagation.
struct PropagatedGrid {
    DigitGrid solution;
    std::string name;
    DigitBoards boards;
    bool alive;  // propagation reported no dead end
};

PropagatedGrid propagate_cut_grid(std::mt19937& engine, int trial, int holes) {
    PropagatedGrid cut;
    cut.solution = shuffled_solution(engine);
    const DigitGrid grid = cut_grid(engine, cut.solution, holes, false);
    cut.name = "trial " + std::to_string(trial) + ": " + text_of(grid);
    cut.boards = filled_cells_of(check::masks_of(grid));
    open_empty_cells(cut.boards);
    cut.alive = fill_forced_cells(cut.boards);
    return cut;
}

// Propagation must keep every completion: on grids cut from a known solution, down to a
// handful of givens, the forced cells never report a dead end and never take a digit of that
// solution from its cell. A wrong row, column or box rule (say a borrow leaking from one row
// of a band word into the next) would fill some cell with a digit the solution does not have.
TEST(DigitBoards, ForcedCellsKeepAKnownSolution) {
    std::mt19937 engine(7);
    for (int trial = 0; trial < 400; ++trial) {
        const PropagatedGrid cut = propagate_cut_grid(engine, trial, 20 + trial % 61);
        const std::string& name = cut.name;
        const DigitBoards& boards = cut.boards;
        ASSERT_TRUE(cut.alive) << name;
        for (int cell = 0; cell < CELL_COUNT; ++cell) {
            const int digit = cut.solution[cell] - 1;
            EXPECT_NE(boards.candidates[4 * digit + cell / 27] >> (cell % 27) & 1, 0u)
                << name << ": cell " << cell << " lost its digit";
        }
    }
}

// Propagation must also finish its work: when it reports no dead end, no empty cell is left
// with one candidate and no digit with one place in a row, column or box is left unfilled.
// Checking several digits in one pass must not drop the singles of any of them.
TEST(DigitBoards, ForcedCellsLeaveNoSingleBehind) {
    std::mt19937 engine(11);
    int settled = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const PropagatedGrid cut = propagate_cut_grid(engine, trial, 30 + trial % 40);
        const std::string& name = cut.name;
        const DigitBoards& boards = cut.boards;
        ASSERT_TRUE(cut.alive) << name;
        auto has = [&](int digit, int cell) {
            return (boards.candidates[4 * digit + cell / 27] >> (cell % 27) & 1) != 0;
        };
        auto empty = [&](int cell) { return (boards.unsolved[cell / 27] >> (cell % 27) & 1) != 0; };
        for (int cell = 0; cell < CELL_COUNT; ++cell) {
            int candidates = 0;
            for (int digit = 0; digit < 9; ++digit) {
                candidates += has(digit, cell) ? 1 : 0;
            }
            EXPECT_TRUE(!empty(cell) || candidates >= 2) << name << ": naked single at " << cell;
        }
        for (int unit = 0; unit < 27; ++unit) {
            const int index = unit % 9;
            for (int digit = 0; digit < 9; ++digit) {
                int places = 0;
                int last = 0;
                for (int k = 0; k < 9; ++k) {
                    const int cell = unit < 9    ? 9 * index + k
                                     : unit < 18 ? index + 9 * k
                                                 : BOX_ORIGINS[index] + BOX_OFFSETS[k];
                    if (has(digit, cell)) {
                        ++places;
                        last = cell;
                    }
                }
                EXPECT_TRUE(places != 1 || !empty(last))
                    << name << ": digit " << digit + 1 << " has one place in unit " << unit
                    << " at cell " << last;
            }
        }
        settled += boards.unsolved[0] == 0 && boards.unsolved[1] == 0 && boards.unsolved[2] == 0;
    }
    // Grids that singles solve outright and grids that need a guess both occurred.
    EXPECT_GT(settled, 20) << "grids solved by singles";
    EXPECT_LT(settled, 380) << "grids solved by singles";
}

}  // namespace
}  // namespace cellwright
