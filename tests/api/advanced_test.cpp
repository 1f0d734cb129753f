// The public calls beyond the ladder: techniques by name and key, problems of classes 4 and
// 5, the rating every grading carries, hints and explanations.

#include <string>

#include <gtest/gtest.h>
#include <cellwright/cellwright.hpp>

#include "support/known_puzzles.hpp"

namespace cellwright {
namespace {

Grid grid_of(const std::string& text) {
    return parse_puzzle(text).givens;
}

TEST(Techniques, KeysAndNamesAreStableAndReadBack) {
    for (int i = 0; i < TECHNIQUE_COUNT; ++i) {
        const auto technique = static_cast<Technique>(i);
        EXPECT_EQ(technique_from_key(technique_key(technique)), technique) << i;
        EXPECT_STRNE(technique_name(technique), "") << i;
    }
    EXPECT_STREQ(technique_key(Technique::x_wing), "x_wing");
    EXPECT_STREQ(technique_name(Technique::x_wing), "X-wing");
    EXPECT_STREQ(technique_key(Technique::aic), "aic");
    EXPECT_STREQ(technique_key(static_cast<Technique>(TECHNIQUE_COUNT)), "");
    EXPECT_STREQ(technique_name(static_cast<Technique>(-1)), "");
    EXPECT_FALSE(technique_from_key("X-wing").has_value());
    EXPECT_FALSE(technique_from_key("").has_value());
}

TEST(GenerateProblem, MakesClassesFourAndFiveThatGradingAgreesWith) {
    for (const int difficulty_class : {4, 5}) {
        for (std::uint64_t index = 0; index < 2; ++index) {
            const std::string name =
                "class " + std::to_string(difficulty_class) + " #" + std::to_string(index);
            const std::optional<Problem> problem = generate_problem(11, index, difficulty_class);
            ASSERT_TRUE(problem.has_value()) << name;
            EXPECT_EQ(problem->difficulty_class, difficulty_class) << name;
            EXPECT_EQ(problem->grade, difficulty_class + 7) << name;
            EXPECT_EQ(problem->score, 0) << name;
            const Grading grading = grade_puzzle(problem->givens);
            EXPECT_EQ(grading.solutions, 1) << name;
            EXPECT_EQ(grading.solution, problem->solution) << name;
            EXPECT_FALSE(grading.graded()) << name << ": the ladder gives it no grade";
            EXPECT_EQ(grading.rated_class, difficulty_class) << name;
            EXPECT_EQ(grading.rated_grade, problem->grade) << name;
            EXPECT_EQ(grading.outcome, SolveStatus::solved) << name;
            EXPECT_EQ(grading.hardest, problem->hardest) << name;
            EXPECT_EQ(grading.steps, problem->steps) << name;
            // The line form carries the class in its grade.
            const std::string line =
                format_puzzle(problem->givens, PuzzleFormat::problem_line, problem->grade);
            EXPECT_EQ(parse_puzzle(line).grade, problem->grade) << name;
        }
    }
    const std::optional<Problem> wing = generate_problem(11, 0, {5, Technique::xy_wing});
    ASSERT_TRUE(wing.has_value());
    EXPECT_EQ(wing->hardest, Technique::xy_wing);
}

TEST(GradePuzzle, RatesEveryPuzzleAndSaysHowTheSolverEnded) {
    struct Case {
        const char* name;
        std::string puzzle;
        int rated_class;
        SolveStatus outcome;
    };
    const Case cases[] = {
        {"class 2 of the seed 0 batch", known::GRADE_7_LINE, 2, SolveStatus::solved},
        {"empty grid: many solutions", std::string(81, '.'), 0, SolveStatus::stalled},
    };
    for (const Case& c : cases) {
        const Grading grading = grade_puzzle(grid_of(c.puzzle));
        EXPECT_EQ(grading.rated_class, c.rated_class) << c.name;
        EXPECT_EQ(grading.outcome, c.outcome) << c.name;
    }
    const Grading graded = grade_puzzle(grid_of(cases[0].puzzle));
    EXPECT_EQ(graded.rated_grade, graded.grade);
    EXPECT_EQ(graded.hardest, Technique::naked_single);
    // Every empty cell is filled by one of the singles, and only they place digits.
    const int placements = graded.steps[static_cast<int>(Technique::box_hidden_single)] +
                           graded.steps[static_cast<int>(Technique::naked_single)] +
                           graded.steps[static_cast<int>(Technique::line_hidden_single)];
    EXPECT_EQ(placements, 81 - count_givens(grid_of(cases[0].puzzle)));
    EXPECT_GT(graded.steps[static_cast<int>(Technique::pointing)], 0);
    Grid clash{};
    clash[0] = clash[1] = 5;
    EXPECT_EQ(grade_puzzle(clash).outcome, SolveStatus::contradiction);
}

TEST(Explain, SolvesStepByStepAndTheHintIsItsFirstStep) {
    const std::optional<Problem> problem = generate_problem(11, 0, 5);
    ASSERT_TRUE(problem.has_value());
    const Explanation explanation = explain(problem->givens);
    EXPECT_EQ(explanation.status, SolveStatus::solved);
    EXPECT_EQ(explanation.text, "solved");
    EXPECT_EQ(explanation.grid, problem->solution);
    ASSERT_FALSE(explanation.steps.empty());
    int placements = 0;
    for (const SolvingStep& step : explanation.steps) {
        placements += step.placed_cell >= 0 ? 1 : 0;
        EXPECT_NE(step.placed_cell >= 0, !step.eliminations.empty()) << step.text;
        for (const CellDigits& gone : step.eliminations) {
            EXPECT_EQ(gone.digits & 1U << (problem->solution[gone.cell] - 1), 0U) << step.text;
        }
    }
    EXPECT_EQ(placements, 81 - count_givens(problem->givens));

    const Explanation first = hint(problem->givens);
    EXPECT_EQ(first.status, SolveStatus::step);
    ASSERT_EQ(first.steps.size(), 1u);
    EXPECT_EQ(first.steps[0].text, explanation.steps[0].text);
    EXPECT_EQ(first.text, explanation.steps[0].text);
    // The hint's grid holds its placement.
    EXPECT_EQ(first.grid[first.steps[0].placed_cell], first.steps[0].placed_digit);
}

TEST(Explain, SaysWhyAGridEnds) {
    Grid clash{};
    clash[0] = clash[8] = 5;
    Grid bad{};
    bad[12] = 10;
    struct Case {
        const char* name;
        Grid grid;
        SolveStatus status;
        const char* text;
    };
    const Case cases[] = {
        {"solved", grid_of(known::GRADE_7_SOLUTION), SolveStatus::solved, "solved"},
        {"empty grid", Grid{}, SolveStatus::stalled,
         "stalled: no technique applies (the puzzle needs guessing)"},
        {"digit twice in a row", clash, SolveStatus::contradiction,
         "contradiction: 5 twice in row 1"},
        {"cell outside 0..9", bad, SolveStatus::contradiction,
         "contradiction: row 2 column 4 holds 10, not 0..9"},
    };
    for (const Case& c : cases) {
        for (const Explanation& result : {explain(c.grid), hint(c.grid)}) {
            EXPECT_EQ(result.status, c.status) << c.name;
            EXPECT_EQ(result.text, c.text) << c.name;
            EXPECT_TRUE(result.steps.empty()) << c.name;
        }
    }
}

}  // namespace
}  // namespace cellwright
