#pragma once
// Grading one puzzle the way the batch grades a problem: count its solutions with the robust
// counter, run the technique ladder exactly as a problem attempt runs it on loaded givens,
// and score the counters when the ladder solved it without naked pairs or triples.

#include <cstdint>

#include "grid/grid.hpp"

namespace cellwright::tool {

struct PuzzleGrade {
    std::int32_t solutions = 0;  // 0, 1, or 2 meaning two or more
    DigitGrid solution{};        // the solution when `solutions` is 1, else all 0
    bool solved = false;         // the ladder filled every cell
    TechniqueCounters counters;  // the ladder's productive passes
    // Filled only for a graded puzzle (solved, no naked pairs, no naked triples); else 0.
    std::int32_t score = 0;
    std::int32_t grade = 0;
    std::int32_t difficulty_class = 0;

    bool graded() const { return grade != 0; }
};

// Grades `givens`, which must have no digit twice in a unit (the puzzle parser ensures it).
PuzzleGrade grade_puzzle(const DigitGrid& givens);

}  // namespace cellwright::tool
