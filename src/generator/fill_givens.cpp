#include "generator/fill_givens.hpp"

#include "count/count_solutions.hpp"
#include "solver/naked_subsets.hpp"

namespace cellwright {

bool fill_digits(RandomState& random, const GivenCellList& list, int count, PlacedGrid& placed,
                 ExclusionGrid& excluded) {
    if (count < 9) {
        return false;
    }
    placed.fill(0);
    excluded.fill(0);
    TechniqueCounters counters{};  // the filling's own; never read
    SweepMemory memory;            // lets each sweep skip what the last digit left alone

    // Spreading: each digit once on a random listed cell; an occupied cell is redrawn.
    for (int digit = 1; digit <= 9; ++digit) {
        int cell = 0;
        do {
            cell = list[random_below(random, count)];
        } while (placed[cell] != 0);
        place_digit(placed, excluded, cell, DIGIT_MASKS[digit]);
    }
    apply_naked_triples(placed, excluded, counters, memory);

    // Completion: a cell already filled (by the spreading or a conclusion) draws nothing.
    for (int i = 0; i < count; ++i) {
        const int cell = list[i];
        if (placed[cell] != 0) {
            continue;
        }
        const int start_digit = 1 + random_below(random, 9);
        for (int step = 0; step < 9; ++step) {
            const int digit = (start_digit - 1 + step) % 9 + 1;
            if ((excluded[cell] & DIGIT_MASKS[digit]) == 0) {
                place_digit(placed, excluded, cell, DIGIT_MASKS[digit]);
                break;
            }
        }
        if (placed[cell] == 0) {
            return false;
        }
        apply_naked_triples(placed, excluded, counters, memory);
    }
    return true;
}

bool fill_givens(RandomState& random, const GivenCellList& list, int count, PlacedGrid& solution) {
    PlacedGrid placed;
    ExclusionGrid excluded;
    // The exclusions are the filling's own sound conclusions; the count starts from them.
    return fill_digits(random, list, count, placed, excluded) &&
           count_solutions(placed, excluded, solution) == 1;
}

}  // namespace cellwright
