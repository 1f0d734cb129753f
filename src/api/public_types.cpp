#include "api/public_types.hpp"

#include "app/grading.hpp"

namespace cellwright {

static_assert(TECHNIQUE_COUNT == STEP_TECHNIQUE_COUNT);
static_assert(static_cast<int>(Technique::pointing) == technique_index(StepTechnique::pointing));
static_assert(static_cast<int>(Technique::x_wing) == technique_index(StepTechnique::x_wing));
static_assert(static_cast<int>(Technique::aic) == technique_index(StepTechnique::aic));

LadderCounters public_counters(const TechniqueCounters& counters) {
    return {counters.box_single_passes,  counters.locked_candidate_sweeps,
            counters.naked_single_scans, counters.line_single_passes,
            counters.naked_pair_sweeps,  counters.naked_triple_sweeps};
}

Technique public_technique(StepTechnique technique) {
    return static_cast<Technique>(technique_index(technique));
}

std::optional<Technique> public_technique(std::optional<StepTechnique> technique) {
    if (!technique) {
        return std::nullopt;
    }
    return public_technique(*technique);
}

TechniqueSteps public_steps(const StepCounts& steps) {
    TechniqueSteps result{};
    for (int i = 0; i < TECHNIQUE_COUNT; ++i) {
        result[i] = steps[i];
    }
    return result;
}

SolveStatus public_status(StepStatus status) {
    switch (status) {
        case StepStatus::step:
            return SolveStatus::step;
        case StepStatus::solved:
            return SolveStatus::solved;
        case StepStatus::stalled:
            return SolveStatus::stalled;
        case StepStatus::contradiction:
            return SolveStatus::contradiction;
    }
    return SolveStatus::stalled;
}

bool is_possible_kind(const ProblemKind& kind) noexcept {
    if (kind.difficulty_class < 1 || kind.difficulty_class > 5) {
        return false;
    }
    if (!kind.hardest) {
        return true;
    }
    const int index = static_cast<int>(*kind.hardest);
    return kind.difficulty_class >= 4 && index >= 0 && index < TECHNIQUE_COUNT &&
           can_be_hardest_beyond_ladder(static_cast<StepTechnique>(index));
}

Problem public_problem(const ProblemRecord& record, const TechniqueCounters& counters,
                       const PuzzleRating& rating, const AttemptTally& tally) {
    Problem problem;
    problem.givens = record.givens;
    problem.solution = record.solution;
    problem.grade = record.grade;
    problem.difficulty_class = rating_class(record.grade);
    problem.score = problem.difficulty_class <= 3 ? difficulty_score(counters) : 0;
    problem.counters = public_counters(counters);
    problem.hardest = public_technique(rating.hardest);
    problem.steps = public_steps(rating.steps);
    problem.attempts = tally.attempts;
    problem.fillings = tally.fillings;
    return problem;
}

}  // namespace cellwright
