// Hidden singles and naked singles as single placements.

#include <bit>

#include "advanced/techniques.hpp"

namespace cellwright {
namespace {

// The digits open in exactly one cell of `unit`.
DigitMask digits_open_once(const CandidateView& view, int unit) {
    Tally<DigitMask> tally;
    for (const int cell : UNIT_CELLS[unit]) {
        tally = tally_add(tally, view.candidates[cell]);
    }
    return exactly_once(tally);
}

// Places the digit of one-bit `digit` at its only open cell of `unit`.
bool hidden_single_step(const CandidateView& view, int unit, DigitMask digit,
                        StepTechnique technique, SolveStep& step) {
    const int d = digit_of(digit);
    begin_step(step, technique);
    step.digits = digit;
    add_unit(step, unit);
    const int cell = UNIT_CELLS[unit][std::countr_zero(open_positions(view, unit, d - 1))];
    add_pattern_cell(step, cell, digit);
    set_placement(step, cell, d);
    return true;
}

}  // namespace

bool eliminate_digit(SolveStep& step, const CellSet& cells, int digit) {
    const int before = step.elimination_count;
    for_each_cell(cells, [&](int cell) { add_elimination(step, cell, DIGIT_MASKS[digit]); });
    return step.elimination_count > before;
}

bool find_box_hidden_single(const CandidateView& view, SolveStep& step) {
    for (int box = 0; box < 9; ++box) {
        const DigitMask singles = digits_open_once(view, box_unit(box));
        if (singles != 0) {
            return hidden_single_step(view, box_unit(box), lowest_bit(singles),
                                      StepTechnique::box_hidden_single, step);
        }
    }
    return false;
}

bool find_naked_single(const CandidateView& view, SolveStep& step) {
    return any_cell(view.empty, [&](int cell) {
        if (digit_count(view.candidates[cell]) != 1) {
            return false;
        }
        begin_step(step, StepTechnique::naked_single);
        step.digits = view.candidates[cell];
        add_pattern_cell(step, cell, view.candidates[cell]);
        set_placement(step, cell, digit_of(view.candidates[cell]));
        return true;
    });
}

bool find_line_hidden_single(const CandidateView& view, SolveStep& step) {
    for (int k = 0; k < 9; ++k) {
        const DigitMask in_column = digits_open_once(view, column_unit(k));
        const DigitMask in_row = digits_open_once(view, row_unit(k));
        const DigitMask either = in_column | in_row;
        if (either != 0) {
            // Digits in ascending order, the column before the row for each.
            const DigitMask digit = lowest_bit(either);
            const int unit = (in_column & digit) != 0 ? column_unit(k) : row_unit(k);
            return hidden_single_step(view, unit, digit, StepTechnique::line_hidden_single, step);
        }
    }
    return false;
}

}  // namespace cellwright
