#pragma once
// JSON Lines records of cellwright-tool: one object per line, keys in a fixed order, written
// as `"key": value` pairs separated by ", ".

#include <cstdint>
#include <string>

#include "app/problem_record.hpp"
#include "grade_puzzle.hpp"

namespace cellwright::tool {

// {"box_single_passes": n, ..., "naked_triple_sweeps": n}, in TechniqueCounters order.
std::string counters_json(const TechniqueCounters& counters);

// The `grade` record of one puzzle: puzzle, solutions, solution, solved, counters, score,
// grade, class; solution is null unless unique, score/grade/class null unless graded.
std::string grade_json(const DigitGrid& givens, const PuzzleGrade& grade);

// The `generate` record of problem `index` of a run seeded with `seed`: index, seed, class,
// grade, score, counters, givens, solution.
std::string generated_json(std::uint64_t index, std::uint64_t seed, const ProblemRecord& record,
                           const TechniqueCounters& counters);

}  // namespace cellwright::tool
