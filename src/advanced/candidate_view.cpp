#include "advanced/candidate_view.hpp"

#include <bit>

namespace cellwright {
namespace {

// Removes `digits` from the candidates of empty cell `cell`.
void remove_candidates(CandidateView& view, int cell, DigitMask digits) {
    const auto left = static_cast<DigitMask>(view.candidates[cell] & ~digits);
    for (unsigned bits = view.candidates[cell] & digits; bits != 0; bits &= bits - 1) {
        view.open[std::countr_zero(bits)].erase(cell);
    }
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
        for (unsigned bits = candidates; bits != 0; bits &= bits - 1) {
            view.open[std::countr_zero(bits)].insert(cell);
        }
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
    for (; positions != 0; positions &= positions - 1) {
        cells.insert(UNIT_CELLS[unit][std::countr_zero(positions)]);
    }
    return cells;
}

}  // namespace cellwright
