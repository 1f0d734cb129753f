#pragma once
// The step-by-step solver: at each step it takes the cheapest technique (in the order of
// advanced/technique.hpp) that makes progress, applies that one deduction, and starts again
// from the cheapest. It never guesses: it ends when the grid is full, when no technique
// helps (stalled), or when the grid shows a contradiction.
//
// It works on the grid pair of grid/grid.hpp and keeps its invariants; exclusions already in
// the pair are taken as given, so a pair that the technique ladder has advanced continues
// from where the ladder stopped.

#include <array>
#include <cstdint>

#include "advanced/contradiction.hpp"
#include "advanced/solve_step.hpp"
#include "grid/grid.hpp"

namespace cellwright {

enum class StepStatus : std::uint8_t {
    step,           // `step` holds the next deduction
    solved,         // no empty cell is left
    stalled,        // no technique makes progress
    contradiction,  // `contradiction` says what is wrong
};

// Looks for the next step without changing the grids.
StepStatus find_next_step(const PlacedGrid& placed, const ExclusionGrid& excluded, SolveStep& step,
                          Contradiction& contradiction);

// Applies a step found on this pair: places its digit or sets its eliminations' bits.
void apply_step(PlacedGrid& placed, ExclusionGrid& excluded, const SolveStep& step);

// How many steps each technique took.
using StepCounts = std::array<std::int32_t, STEP_TECHNIQUE_COUNT>;

// The search of `find_next_step` on a view of the pair, for a view in which no digit is
// placed twice in a unit (a solving loop checks that once, at its start).
StepStatus find_step_in_view(const CandidateView& view, SolveStep& step,
                             Contradiction& contradiction);

// Runs the solver to its end, calling `on_step(step)` after each step is applied. Returns
// `solved`, `stalled` or `contradiction` (then `contradiction` says what), never `step`.
// Every step sets at least one exclusion bit, so there are at most 729 of them.
template <typename OnStep>
StepStatus solve_step_by_step(PlacedGrid& placed, ExclusionGrid& excluded,
                              Contradiction& contradiction, OnStep&& on_step) {
    CandidateView view;
    build_candidate_view(placed, excluded, view);
    if (find_contradiction(view, contradiction)) {
        return StepStatus::contradiction;
    }
    SolveStep step;
    for (;;) {
        const StepStatus status = find_step_in_view(view, step, contradiction);
        if (status != StepStatus::step) {
            return status;
        }
        apply_step(placed, excluded, step);
        apply_step_to_view(view, step);
        on_step(static_cast<const SolveStep&>(step));
    }
}

// The same, counting the steps of each technique into `steps` (added to).
StepStatus solve_step_by_step(PlacedGrid& placed, ExclusionGrid& excluded, StepCounts& steps);

}  // namespace cellwright
