// Fish: n rows in which a digit is open only within the same n columns. Each of the rows
// holds the digit once, so the n columns get theirs from these rows and the digit leaves the
// rest of those columns. Likewise with columns as base lines. n = 2 X-wing, 3 swordfish,
// 4 jellyfish.

#include <bit>

#include "advanced/combinations.hpp"
#include "advanced/techniques.hpp"

namespace cellwright {
namespace {

// Base lines of one orientation: rows (first unit 0) or columns (first unit 9); position p
// of a base line lies in cover line p of the other orientation.
bool find_fish_in(const CandidateView& view, int size, StepTechnique technique, int d,
                  int base_first, int cover_first, SolveStep& step) {
    std::array<int, 9> listed{};
    int count = 0;
    for (int k = 0; k < 9; ++k) {
        const int places = position_count(open_positions(view, base_first + k, d));
        if (places >= 2 && places <= size) {
            listed[count++] = k;
        }
    }
    return any_combination(count, size, [&](const Combination& chosen) {
        unsigned covers = 0;
        CellSet base;
        for (int i = 0; i < size; ++i) {
            covers |= open_positions(view, base_first + listed[chosen[i]], d);
            base = base | UNIT_SETS[base_first + listed[chosen[i]]];
        }
        if (position_count(covers) != size) {
            return false;
        }
        CellSet cover;
        for_each_bit(covers, [&](int k) { cover = cover | UNIT_SETS[cover_first + k]; });
        const CellSet removed = (view.open[d] & cover) - base;
        if (removed.empty()) {
            return false;
        }
        begin_step(step, technique);
        step.digits = DIGIT_MASKS[d + 1];
        for (int i = 0; i < size; ++i) {
            add_unit(step, base_first + listed[chosen[i]]);
        }
        step.base_units = static_cast<std::uint8_t>(size);
        for_each_bit(covers, [&](int k) { add_unit(step, cover_first + k); });
        for_each_cell(view.open[d] & base,
                      [&](int cell) { add_pattern_cell(step, cell, step.digits); });
        return eliminate_digit(step, removed, d + 1);
    });
}

bool find_fish(const CandidateView& view, int size, StepTechnique technique, SolveStep& step) {
    for (int d = 0; d < 9; ++d) {
        if (find_fish_in(view, size, technique, d, row_unit(0), column_unit(0), step) ||
            find_fish_in(view, size, technique, d, column_unit(0), row_unit(0), step)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool find_x_wing(const CandidateView& view, SolveStep& step) {
    return find_fish(view, 2, StepTechnique::x_wing, step);
}
bool find_swordfish(const CandidateView& view, SolveStep& step) {
    return find_fish(view, 3, StepTechnique::swordfish, step);
}
bool find_jellyfish(const CandidateView& view, SolveStep& step) {
    return find_fish(view, 4, StepTechnique::jellyfish, step);
}

}  // namespace cellwright
