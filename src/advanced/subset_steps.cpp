// Naked subsets (n cells of a unit holding only n digits between them: the digits leave the
// unit's other cells) and hidden subsets (n digits open only in n cells of a unit: the
// cells lose every other candidate), for n = 2, 3, 4.

#include <bit>

#include "advanced/combinations.hpp"
#include "advanced/techniques.hpp"

namespace cellwright {
namespace {

bool find_naked_subset(const CandidateView& view, int size, StepTechnique technique,
                       SolveStep& step) {
    for (const int unit : SWEEP_UNITS) {
        // Cells with more than `size` candidates cannot be in the subset.
        std::array<int, 9> listed{};
        int count = 0;
        int empty = 0;
        for (int p = 0; p < 9; ++p) {
            const int candidates = digit_count(view.candidates[UNIT_CELLS[unit][p]]);
            empty += candidates > 0 ? 1 : 0;
            if (candidates >= 2 && candidates <= size) {
                listed[count++] = p;
            }
        }
        if (empty <= size) {
            continue;
        }
        const bool found = any_combination(count, size, [&](const Combination& chosen) {
            DigitMask digits = 0;
            unsigned members = 0;
            for (int i = 0; i < size; ++i) {
                digits |= view.candidates[UNIT_CELLS[unit][listed[chosen[i]]]];
                members |= 1U << listed[chosen[i]];
            }
            if (digit_count(digits) != size) {
                return false;
            }
            begin_step(step, technique);
            step.digits = digits;
            add_unit(step, unit);
            // A unit lists its cells in ascending order, so both loops keep cell order.
            for (int p = 0; p < 9; ++p) {
                const int cell = UNIT_CELLS[unit][p];
                if ((members >> p & 1U) != 0) {
                    add_pattern_cell(step, cell, view.candidates[cell]);
                }
            }
            for (int p = 0; p < 9; ++p) {
                const int cell = UNIT_CELLS[unit][p];
                const DigitMask removed = view.candidates[cell] & digits;
                if ((members >> p & 1U) == 0 && removed != 0) {
                    add_elimination(step, cell, removed);
                }
            }
            return step.elimination_count > 0;
        });
        if (found) {
            return true;
        }
    }
    return false;
}

bool find_hidden_subset(const CandidateView& view, int size, StepTechnique technique,
                        SolveStep& step) {
    for (const int unit : SWEEP_UNITS) {
        // Digits open in more than `size` cells cannot be in the subset.
        std::array<int, 9> listed{};
        int count = 0;
        for (int d = 0; d < 9; ++d) {
            const int places = position_count(open_positions(view, unit, d));
            if (places >= 2 && places <= size) {
                listed[count++] = d;
            }
        }
        const bool found = any_combination(count, size, [&](const Combination& chosen) {
            unsigned positions = 0;
            DigitMask digits = 0;
            for (int i = 0; i < size; ++i) {
                positions |= open_positions(view, unit, listed[chosen[i]]);
                digits |= DIGIT_MASKS[listed[chosen[i]] + 1];
            }
            if (position_count(positions) != size) {
                return false;
            }
            begin_step(step, technique);
            step.digits = digits;
            add_unit(step, unit);
            const CellSet cells = cells_at(unit, positions);
            for_each_cell(cells, [&](int cell) {
                add_pattern_cell(step, cell, view.candidates[cell] & digits);
                const DigitMask removed = view.candidates[cell] & ~digits;
                if (removed != 0) {
                    add_elimination(step, cell, removed);
                }
            });
            return step.elimination_count > 0;
        });
        if (found) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool find_naked_pair(const CandidateView& view, SolveStep& step) {
    return find_naked_subset(view, 2, StepTechnique::naked_pair, step);
}
bool find_naked_triple(const CandidateView& view, SolveStep& step) {
    return find_naked_subset(view, 3, StepTechnique::naked_triple, step);
}
bool find_naked_quad(const CandidateView& view, SolveStep& step) {
    return find_naked_subset(view, 4, StepTechnique::naked_quad, step);
}
bool find_hidden_pair(const CandidateView& view, SolveStep& step) {
    return find_hidden_subset(view, 2, StepTechnique::hidden_pair, step);
}
bool find_hidden_triple(const CandidateView& view, SolveStep& step) {
    return find_hidden_subset(view, 3, StepTechnique::hidden_triple, step);
}
bool find_hidden_quad(const CandidateView& view, SolveStep& step) {
    return find_hidden_subset(view, 4, StepTechnique::hidden_quad, step);
}

}  // namespace cellwright
