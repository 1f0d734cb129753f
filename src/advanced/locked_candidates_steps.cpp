// Locked candidates in both directions: a box's open cells for a digit confined to one of
// its lines (pointing), and a line's open cells for a digit confined to one box (claiming).
// Either way the digit must stand in the intersection, so it leaves the rest of the other
// unit.

#include <bit>

#include "advanced/techniques.hpp"

namespace cellwright {
namespace {

// Positions 0..8 of a box (or of a line) by box-row (or by the box they fall in).
constexpr std::array<unsigned, 3> POSITION_TRIPLES{0007, 0070, 0700};
// Positions of a box by box-column.
constexpr std::array<unsigned, 3> POSITION_COLUMNS{0111, 0222, 0444};

// The step for digit `d` (0..8) confined to the cells `unit` shares with `other`: the digit
// leaves the rest of `other`.
bool locked_step(const CandidateView& view, StepTechnique technique, int unit, int other, int d,
                 SolveStep& step) {
    const CellSet pattern = view.open[d] & UNIT_SETS[unit];
    const CellSet removed = (view.open[d] & UNIT_SETS[other]) - UNIT_SETS[unit];
    if (removed.empty()) {
        return false;
    }
    begin_step(step, technique);
    step.digits = DIGIT_MASKS[d + 1];
    add_unit(step, unit);
    add_unit(step, other);
    for_each_cell(pattern, [&](int cell) { add_pattern_cell(step, cell, step.digits); });
    return eliminate_digit(step, removed, d + 1);
}

}  // namespace

bool find_pointing(const CandidateView& view, SolveStep& step) {
    for (int box = 0; box < 9; ++box) {
        const int unit = box_unit(box);
        const int first_row = 3 * (box / 3);
        const int first_column = 3 * (box % 3);
        for (int d = 0; d < 9; ++d) {
            const unsigned positions = open_positions(view, unit, d);
            if (positions == 0) {
                continue;
            }
            for (int t = 0; t < 3; ++t) {
                if ((positions & ~POSITION_TRIPLES[t]) == 0 &&
                    locked_step(view, StepTechnique::pointing, unit, row_unit(first_row + t), d,
                                step)) {
                    return true;
                }
            }
            for (int t = 0; t < 3; ++t) {
                if ((positions & ~POSITION_COLUMNS[t]) == 0 &&
                    locked_step(view, StepTechnique::pointing, unit, column_unit(first_column + t),
                                d, step)) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool find_claiming(const CandidateView& view, SolveStep& step) {
    for (const int unit : SWEEP_UNITS) {
        if (unit >= box_unit(0)) {
            continue;
        }
        for (int d = 0; d < 9; ++d) {
            const unsigned positions = open_positions(view, unit, d);
            if (positions == 0) {
                continue;
            }
            for (int t = 0; t < 3; ++t) {
                if ((positions & ~POSITION_TRIPLES[t]) != 0) {
                    continue;
                }
                const int box = UNITS_OF_CELL[UNIT_CELLS[unit][3 * t]][2];
                if (locked_step(view, StepTechnique::claiming, unit, box, d, step)) {
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace cellwright
