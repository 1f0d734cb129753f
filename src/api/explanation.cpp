// Hints and explanations: the step-by-step solver's steps as public records with their text.

#include "advanced/step_text.hpp"
#include "api/public_types.hpp"
#include "app/puzzle_text.hpp"

namespace cellwright {
namespace {

SolvingStep public_step(const SolveStep& step) {
    SolvingStep result;
    result.technique = public_technique(step.technique);
    result.text = describe_step(step);
    result.units.assign(step.units.begin(), step.units.begin() + step.unit_count);
    for (int i = 0; i < step.cell_count; ++i) {
        result.pattern.push_back({step.cells[i].cell, step.cells[i].digits});
    }
    if (step.placed_digit != 0) {
        result.placed_cell = step.placed_cell;
        result.placed_digit = step.placed_digit;
    }
    for (int i = 0; i < step.elimination_count; ++i) {
        result.eliminations.push_back({step.eliminations[i].cell, step.eliminations[i].digits});
    }
    return result;
}

// How a run of the solver ended, in words.
std::string outcome_text(StepStatus status, const Contradiction& contradiction) {
    switch (status) {
        case StepStatus::solved:
            return "solved";
        case StepStatus::stalled:
            return "stalled: no technique applies (the puzzle needs guessing)";
        case StepStatus::contradiction:
            return describe_contradiction(contradiction);
        case StepStatus::step:
            break;
    }
    return {};
}

// A grid with a cell outside 0..9 cannot be loaded: the result says why.
bool refuse_bad_cells(const Grid& grid, Explanation& result) {
    const GridFault fault = find_grid_fault(grid);
    if (fault.kind != GridFault::Kind::bad_cell) {
        return false;
    }
    result.status = SolveStatus::contradiction;
    result.text = "contradiction: " + describe_grid_fault(fault).value_or(std::string());
    result.grid = grid;
    return true;
}

// Every step of `grid`'s solution, or with `next_only` the next step alone.
Explanation solve_in_steps(const Grid& grid, bool next_only) {
    Explanation result;
    if (refuse_bad_cells(grid, result)) {
        return result;
    }
    PlacedGrid placed;
    ExclusionGrid excluded;
    TechniqueCounters counters;
    load_givens(grid, placed, excluded, counters);
    Contradiction contradiction;
    StepStatus status = StepStatus::stalled;
    if (next_only) {
        SolveStep step;
        status = find_next_step(placed, excluded, step, contradiction);
        if (status == StepStatus::step) {
            apply_step(placed, excluded, step);
            result.steps.push_back(public_step(step));
        }
    } else {
        status = solve_step_by_step(placed, excluded, contradiction, [&](const SolveStep& step) {
            result.steps.push_back(public_step(step));
        });
    }
    result.status = public_status(status);
    result.text =
        status == StepStatus::step ? result.steps.back().text : outcome_text(status, contradiction);
    digits_from_masks(placed, &result.grid);
    return result;
}

}  // namespace

Explanation explain(const Grid& grid) {
    return solve_in_steps(grid, false);
}

Explanation hint(const Grid& grid) {
    return solve_in_steps(grid, true);
}

}  // namespace cellwright
