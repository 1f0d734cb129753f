#pragma once
// JSON Lines records of cellwright-tool: one object per line, keys in a fixed order, written
// as `"key": value` pairs separated by ", ". Every record ends with "version", the version of
// the library that made it.

#include <cstdint>
#include <string>

#include <cellwright/cellwright.hpp>

namespace cellwright::tool {

// {"box_single_passes": n, ..., "naked_triple_sweeps": n}, in LadderCounters order.
std::string counters_json(const LadderCounters& counters);

// {"box_hidden_single": n, ...}: the steps of each technique used (none of the others), in
// the order of the techniques.
std::string steps_json(const TechniqueSteps& steps);

// The `grade` record of one puzzle: puzzle, solutions, solution, solved, counters, score,
// grade, class (the ladder's: solution null unless unique, score/grade/class null unless
// graded), then rated_class, rated_grade (null when neither solver finishes), outcome (the
// step-by-step solver's: "solved", "stalled" or "contradiction"), hardest (a technique key,
// null when no step was made), steps, version.
std::string grade_json(const Grid& givens, const Grading& grade);

// The `generate` record of problem `index` of a run seeded with `seed`: index, seed, class,
// grade, score (null for classes 4 and 5), counters, givens, solution, hardest, steps,
// version.
std::string generated_json(std::uint64_t index, std::uint64_t seed, const Problem& problem);

// The `explain` record of one grid: puzzle, status ("step" for a hint, "solved", "stalled" or
// "contradiction"), text, steps, grid, version. Each step: technique (key), text, units ("row 3"),
// pattern and eliminations ([{"cell": "r1c1", "digits": [1, 2]}]), placement ({"cell":
// "r5c6", "digit": 7} or null).
std::string explanation_json(const Grid& grid, const Explanation& explanation);

}  // namespace cellwright::tool
