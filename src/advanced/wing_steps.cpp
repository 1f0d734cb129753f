// Wings: a few two-candidate cells whose candidates force a digit z into one of two or three
// cells; z leaves every cell that sees all of them.

#include <bit>
#include <initializer_list>

#include "advanced/techniques.hpp"

namespace cellwright {
namespace {

bool wing_step(const CandidateView& view, StepTechnique technique, DigitMask z,
               const CellSet& removed, std::initializer_list<int> pattern, SolveStep& step) {
    if (removed.empty()) {
        return false;
    }
    begin_step(step, technique);
    step.digits = z;
    for (const int cell : pattern) {
        add_pattern_cell(step, cell, view.candidates[cell]);
    }
    return eliminate_digit(step, removed, digit_of(z));
}

// The strong link on digit index `x` that joins `p` and `q` (one end seeing each, neither end
// being one of them), in sweep order, if any. Writes the end seeing `p` first.
bool strong_link_between(const CandidateView& view, int x, int p, int q, int& unit_found,
                         std::array<int, 2>& ends) {
    for (const int unit : SWEEP_UNITS) {
        const unsigned places = open_positions(view, unit, x);
        if (position_count(places) != 2) {
            continue;
        }
        const auto [a, b] = link_ends(unit, places);
        if (a == p || a == q || b == p || b == q) {
            continue;
        }
        if (sees(a, p) && sees(b, q)) {
            ends = {a, b};
        } else if (sees(b, p) && sees(a, q)) {
            ends = {b, a};
        } else {
            continue;
        }
        unit_found = unit;
        return true;
    }
    return false;
}

}  // namespace

// Pivot {x,y}, pincers {x,z} and {y,z}: whichever digit the pivot takes, one pincer is z.
bool find_xy_wing(const CandidateView& view, SolveStep& step) {
    return any_cell(view.bivalue, [&](int pivot) {
        const DigitMask pivot_digits = view.candidates[pivot];
        const CellSet pincers = view.bivalue & PEERS[pivot];
        return any_cell(pincers, [&](int a) {
            const DigitMask z = view.candidates[a] & ~pivot_digits;
            if (digit_count(z) != 1) {
                return false;
            }
            const auto b_digits = static_cast<DigitMask>((pivot_digits & ~view.candidates[a]) | z);
            return any_cell(pincers, [&](int b) {
                if (b <= a || view.candidates[b] != b_digits) {
                    return false;
                }
                const CellSet removed = view.open[digit_of(z) - 1] & PEERS[a] & PEERS[b];
                return wing_step(view, StepTechnique::xy_wing, z, removed, {pivot, a, b}, step);
            });
        });
    });
}

// Pivot {x,y,z}, pincers {x,z} and {y,z}: one of the three cells is z.
bool find_xyz_wing(const CandidateView& view, SolveStep& step) {
    return any_cell(view.empty, [&](int pivot) {
        const DigitMask pivot_digits = view.candidates[pivot];
        if (digit_count(pivot_digits) != 3) {
            return false;
        }
        const CellSet pincers = view.bivalue & PEERS[pivot];
        return any_cell(pincers, [&](int a) {
            const DigitMask a_digits = view.candidates[a];
            if ((a_digits & ~pivot_digits) != 0) {
                return false;
            }
            return any_cell(pincers, [&](int b) {
                const DigitMask b_digits = view.candidates[b];
                if (b <= a || (b_digits & ~pivot_digits) != 0 ||
                    (a_digits | b_digits) != pivot_digits) {
                    return false;
                }
                const DigitMask z = a_digits & b_digits;
                const CellSet removed =
                    view.open[digit_of(z) - 1] & PEERS[pivot] & PEERS[a] & PEERS[b];
                return wing_step(view, StepTechnique::xyz_wing, z, removed, {pivot, a, b}, step);
            });
        });
    });
}

// Two cells {x,y} that do not see each other, each seeing one end of a strong link on x: if
// neither were y, both would be x and the link would have no place left for x.
bool find_w_wing(const CandidateView& view, SolveStep& step) {
    return any_cell(view.bivalue, [&](int p) {
        const DigitMask digits = view.candidates[p];
        return any_cell(view.bivalue - PEERS[p], [&](int q) {
            if (q <= p || view.candidates[q] != digits) {
                return false;
            }
            for (unsigned link_digits = digits; link_digits != 0;) {
                const int x = pop_lowest(link_digits);
                const int y = other_candidate(digits, x) + 1;
                const CellSet removed = view.open[y - 1] & PEERS[p] & PEERS[q];
                int unit = 0;
                std::array<int, 2> ends{};
                if (removed.empty() || !strong_link_between(view, x, p, q, unit, ends)) {
                    continue;
                }
                begin_step(step, StepTechnique::w_wing);
                step.digits = digits;
                add_unit(step, unit);
                add_pattern_cell(step, p, digits);
                add_pattern_cell(step, q, digits);
                step.first_group = 2;
                add_pattern_cell(step, ends[0], DIGIT_MASKS[x + 1], x + 1);
                add_pattern_cell(step, ends[1], DIGIT_MASKS[x + 1], x + 1);
                return eliminate_digit(step, removed, y);
            }
            return false;
        });
    });
}

}  // namespace cellwright
