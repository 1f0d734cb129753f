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

// The `grade` record of one puzzle: puzzle, solutions, solution, solved, counters, score,
// grade, class, version; solution is null unless unique, score/grade/class null unless graded.
std::string grade_json(const Grid& givens, const Grading& grade);

// The `generate` record of problem `index` of a run seeded with `seed`: index, seed, class,
// grade, score, counters, givens, solution, version.
std::string generated_json(std::uint64_t index, std::uint64_t seed, const Problem& problem);

}  // namespace cellwright::tool
