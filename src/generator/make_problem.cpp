#include "generator/make_problem.hpp"

#include "generator/fill_givens.hpp"
#include "generator/given_cells.hpp"
#include "solver/ladder.hpp"

namespace cellwright {

bool fill_problem(RandomState& random, DigitGrid& givens, AttemptTally* tally) {
    GivenCellList list;
    const int count = choose_given_cells(random, list);
    PlacedGrid solution_masks;
    int fillings = 0;
    bool filled = false;
    while (!filled && fillings < MAX_FILLINGS) {
        filled = fill_givens(random, list, count, solution_masks);
        ++fillings;
    }
    if (tally != nullptr) {
        ++tally->attempts;
        tally->fillings += static_cast<std::uint64_t>(fillings);
    }
    if (!filled) {
        return false;
    }
    givens.fill(0);
    for (int i = 0; i < count; ++i) {
        givens[list[i]] = static_cast<std::uint8_t>(digit_of(solution_masks[list[i]]));
    }
    return true;
}

bool make_problem(RandomState& random, DigitGrid& givens, DigitGrid& solution,
                  TechniqueCounters& counters, AttemptTally* tally) {
    if (!fill_problem(random, givens, tally)) {
        return false;
    }
    PlacedGrid placed;
    ExclusionGrid excluded;
    load_givens(givens, placed, excluded, counters);
    const bool solved = run_technique_ladder(placed, excluded, counters);
    digits_from_masks(placed, &solution);
    return solved;
}

}  // namespace cellwright
