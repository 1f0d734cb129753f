// Grading and counting arbitrary puzzles, with the robust counter: a puzzle typed in by hand
// may have few givens, which the generator's counter, branching on the lowest empty cell,
// would take far too long over.

#include <cellwright/cellwright.hpp>

#include "api/public_types.hpp"
#include "app/grading.hpp"
#include "app/puzzle_text.hpp"
#include "count/count_solutions_robust.hpp"
#include "solver/ladder.hpp"

namespace cellwright {
namespace {

// The solution count of a grid that passes find_grid_fault; `solution` set when it has one.
int count_completions(const DigitGrid& givens, DigitGrid& solution) {
    PlacedGrid placed{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        placed[cell] = DIGIT_MASKS[givens[cell]];
    }
    PlacedGrid completion{};
    const int count = count_solutions_robust(placed, completion);
    if (count != 0) {
        digits_from_masks(completion, &solution);
    }
    return count;
}

}  // namespace

Grading grade_puzzle(const Grid& givens) noexcept {
    Grading result;
    if (find_grid_fault(givens).found()) {
        result.outcome = SolveStatus::contradiction;
        return result;
    }
    DigitGrid solution{};
    result.solutions = count_completions(givens, solution);
    if (result.solutions == 1) {
        result.solution = solution;
    }

    PlacedGrid placed{};
    ExclusionGrid excluded{};
    TechniqueCounters counters;
    load_givens(givens, placed, excluded, counters);
    result.solved = run_technique_ladder(placed, excluded, counters);
    result.counters = public_counters(counters);
    const bool needed_subsets =
        counters.naked_pair_sweeps != 0 || counters.naked_triple_sweeps != 0;
    if (result.solved && !needed_subsets) {
        result.score = difficulty_score(counters);
        result.grade = grade_from_score(result.score);
        result.difficulty_class = GRADE_CLASS[result.grade];
    }

    const PuzzleRating rating = rate_after_ladder(givens, counters, result.solved);
    result.rated_class = rating.difficulty_class;
    result.rated_grade = rating.grade;
    result.outcome = public_status(rating.outcome);
    result.hardest = public_technique(rating.hardest);
    result.steps = public_steps(rating.steps);
    return result;
}

SolutionCount count_solutions(const Grid& grid) noexcept {
    SolutionCount result;
    if (!find_grid_fault(grid).found()) {
        result.count = count_completions(grid, result.solution);
    }
    return result;
}

int class_of_grade(int grade) noexcept {
    return rating_class(grade);
}

}  // namespace cellwright
