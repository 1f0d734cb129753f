#include "advanced/rating.hpp"

#include "app/grading.hpp"
#include "solver/ladder.hpp"

namespace cellwright {

std::int32_t rating_class(std::int32_t grade) {
    if (grade >= 1 && grade <= 10) {
        return GRADE_CLASS[grade];
    }
    if (grade == CLASS_4_GRADE) {
        return 4;
    }
    return grade == CLASS_5_GRADE ? 5 : 0;
}

std::optional<StepTechnique> hardest_technique(const StepCounts& steps) {
    for (int i = STEP_TECHNIQUE_COUNT - 1; i >= 0; --i) {
        if (steps[i] != 0) {
            return static_cast<StepTechnique>(i);
        }
    }
    return std::nullopt;
}

PuzzleRating rate_after_ladder(const DigitGrid& givens, const TechniqueCounters& counters,
                               bool ladder_solved) {
    PuzzleRating rating;
    rating.counters = counters;
    rating.ladder_solved = ladder_solved;

    PlacedGrid placed;
    ExclusionGrid excluded;
    TechniqueCounters unused;
    load_givens(givens, placed, excluded, unused);
    rating.outcome = solve_step_by_step(placed, excluded, rating.steps);
    rating.hardest = hardest_technique(rating.steps);
    digits_from_masks(placed, &rating.solution);

    // Clashing givens make a contradiction; whatever the ladder filled in is then no solution.
    const bool sound = rating.outcome != StepStatus::contradiction;
    const bool needed_subsets =
        counters.naked_pair_sweeps != 0 || counters.naked_triple_sweeps != 0;
    if (sound && ladder_solved && !needed_subsets) {
        rating.score = difficulty_score(counters);
        rating.grade = grade_from_score(rating.score);
    } else if (sound && ladder_solved) {
        rating.grade = CLASS_4_GRADE;
    } else if (rating.outcome == StepStatus::solved) {
        rating.grade = CLASS_5_GRADE;
    }
    rating.difficulty_class = rating_class(rating.grade);
    return rating;
}

PuzzleRating rate_puzzle(const DigitGrid& givens) {
    PlacedGrid placed;
    ExclusionGrid excluded;
    TechniqueCounters counters;
    load_givens(givens, placed, excluded, counters);
    const bool solved = run_technique_ladder(placed, excluded, counters);
    return rate_after_ladder(givens, counters, solved);
}

}  // namespace cellwright
