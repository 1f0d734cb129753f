#pragma once
// The public types of <cellwright/cellwright.hpp> filled from the engine's own. The public
// ones are copies, not the engine's types, so that the engine stays free to change.

#include <cellwright/cellwright.hpp>

#include "advanced/advanced_problem.hpp"
#include "advanced/rating.hpp"
#include "app/problem_record.hpp"
#include "generator/make_problem.hpp"

namespace cellwright {

LadderCounters public_counters(const TechniqueCounters& counters);

// The public technique of an engine one; the two lists are the same, in the same order.
Technique public_technique(StepTechnique technique);
std::optional<Technique> public_technique(std::optional<StepTechnique> technique);
TechniqueSteps public_steps(const StepCounts& steps);
SolveStatus public_status(StepStatus status);

// An accepted problem of any class: `counters` from its ladder run, `rating` from
// rate_after_ladder on its givens.
Problem public_problem(const ProblemRecord& record, const TechniqueCounters& counters,
                       const PuzzleRating& rating, const AttemptTally& tally);

}  // namespace cellwright
