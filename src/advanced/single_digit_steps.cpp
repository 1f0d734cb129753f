// Two strong links of one digit (units where it is open in exactly two cells) joined by a
// weak link (two cells that see each other): the joined cells cannot both hold the digit, so
// one of the two free ends does, and the digit leaves every cell that sees both ends.

#include <bit>

#include "advanced/techniques.hpp"

namespace cellwright {
namespace {

// The step for the chain end_a = link_a - link_b = end_b on digit `d` (0..8), if it removes
// anything; units are added by the caller.
bool chain_of_four(const CandidateView& view, StepTechnique technique, int d, int end_a, int link_a,
                   int link_b, int end_b, SolveStep& step) {
    CellSet removed = view.open[d] & PEERS[end_a] & PEERS[end_b];
    removed.erase(link_a);
    removed.erase(link_b);
    if (removed.empty()) {
        return false;
    }
    begin_step(step, technique);
    step.digits = DIGIT_MASKS[d + 1];
    for (const int cell : {end_a, link_a, link_b, end_b}) {
        add_pattern_cell(step, cell, step.digits);
    }
    return eliminate_digit(step, removed, d + 1);
}

// Skyscrapers with base lines from `base_first` (rows 0 or columns 9); position p of a base
// line lies in line p of the other orientation (`cross_first`).
bool find_skyscraper_in(const CandidateView& view, int d, int base_first, int cross_first,
                        SolveStep& step) {
    for (int a = 0; a < 9; ++a) {
        const unsigned places_a = open_positions(view, base_first + a, d);
        if (position_count(places_a) != 2) {
            continue;
        }
        for (int b = a + 1; b < 9; ++b) {
            const unsigned places_b = open_positions(view, base_first + b, d);
            const unsigned shared = places_a & places_b;
            // Both places shared is an X-wing; none, no link between the lines.
            if (position_count(places_b) != 2 || position_count(shared) != 1) {
                continue;
            }
            const UnitCellList& line_a = UNIT_CELLS[base_first + a];
            const UnitCellList& line_b = UNIT_CELLS[base_first + b];
            const int joint = std::countr_zero(shared);
            const int top_a = std::countr_zero(and_not(places_a, shared));
            const int top_b = std::countr_zero(and_not(places_b, shared));
            if (chain_of_four(view, StepTechnique::skyscraper, d, line_a[top_a], line_a[joint],
                              line_b[joint], line_b[top_b], step)) {
                add_unit(step, base_first + a);
                add_unit(step, base_first + b);
                step.base_units = 2;
                add_unit(step, cross_first + joint);
                return true;
            }
        }
    }
    return false;
}

}  // namespace

bool find_skyscraper(const CandidateView& view, SolveStep& step) {
    for (int d = 0; d < 9; ++d) {
        if (find_skyscraper_in(view, d, row_unit(0), column_unit(0), step) ||
            find_skyscraper_in(view, d, column_unit(0), row_unit(0), step)) {
            return true;
        }
    }
    return false;
}

bool find_two_string_kite(const CandidateView& view, SolveStep& step) {
    for (int d = 0; d < 9; ++d) {
        for (int row = 0; row < 9; ++row) {
            if (position_count(open_positions(view, row_unit(row), d)) != 2) {
                continue;
            }
            const LinkEnds row_link =
                link_ends(row_unit(row), open_positions(view, row_unit(row), d));
            const std::array<int, 2> in_row{row_link.low, row_link.high};
            for (int column = 0; column < 9; ++column) {
                const int unit = column_unit(column);
                if (position_count(open_positions(view, unit, d)) != 2) {
                    continue;
                }
                const LinkEnds column_link = link_ends(unit, open_positions(view, unit, d));
                const std::array<int, 2> in_column{column_link.low, column_link.high};
                for (int i = 0; i < 2; ++i) {
                    for (int j = 0; j < 2; ++j) {
                        const int row_joint = in_row[i];
                        const int column_joint = in_column[j];
                        const int row_end = in_row[1 - i];
                        const int column_end = in_column[1 - j];
                        const int box = box_of(row_joint);
                        if (row_joint == column_joint || box_of(column_joint) != box ||
                            box_of(row_end) == box || box_of(column_end) == box) {
                            continue;
                        }
                        if (chain_of_four(view, StepTechnique::two_string_kite, d, row_end,
                                          row_joint, column_joint, column_end, step)) {
                            add_unit(step, row_unit(row));
                            add_unit(step, unit);
                            step.base_units = 2;
                            add_unit(step, box_unit(box));
                            return true;
                        }
                    }
                }
            }
        }
    }
    return false;
}

}  // namespace cellwright
