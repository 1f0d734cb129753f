// Problem attempts: the known sequence of attempts from seed 0, and what each kind of outcome
// (solved, ladder stalled, fillings exhausted) leaves in the caller's storage.

#include "generator/make_problem.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/generator_probe.hpp"
#include "support/puzzle_checks.hpp"

namespace cellwright {
namespace {

constexpr std::uint8_t SENTINEL_DIGIT = 0xEE;
constexpr TechniqueCounters SENTINEL_COUNTERS{-1, -1, -1, -1, -1, -1};

struct Outcome {
    bool result = false;
    std::uint64_t fillings = 0;
    DigitGrid givens{};
    DigitGrid solution{};
    TechniqueCounters counters{};
};

// One attempt into storage filled with sentinels, so that untouched fields show.
Outcome attempt(RandomState& random) {
    Outcome outcome;
    outcome.givens.fill(SENTINEL_DIGIT);
    outcome.solution.fill(SENTINEL_DIGIT);
    outcome.counters = SENTINEL_COUNTERS;
    AttemptTally tally;
    outcome.result =
        make_problem(random, outcome.givens, outcome.solution, outcome.counters, &tally);
    EXPECT_EQ(tally.attempts, 1u);
    outcome.fillings = tally.fillings;
    return outcome;
}

bool all_sentinel(const DigitGrid& grid) {
    return std::all_of(grid.begin(), grid.end(),
                       [](std::uint8_t d) { return d == SENTINEL_DIGIT; });
}

// The problems themselves are pinned where the batch loop accepts them; here the outcome of
// each attempt, including the one whose fillings all fail.
TEST(MakeProblem, SeedZeroAttemptsHaveKnownOutcomes) {
    struct Expected {
        int attempt;  // 1-based position in the sequence
        bool result;
        std::uint64_t fillings;  // 0: not known
        TechniqueCounters counters;
    };
    const Expected expected[] = {
        {1, true, 0, {13, 3, 2, 0, 1, 0}},
        {2, false, 201, SENTINEL_COUNTERS},
        {3, true, 2, {12, 2, 1, 0, 0, 0}},
        {8, true, 199, {14, 3, 4, 0, 0, 0}},
    };
    RandomState random;
    random_seed(random, 0);
    int done = 0;
    for (const Expected& e : expected) {
        Outcome outcome;
        while (done < e.attempt) {
            outcome = attempt(random);
            ++done;
        }
        const std::string name = "attempt " + std::to_string(e.attempt);
        EXPECT_EQ(outcome.result, e.result) << name;
        if (e.fillings != 0) {
            EXPECT_EQ(outcome.fillings, e.fillings) << name;
        }
        EXPECT_EQ(outcome.counters, e.counters) << name;
        const bool written = e.counters != SENTINEL_COUNTERS;
        EXPECT_EQ(!all_sentinel(outcome.givens), written) << name << ": givens";
        EXPECT_EQ(!all_sentinel(outcome.solution), written) << name << ": solution";
    }
}

// Checks one outcome against its kind; returns 0 solved, 1 stalled, 2 exhausted.
int check_outcome(const Outcome& outcome, const std::vector<int>& pattern,
                  const std::string& name) {
    if (all_sentinel(outcome.givens)) {
        EXPECT_FALSE(outcome.result) << name << ": success without givens";
        EXPECT_EQ(outcome.fillings, 201u) << name << ": gave up early";
        EXPECT_TRUE(all_sentinel(outcome.solution)) << name << ": solution written";
        EXPECT_EQ(outcome.counters, SENTINEL_COUNTERS) << name << ": counters written";
        return 2;
    }
    // The givens sit exactly on the pattern drawn first, whatever filling succeeded.
    std::vector<int> given_cells;
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (outcome.givens[cell] != 0) {
            given_cells.push_back(cell);
        }
    }
    EXPECT_EQ(given_cells, pattern) << name;
    const DigitGrid unique = probe::expect_sound_givens(outcome.givens, name);
    // Solved or not, every digit the ladder reached is the solution's.
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (outcome.solution[cell] != 0) {
            EXPECT_EQ(outcome.solution[cell], unique[cell])
                << name << ": the ladder reached a wrong digit at " << cell;
        }
    }
    if (outcome.result) {
        EXPECT_TRUE(check::solves(outcome.solution, outcome.givens)) << name;
        return 0;
    }
    EXPECT_TRUE(std::count(outcome.solution.begin(), outcome.solution.end(), 0) > 0)
        << name << ": a stalled ladder must leave an empty cell";
    return 1;
}

TEST(MakeProblem, EveryOutcomeLeavesTheStorageItsContractPromises) {
    std::array<int, 3> seen{};
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        RandomState random;
        random_seed(random, seed);
        for (int i = 0; i < 25; ++i) {
            RandomState pattern_state = random;
            GivenCellList list;
            const int count = choose_given_cells(pattern_state, list);
            const Outcome outcome = attempt(random);
            const std::string name =
                "seed " + std::to_string(seed) + ", attempt " + std::to_string(i + 1);
            ++seen[check_outcome(outcome, probe::cells_of(list, count), name)];
        }
    }
    // Solved, stalled and exhausted attempts must all have been checked.
    for (int kind = 0; kind < 3; ++kind) {
        EXPECT_GE(seen[kind], 5) << "outcome kind " << kind;
    }
}

}  // namespace
}  // namespace cellwright
