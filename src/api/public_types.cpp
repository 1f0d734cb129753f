#include "api/public_types.hpp"

#include "app/grading.hpp"

namespace cellwright {

LadderCounters public_counters(const TechniqueCounters& counters) {
    return {counters.box_single_passes,  counters.locked_candidate_sweeps,
            counters.naked_single_scans, counters.line_single_passes,
            counters.naked_pair_sweeps,  counters.naked_triple_sweeps};
}

Problem public_problem(const ProblemRecord& record, const TechniqueCounters& counters,
                       const AttemptTally& tally) {
    Problem problem;
    problem.givens = record.givens;
    problem.solution = record.solution;
    problem.grade = record.grade;
    problem.difficulty_class = GRADE_CLASS[record.grade];
    problem.score = difficulty_score(counters);
    problem.counters = public_counters(counters);
    problem.attempts = tally.attempts;
    problem.fillings = tally.fillings;
    return problem;
}

}  // namespace cellwright
