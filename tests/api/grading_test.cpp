// Grading and counting through the public calls: the batches' own problems grade as the batch
// graded them, and grids that are no puzzle at all are answered safely.

#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <cellwright/cellwright.hpp>

#include "support/known_puzzles.hpp"

namespace cellwright {
namespace {

using known::GRADE_7_PUZZLE;
using known::GRADE_7_SOLUTION;

Grid grid_of(const std::string& line) {
    return parse_puzzle(line, PuzzleFormat::line).givens;
}

// A complete grid without a clash that keeps every given.
bool solves(const Grid& solution, const Grid& givens) {
    for (std::size_t cell = 0; cell < givens.size(); ++cell) {
        if (givens[cell] != 0 && givens[cell] != solution[cell]) {
            return false;
        }
    }
    return count_givens(solution) == 81 && grid_fault(solution).empty();
}

TEST(GradePuzzle, RegradesTheReferenceBatches) {
    for (int difficulty_class = 1; difficulty_class <= 3; ++difficulty_class) {
        const std::string path = std::string(CELLWRIGHT_TEST_DATA) + "/seed0_class" +
                                 std::to_string(difficulty_class) + ".dat";
        std::ifstream file(path);
        int line_number = 0;
        for (std::string line; std::getline(file, line);) {
            const std::string name = path + ":" + std::to_string(++line_number);
            const ParsedPuzzle problem = parse_puzzle(line, PuzzleFormat::problem_line);
            ASSERT_EQ(problem.error, "") << name;
            const Grading grade = grade_puzzle(problem.givens);
            EXPECT_EQ(grade.solutions, 1) << name;
            EXPECT_TRUE(grade.solved) << name;
            EXPECT_EQ(grade.grade, problem.grade) << name;
            EXPECT_EQ(grade.difficulty_class, difficulty_class) << name;
            EXPECT_TRUE(solves(grade.solution, problem.givens)) << name;
        }
        EXPECT_EQ(line_number, 30) << path;
    }
}

TEST(CountSolutions, CountsAnyGridAndRefusesNonPuzzles) {
    Grid bad_cell = grid_of(GRADE_7_PUZZLE);
    bad_cell[0] = 200;
    Grid clash{};
    clash[0] = 5;
    clash[80] = 5;
    clash[8] = 5;  // row 1 twice
    // 1..7 in the top row and a 9 in box 3 leave both last cells of the row only 8.
    std::string stuck = "1234567.........9";
    stuck.resize(81, '.');
    struct Case {
        const char* name;
        Grid grid;
        int count;
        bool fault;  // grid_fault finds one
    };
    const Case cases[] = {
        {"unique", grid_of(GRADE_7_PUZZLE), 1, false},
        {"solution itself", grid_of(GRADE_7_SOLUTION), 1, false},
        {"empty grid", Grid{}, 2, false},
        {"no completion", grid_of(stuck), 0, false},
        {"digit twice in a row", clash, 0, true},
        {"cell outside 0..9", bad_cell, 0, true},
    };
    for (const Case& test : cases) {
        const SolutionCount count = count_solutions(test.grid);
        EXPECT_EQ(count.count, test.count) << test.name;
        EXPECT_EQ(grid_fault(test.grid).empty(), !test.fault) << test.name;
        if (count.count > 0) {
            EXPECT_TRUE(solves(count.solution, test.grid)) << test.name;
        } else {
            EXPECT_EQ(count.solution, Grid{}) << test.name;
        }
        const Grading grade = grade_puzzle(test.grid);
        EXPECT_EQ(grade.solutions, test.count) << test.name;
        EXPECT_EQ(grade.solution == Grid{}, test.count != 1) << test.name;
        if (test.fault) {
            EXPECT_FALSE(grade.solved) << test.name;
            EXPECT_EQ(grade.counters.box_single_passes, 0) << test.name << ": ladder run";
        }
        EXPECT_FALSE(grade.graded() && test.count != 1) << test.name;
    }
}

TEST(ClassOfGrade, MapsGradesOneToTwelveOnly) {
    const int expected[] = {0, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 5, 0};
    for (int grade = 0; grade <= 13; ++grade) {
        EXPECT_EQ(class_of_grade(grade), expected[grade]) << "grade " << grade;
    }
    EXPECT_EQ(class_of_grade(-1), 0);
}

}  // namespace
}  // namespace cellwright
