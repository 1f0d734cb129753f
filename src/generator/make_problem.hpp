#pragma once
// One attempt to produce a graded problem: a pattern of given cells, up to 201 fillings of
// it until one has a unique solution, then the technique ladder on the rebuilt problem.

#include <cstdint>

#include "grid/grid.hpp"
#include "random/random.hpp"

namespace cellwright {

// How much generation work was done; for statistics only, never for decisions.
struct AttemptTally {
    std::uint64_t attempts = 0;
    std::uint64_t fillings = 0;
};

inline constexpr int MAX_FILLINGS = 201;

// The first part of an attempt: draws a pattern and fills it, up to 201 times, until the
// filling has exactly one solution; then writes that solution's digits on the given cells
// into `givens` (0 elsewhere) and returns true. When all fillings fail, returns false and
// writes nothing. Makes exactly the draws of `make_problem`.
bool fill_problem(RandomState& random, DigitGrid& givens, AttemptTally* tally = nullptr);

// True when a problem was produced that the ladder solves completely. When all fillings
// fail, returns false and writes nothing; when the ladder stalls, returns false with `givens`
// written, `solution` holding 0 where the ladder left cells empty, and the ladder's counters.
// Counters show naked pairs or triples without making the result false.
bool make_problem(RandomState& random, DigitGrid& givens, DigitGrid& solution,
                  TechniqueCounters& counters, AttemptTally* tally = nullptr);

}  // namespace cellwright
