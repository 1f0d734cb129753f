// Ratings beyond the three classes and the making of class 4 and 5 problems: the known
// attempts of seed 0, agreement with the batch's grading on many attempts, first-accepted
// problems of a stream, and one problem's whole explanation, pinned.

#include "advanced/rating.hpp"

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "advanced/advanced_problem.hpp"
#include "advanced/step_text.hpp"
#include "app/grading.hpp"
#include "random/random_stream.hpp"
#include "support/batch_text.hpp"
#include "support/generator_probe.hpp"
#include "support/grid_builders.hpp"
#include "support/known_puzzles.hpp"
#include "support/puzzle_checks.hpp"

namespace cellwright {
namespace {

bool same_state(const RandomState& a, const RandomState& b) {
    return a.position == b.position && a.words == b.words;
}

TEST(Rating, GradesBeyondTenNameClassesFourAndFive) {
    const std::pair<int, int> cases[] = {{0, 0},  {1, 1},  {4, 1},  {5, 2},  {7, 2}, {8, 3},
                                         {10, 3}, {11, 4}, {12, 5}, {13, 0}, {-1, 0}};
    for (const auto& [grade, difficulty_class] : cases) {
        EXPECT_EQ(rating_class(grade), difficulty_class) << "grade " << grade;
    }
}

TEST(Rating, SeedZeroAttemptsRateAsKnown) {
    // The first attempt of seed 0 needs a naked pair: class 4. The third is the first problem
    // of a class 2 batch, grade 7.
    RandomState random;
    random_seed(random, 0);
    DigitGrid givens[3];
    DigitGrid solutions[3];
    for (int i = 0; i < 3; ++i) {
        TechniqueCounters counters;
        make_problem(random, givens[i], solutions[i], counters);
    }
    const PuzzleRating first = rate_puzzle(givens[0]);
    EXPECT_EQ(first.counters, (TechniqueCounters{13, 3, 2, 0, 1, 0}));
    EXPECT_EQ(first.grade, CLASS_4_GRADE);
    EXPECT_EQ(first.difficulty_class, 4);
    EXPECT_EQ(first.outcome, StepStatus::solved);
    EXPECT_EQ(first.solution, solutions[0]);

    EXPECT_EQ(givens[2], check::grid_from_text(known::GRADE_7_PUZZLE));
    const PuzzleRating third = rate_puzzle(givens[2]);
    EXPECT_EQ(third.score, 10212);
    EXPECT_EQ(third.grade, 7);
    EXPECT_EQ(third.difficulty_class, 2);
    EXPECT_EQ(third.solution, solutions[2]);
}

TEST(Rating, AgreesWithTheBatchOnEveryAttempt) {
    RandomState random;
    random_seed_stream(random, 3, 0);
    int counts[6] = {};
    for (int i = 0; i < 500; ++i) {
        DigitGrid givens{};
        DigitGrid solution{};
        TechniqueCounters counters;
        const bool solved = make_problem(random, givens, solution, counters);
        if (!solved && givens == DigitGrid{}) {
            continue;  // every filling failed: no puzzle
        }
        const PuzzleRating rating = rate_puzzle(givens);
        const std::string name = "attempt " + std::to_string(i);
        const bool subsets = counters.naked_pair_sweeps != 0 || counters.naked_triple_sweeps != 0;
        const int batch_class = GRADE_CLASS[grade_from_score(difficulty_score(counters))];
        const int expected = solved && !subsets                     ? batch_class
                             : solved                               ? 4
                             : rating.outcome == StepStatus::solved ? 5
                                                                    : 0;
        EXPECT_EQ(rating.difficulty_class, expected) << name;
        EXPECT_EQ(rating.counters, counters) << name;
        EXPECT_EQ(rating.ladder_solved, solved) << name;
        ASSERT_TRUE(rating.hardest.has_value()) << name;
        if (solved) {
            // What the ladder finishes, the step-by-step solver finishes, with the ladder's
            // cheap techniques alone unless the ladder needed naked pairs or triples.
            EXPECT_EQ(rating.outcome, StepStatus::solved) << name;
            EXPECT_EQ(rating.solution, solution) << name;
        }
        if (expected >= 1) {
            EXPECT_EQ(can_be_hardest_beyond_ladder(*rating.hardest), expected >= 4)
                << name << ": " << technique_key(*rating.hardest);
        }
        ++counts[expected];
    }
    for (int c = 0; c <= 5; ++c) {
        EXPECT_GT(counts[c], 0) << "class " << c;
    }
}

TEST(AdvancedProblems, AreTheFirstAttemptsOfTheirStreamsInTheirClass) {
    for (const int difficulty_class : {4, 5}) {
        for (std::uint64_t index = 0; index < 3; ++index) {
            const std::string name =
                "class " + std::to_string(difficulty_class) + " problem " + std::to_string(index);
            RandomState random;
            random_seed_stream(random, 9, index);
            ProblemRecord record;
            PuzzleRating rating;
            AttemptTally tally;
            ASSERT_TRUE(
                accept_next_advanced_problem(random, difficulty_class, record, rating, &tally));
            EXPECT_EQ(record.grade, difficulty_class == 4 ? CLASS_4_GRADE : CLASS_5_GRADE) << name;
            EXPECT_EQ(rating.difficulty_class, difficulty_class) << name;
            EXPECT_EQ(record.solution, probe::expect_sound_givens(record.givens, name)) << name;

            // The same stream attempt by attempt, each puzzle rated on its own.
            RandomState replay;
            random_seed_stream(replay, 9, index);
            DigitGrid givens{};
            std::uint64_t attempts = 0;
            do {
                ++attempts;
            } while (!fill_problem(replay, givens) ||
                     rate_puzzle(givens).difficulty_class != difficulty_class);
            EXPECT_EQ(givens, record.givens) << name;
            EXPECT_EQ(attempts, tally.attempts) << name;
            EXPECT_TRUE(same_state(replay, random)) << name;
        }
    }
}

TEST(AdvancedProblems, KeepOnlyTheAskedHardestTechniqueAndRefuseWhatCannotBe) {
    RandomState random;
    random_seed_stream(random, 9, 0);
    ProblemRecord record;
    PuzzleRating rating;
    ASSERT_TRUE(
        accept_next_advanced_problem(random, 5, record, rating, nullptr, StepTechnique::xy_wing));
    EXPECT_EQ(rating.hardest, StepTechnique::xy_wing);
    EXPECT_EQ(rate_puzzle(record.givens).hardest, StepTechnique::xy_wing);

    const RandomState before = random;
    EXPECT_FALSE(accept_next_advanced_problem(random, 3, record, rating));
    EXPECT_FALSE(accept_next_advanced_problem(random, 6, record, rating));
    EXPECT_FALSE(accept_next_advanced_problem(random, 4, record, rating, nullptr,
                                              StepTechnique::naked_single));
    EXPECT_TRUE(same_state(random, before)) << "a refused request draws nothing";
}

TEST(AdvancedProblems, AnExplanationStaysWordForWord) {
    // Problem 1 of the class 5 streams of seed 9 and every step of its solution. A change to
    // the techniques' order or wording shows here; update the file only on purpose.
    const std::string pinned =
        test::read_file(std::string(CELLWRIGHT_TEST_DATA) + "/advanced/seed9_problem1_class5.txt");
    RandomState random;
    random_seed_stream(random, 9, 1);
    ProblemRecord record;
    PuzzleRating rating;
    ASSERT_TRUE(accept_next_advanced_problem(random, 5, record, rating));
    std::ostringstream text;
    text << test::format_digits(record.givens) << '\n';
    PlacedGrid placed;
    ExclusionGrid excluded;
    TechniqueCounters counters;
    load_givens(record.givens, placed, excluded, counters);
    Contradiction contradiction;
    solve_step_by_step(placed, excluded, contradiction,
                       [&](const SolveStep& step) { text << describe_step(step) << '\n'; });
    EXPECT_EQ(text.str(), pinned);
    EXPECT_EQ(rating.hardest, StepTechnique::aic);
}

}  // namespace
}  // namespace cellwright
