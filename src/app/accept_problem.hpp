#pragma once
// The batch loop's inner part, shared by the program and every tool that generates problems:
// attempt after attempt until one yields a problem of the requested class.

#include "app/problem_record.hpp"
#include "generator/make_problem.hpp"
#include "random/random.hpp"

namespace cellwright {

// Runs `make_problem` into `record` until an attempt succeeds, needed neither naked pairs nor
// naked triples, and grades into `difficulty_class` (1..3); `record.grade` then holds its
// grade and `counters` its ladder counts. Rejected attempts leave their data in `record`,
// overwritten by the next. Prints nothing.
void accept_next_problem(RandomState& random, int difficulty_class, ProblemRecord& record,
                         TechniqueCounters& counters, AttemptTally* tally = nullptr);

}  // namespace cellwright
