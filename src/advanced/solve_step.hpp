#pragma once
// One step of the step-by-step solver as a plain record: which technique, the cells, units
// and digits of the pattern that proves it, and what it concludes (one placement, or
// eliminations). Fixed size, so that a solving loop needs no heap.

#include <array>
#include <cstdint>

#include "advanced/technique.hpp"
#include "grid/grid.hpp"

namespace cellwright {

// A cell of a pattern with the candidates that take part in it. `digit` singles one of them
// out where the pattern needs it: the digit a chain link leaves the cell on, or the digit of
// a strong link. Chains list their cells in chain order.
struct PatternCell {
    std::uint8_t cell = 0;
    std::uint8_t digit = 0;
    DigitMask digits = 0;
};

struct Elimination {
    std::uint8_t cell = 0;
    DigitMask digits = 0;  // candidates the step removes from the cell
};

inline constexpr int MAX_STEP_UNITS = 8;

struct SolveStep {
    StepTechnique technique = StepTechnique::box_hidden_single;
    DigitMask digits = 0;  // the digits the pattern is about (see each technique)
    // Units (numbered as in advanced/units.hpp): the base units first, then `unit_count -
    // base_units` cover units, as each technique documents.
    std::uint8_t unit_count = 0;
    std::uint8_t base_units = 0;
    std::array<std::uint8_t, MAX_STEP_UNITS> units{};
    // Pattern cells; the first `first_group` of them form the pattern's first part (a
    // colour, the pincers), where a technique has two.
    std::uint8_t cell_count = 0;
    std::uint8_t first_group = 0;
    std::array<PatternCell, CELL_COUNT> cells{};
    // A placement when `placed_digit` is not 0 (only the singles place).
    std::uint8_t placed_cell = 0;
    std::uint8_t placed_digit = 0;
    // Eliminations in ascending cell order, each cell once.
    std::uint8_t elimination_count = 0;
    std::array<Elimination, CELL_COUNT> eliminations{};
};

// Empties `step` and names its technique.
inline void begin_step(SolveStep& step, StepTechnique technique) {
    step.technique = technique;
    step.digits = 0;
    step.unit_count = 0;
    step.base_units = 0;
    step.cell_count = 0;
    step.first_group = 0;
    step.placed_cell = 0;
    step.placed_digit = 0;
    step.elimination_count = 0;
}

inline void add_unit(SolveStep& step, int unit) {
    step.units[step.unit_count++] = static_cast<std::uint8_t>(unit);
}

inline void add_pattern_cell(SolveStep& step, int cell, DigitMask digits, int digit = 0) {
    step.cells[step.cell_count++] = {static_cast<std::uint8_t>(cell),
                                     static_cast<std::uint8_t>(digit), digits};
}

// Records that `digits` (not 0) leave `cell`; cells must come in ascending order.
inline void add_elimination(SolveStep& step, int cell, DigitMask digits) {
    step.eliminations[step.elimination_count++] = {static_cast<std::uint8_t>(cell), digits};
}

inline void set_placement(SolveStep& step, int cell, int digit) {
    step.placed_cell = static_cast<std::uint8_t>(cell);
    step.placed_digit = static_cast<std::uint8_t>(digit);
}

}  // namespace cellwright
