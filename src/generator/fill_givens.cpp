#include "generator/fill_givens.hpp"

#include <bit>

#include "count/count_solutions.hpp"
#include "solver/naked_subsets.hpp"

namespace cellwright {

namespace {

// True while a listed cell after entry `from` is still empty: the completion will draw for it.
bool draws_left(const PlacedGrid& placed, const GivenCellList& list, int from, int count) {
    for (int i = from; i < count; ++i) {
        if (placed[list[i]] == 0) {
            return true;
        }
    }
    return false;
}

// An empty cell with every digit ruled out. The exclusions being sound, the grid then has no
// completion: the count would answer 0, its first look finding the same cell.
bool has_dead_cell(const PlacedGrid& placed, const ExclusionGrid& excluded) {
    bool dead = false;
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        dead |= placed[cell] == 0 && excluded[cell] == ALL_DIGITS;
    }
    return dead;
}

}  // namespace

bool fill_digits(RandomState& random, const GivenCellList& list, int count, PlacedGrid& placed,
                 ExclusionGrid& excluded, LastCascade last) {
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
        // The first open digit from the drawn one upwards, 9 wrapping to 1: the lowest open
        // bit at or above the start, else the lowest open bit of all.
        const int start_bit = random_below(random, 9);
        const unsigned open = ALL_DIGITS & ~static_cast<unsigned>(excluded[cell]);
        if (open == 0) {
            return false;
        }
        const unsigned from_start = open >> start_bit << start_bit;
        const int bit = std::countr_zero(from_start != 0 ? from_start : open);
        place_digit(placed, excluded, cell, static_cast<DigitMask>(1u << bit));
        if (last == LastCascade::run || draws_left(placed, list, i + 1, count)) {
            apply_naked_triples(placed, excluded, counters, memory);
        }
    }
    return true;
}

bool fill_and_count(RandomState& random, const GivenCellList& list, int count,
                    PlacedGrid& solution) {
    PlacedGrid placed;
    ExclusionGrid excluded;
    // The exclusions are the filling's own sound conclusions; the count starts from them.
    // After the last drawn digit the filling draws nothing more, and what it would still
    // conclude removes no completion of the grid (every technique only fills a digit all
    // completions share and rules out digits none uses): the count meets the same completions
    // in the same order without it, so it is skipped.
    return fill_digits(random, list, count, placed, excluded, LastCascade::left_to_count) &&
           !has_dead_cell(placed, excluded) && count_solutions(placed, excluded, solution) == 1;
}

}  // namespace cellwright
