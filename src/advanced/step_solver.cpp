#include "advanced/step_solver.hpp"

#include "advanced/techniques.hpp"

namespace cellwright {
namespace {

using StepFinder = bool (*)(const CandidateView&, SolveStep&);

// In the order of the StepTechnique enumeration: cheapest first.
constexpr std::array<StepFinder, STEP_TECHNIQUE_COUNT> STEP_FINDERS{
    find_box_hidden_single, find_pointing,   find_naked_single, find_line_hidden_single,
    find_claiming,          find_naked_pair, find_naked_triple, find_hidden_pair,
    find_hidden_triple,     find_naked_quad, find_hidden_quad,  find_x_wing,
    find_swordfish,         find_jellyfish,  find_skyscraper,   find_two_string_kite,
    find_xy_wing,           find_xyz_wing,   find_w_wing,       find_colour_trap,
    find_colour_wrap,       find_x_chain,    find_xy_chain,     find_aic,
};

}  // namespace

StepStatus find_step_in_view(const CandidateView& view, SolveStep& step,
                             Contradiction& contradiction) {
    if (find_dead_end(view, contradiction)) {
        return StepStatus::contradiction;
    }
    if (view.empty.empty()) {
        return StepStatus::solved;
    }
    for (const StepFinder finder : STEP_FINDERS) {
        if (finder(view, step)) {
            return StepStatus::step;
        }
    }
    return StepStatus::stalled;
}

StepStatus find_next_step(const PlacedGrid& placed, const ExclusionGrid& excluded, SolveStep& step,
                          Contradiction& contradiction) {
    CandidateView view;
    build_candidate_view(placed, excluded, view);
    if (find_contradiction(view, contradiction)) {
        return StepStatus::contradiction;
    }
    return find_step_in_view(view, step, contradiction);
}

void apply_step(PlacedGrid& placed, ExclusionGrid& excluded, const SolveStep& step) {
    if (step.placed_digit != 0) {
        place_digit(placed, excluded, step.placed_cell, DIGIT_MASKS[step.placed_digit]);
    }
    for (int i = 0; i < step.elimination_count; ++i) {
        excluded[step.eliminations[i].cell] |= step.eliminations[i].digits;
    }
}

StepStatus solve_step_by_step(PlacedGrid& placed, ExclusionGrid& excluded, StepCounts& steps) {
    Contradiction contradiction;
    return solve_step_by_step(placed, excluded, contradiction, [&](const SolveStep& step) {
        ++steps[technique_index(step.technique)];
    });
}

}  // namespace cellwright
