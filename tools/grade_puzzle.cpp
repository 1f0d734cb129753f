#include "grade_puzzle.hpp"

#include "app/grading.hpp"
#include "count/count_solutions_robust.hpp"
#include "solver/ladder.hpp"

namespace cellwright::tool {

PuzzleGrade grade_puzzle(const DigitGrid& givens) {
    PuzzleGrade result;
    PlacedGrid placed{};
    ExclusionGrid excluded{};
    load_givens(givens, placed, excluded, result.counters);

    PlacedGrid solution{};
    result.solutions = count_solutions_robust(placed, solution);
    if (result.solutions == 1) {
        digits_from_masks(solution, &result.solution);
    }

    result.solved = run_technique_ladder(placed, excluded, result.counters);
    const bool needed_subsets =
        result.counters.naked_pair_sweeps != 0 || result.counters.naked_triple_sweeps != 0;
    if (result.solved && !needed_subsets) {
        result.score = difficulty_score(result.counters);
        result.grade = grade_from_score(result.score);
        result.difficulty_class = GRADE_CLASS[result.grade];
    }
    return result;
}

}  // namespace cellwright::tool
