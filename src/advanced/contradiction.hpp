#pragma once
// What makes a grid pair impossible to complete, as far as a glance can tell: a digit placed
// twice in a unit, an empty cell without candidates, or a digit with no place left in a
// unit. A grid without such a flaw may still have no solution; the step-by-step solver then
// meets one later or stalls.

#include <cstdint>

#include "advanced/candidate_view.hpp"

namespace cellwright {

enum class ContradictionKind : std::uint8_t {
    repeated_digit,           // `digit` placed more than once in `unit`
    cell_without_candidates,  // `cell` is empty and every digit is ruled out
    digit_without_place,      // `digit` is missing from `unit` and open in none of its cells
};

struct Contradiction {
    ContradictionKind kind = ContradictionKind::repeated_digit;
    std::uint8_t cell = 0;
    std::uint8_t unit = 0;
    std::uint8_t digit = 0;
};

// The first flaw in this order: repeated digits (units in sweep order, digits 1..9), cells
// without candidates (0..80), digits without a place (units in sweep order, digits 1..9).
// True and `found` filled if there is one.
bool find_contradiction(const CandidateView& view, Contradiction& found);

// The last two kinds only: what a step of the solver can bring about, since it places a
// digit only where it is a candidate, which never repeats one.
bool find_dead_end(const CandidateView& view, Contradiction& found);

}  // namespace cellwright
