#include "app/accept_problem.hpp"

#include "app/grading.hpp"

namespace cellwright {

void accept_next_problem(RandomState& random, int difficulty_class, ProblemRecord& record,
                         TechniqueCounters& counters, AttemptTally* tally) {
    for (;;) {
        if (!make_problem(random, record.givens, record.solution, counters, tally)) {
            continue;
        }
        // A problem that needed naked pairs or triples is never accepted, whatever its score.
        if (counters.naked_pair_sweeps != 0 || counters.naked_triple_sweeps != 0) {
            continue;
        }
        record.grade = grade_from_score(difficulty_score(counters));
        if (GRADE_CLASS[record.grade] == difficulty_class) {
            return;
        }
    }
}

}  // namespace cellwright
