#include "advanced/advanced_problem.hpp"

#include "solver/ladder.hpp"

namespace cellwright {

bool accept_next_advanced_problem(RandomState& random, int difficulty_class, ProblemRecord& record,
                                  PuzzleRating& rating, AttemptTally* tally,
                                  std::optional<StepTechnique> hardest) {
    if ((difficulty_class != 4 && difficulty_class != 5) ||
        (hardest.has_value() && !can_be_hardest_beyond_ladder(*hardest))) {
        return false;
    }
    for (;;) {
        if (!fill_problem(random, record.givens, tally)) {
            continue;
        }
        PlacedGrid placed;
        ExclusionGrid excluded;
        TechniqueCounters counters;
        load_givens(record.givens, placed, excluded, counters);
        const bool solved = run_technique_ladder(placed, excluded, counters);
        const bool needed_subsets =
            counters.naked_pair_sweeps != 0 || counters.naked_triple_sweeps != 0;
        // The ladder alone settles classes 1..4; only a stalled ladder may still be class 5.
        const bool candidate = difficulty_class == 4 ? solved && needed_subsets : !solved;
        if (!candidate) {
            continue;
        }
        rating = rate_after_ladder(record.givens, counters, solved);
        if (rating.difficulty_class == difficulty_class &&
            (!hardest.has_value() || rating.hardest == hardest)) {
            record.solution = rating.solution;
            record.grade = rating.grade;
            return true;
        }
    }
}

}  // namespace cellwright
