#include "advanced/candidate_view.hpp"

#include <bit>

namespace cellwright {
namespace {

// Removes `digits` from the candidates of empty cell `cell`.
void remove_candidates(CandidateView& view, int cell, DigitMask digits) {
    const DigitMask left = and_not(view.candidates[cell], digits);
    for_each_bit(static_cast<unsigned>(view.candidates[cell] & digits),
                 [&](int d) { view.open[d].erase(cell); });
    view.candidates[cell] = left;
    if (digit_count(left) == 2) {
        view.bivalue.insert(cell);
    } else {
        view.bivalue.erase(cell);
    }
}

}  // namespace

void build_candidate_view(const PlacedGrid& placed, const ExclusionGrid& excluded,
                          CandidateView& view) {
    view = CandidateView{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (placed[cell] != 0) {
            view.holding[digit_of(placed[cell]) - 1].insert(cell);
            continue;
        }
        const DigitMask candidates = candidates_of(excluded[cell]);
        view.candidates[cell] = candidates;
        view.empty.insert(cell);
        if (digit_count(candidates) == 2) {
            view.bivalue.insert(cell);
        }
        for_each_bit(static_cast<unsigned>(candidates), [&](int d) { view.open[d].insert(cell); });
    }
}

void apply_step_to_view(CandidateView& view, const SolveStep& step) {
    if (step.placed_digit != 0) {
        const int cell = step.placed_cell;
        const int d = step.placed_digit - 1;
        remove_candidates(view, cell, ALL_DIGITS);
        view.empty.erase(cell);
        view.holding[d].insert(cell);
        for_each_cell(view.open[d] & PEERS[cell],
                      [&](int peer) { remove_candidates(view, peer, DIGIT_MASKS[d + 1]); });
    }
    for (int i = 0; i < step.elimination_count; ++i) {
        remove_candidates(view, step.eliminations[i].cell, step.eliminations[i].digits);
    }
}

CellSet cells_at(int unit, unsigned positions) {
    CellSet cells;
    for_each_bit(positions, [&](int p) { cells.insert(UNIT_CELLS[unit][p]); });
    return cells;
}

}  // namespace cellwright
