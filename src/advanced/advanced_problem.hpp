#pragma once
// Making problems of classes 4 and 5 with the same attempts as classes 1..3: the same
// pattern, the same fillings and the same technique ladder, drawing from the random source
// exactly as a batch does; only the choice of which attempts to keep differs.

#include <optional>

#include "advanced/rating.hpp"
#include "app/problem_record.hpp"
#include "generator/make_problem.hpp"
#include "random/random.hpp"

namespace cellwright {

// Runs attempts until one yields a problem of class `difficulty_class` (4 or 5) whose
// hardest technique is `hardest` when that is given, and returns true. `record` then holds
// the givens, the solution and the grade (11 or 12), and `rating` the problem's rating.
// Attempts of other classes are dropped; the step-by-step solver runs only on those that the
// ladder's result leaves in question.
//
// Returns false at once, drawing nothing, for any other class and for a `hardest` that no
// class 4 or 5 problem can have: the singles and pointing, the ladder's own cheap
// techniques. (When the step-by-step solver finishes a puzzle with those alone, the ladder
// finishes it without naked pairs or triples.) Rare techniques may take very many attempts.
bool accept_next_advanced_problem(RandomState& random, int difficulty_class, ProblemRecord& record,
                                  PuzzleRating& rating, AttemptTally* tally = nullptr,
                                  std::optional<StepTechnique> hardest = std::nullopt);

// True when some problem of class 4 or 5 can have `hardest` as its hardest technique.
constexpr bool can_be_hardest_beyond_ladder(StepTechnique hardest) {
    return hardest > StepTechnique::line_hidden_single;
}

}  // namespace cellwright
