#pragma once
// The public types of <cellwright/cellwright.hpp> filled from the engine's own. The public
// ones are copies, not the engine's types, so that the engine stays free to change.

#include <cellwright/cellwright.hpp>

#include "app/problem_record.hpp"
#include "generator/make_problem.hpp"

namespace cellwright {

LadderCounters public_counters(const TechniqueCounters& counters);

// An accepted problem, graded from the counters of its ladder run.
Problem public_problem(const ProblemRecord& record, const TechniqueCounters& counters,
                       const AttemptTally& tally);

}  // namespace cellwright
