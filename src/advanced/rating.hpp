#pragma once
// Rating a puzzle beyond the technique ladder's three classes:
//
//   class 1..3  the ladder solves it without naked pairs or triples: its grade 1..10
//   class 4     the ladder solves it, but only with naked pairs or triples   (grade 11)
//   class 5     the ladder stalls and the step-by-step solver finishes it    (grade 12)
//   no class    even the step-by-step solver stalls (the puzzle needs guessing), or the
//               puzzle has no solution                                      (grade 0)
//
// Classes 1..3 and their grades are exactly the batch's; the two further grades let a
// problem line carry classes 4 and 5. Whatever the class, the step-by-step solver's run from
// the givens gives the steps per technique and the hardest technique used.

#include <cstdint>
#include <optional>

#include "advanced/step_solver.hpp"
#include "grid/grid.hpp"

namespace cellwright {

inline constexpr std::int32_t CLASS_4_GRADE = 11;
inline constexpr std::int32_t CLASS_5_GRADE = 12;

// The class 1..5 of a grade 1..12; 0 for any other value.
std::int32_t rating_class(std::int32_t grade);

struct PuzzleRating {
    TechniqueCounters counters;                // the technique ladder's productive passes
    bool ladder_solved = false;                // the ladder filled every cell
    std::int32_t score = 0;                    // the ladder's score, for classes 1..3 only (else 0)
    std::int32_t grade = 0;                    // 1..12, 0 for no class
    std::int32_t difficulty_class = 0;         // 1..5, 0 for no class
    StepStatus outcome = StepStatus::stalled;  // how the step-by-step solver ended
    StepCounts steps{};                        // its steps per technique
    std::optional<StepTechnique> hardest;      // its dearest technique used, if any step
    DigitGrid solution{};  // the step-by-step solver's grid: complete when it solved
};

// Rates `givens`. Clashing givens make a contradiction and no class.
PuzzleRating rate_puzzle(const DigitGrid& givens);

// The same, when the ladder has already run on these givens with the result given (as a
// problem attempt runs it): only the step-by-step solver runs.
PuzzleRating rate_after_ladder(const DigitGrid& givens, const TechniqueCounters& counters,
                               bool ladder_solved);

// The dearest technique with a step in `steps`, if any.
std::optional<StepTechnique> hardest_technique(const StepCounts& steps);

}  // namespace cellwright
