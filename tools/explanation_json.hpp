#pragma once
// The JSON record `explain` writes for one puzzle.

#include <string>

#include <cellwright/cellwright.hpp>

namespace cellwright::tool {

// The record of `grid` explained, on one line: givens, status ("step" for a hint, "solved",
// "stalled" or "contradiction"), text, steps, grid (as the steps leave it), version. Each
// step: technique (a key as `grade` writes it), text, units ("row 3"), pattern and
// eliminations ([{"cell": "r1c1", "digits": [1, 2]}]), placement ({"cell": "r5c6", "digit":
// 7}, or null when the step only eliminates).
std::string explanation_json(const Grid& grid, const Explanation& explanation);

}  // namespace cellwright::tool
