#pragma once
// Steps in words, in the r1c1 notation solvers use: rows, columns and boxes numbered 1..9,
// "=" for a placement, "<>" for an elimination; in chains "=" joins a strong link and "-"
// a weak one. For example
//
//   hidden single in box 5: r5c6 = 7
//   X-wing on 3 in rows 2 and 7, columns 4 and 8: r5c4, r6c8 <> 3
//   naked pair 1,5 in row 3 (r3c1, r3c7): r3c4 <> 1,5; r3c9 <> 5
//
// The wording is part of the interface: the same step gives the same text everywhere.

#include <string>

#include "advanced/contradiction.hpp"
#include "advanced/solve_step.hpp"

namespace cellwright {

// "r5c6" for cell 49.
std::string cell_name(int cell);

// "row 3", "column 4" or "box 5" for a unit numbered as in advanced/units.hpp.
std::string unit_name(int unit);

// One line, without a line feed, for a step the solver found.
std::string describe_step(const SolveStep& step);

// One line, for example "contradiction: r3c4 has no candidate left".
std::string describe_contradiction(const Contradiction& contradiction);

}  // namespace cellwright
