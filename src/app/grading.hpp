#pragma once
// Turns the counters of a solved problem into a difficulty score, a grade 1..10 and a class
// 1..3. Each later rung of the ladder weighs 100 times the one before, so one pass of a
// dearer technique outweighs up to 99 of each cheaper one.

#include <array>
#include <cstdint>

#include "grid/technique_counters.hpp"

namespace cellwright {

// line * 1000000 + naked single * 10000 + locked * 100 + box, nothing carried or capped.
// Naked pairs and triples carry no weight: problems that need them are never graded.
std::int32_t difficulty_score(const TechniqueCounters& counters);

// The grade 1..10 whose score range holds `score`.
std::int32_t grade_from_score(std::int32_t score);

// The class of each grade 1..10; entry 0 is unused.
inline constexpr std::array<std::int32_t, 11> GRADE_CLASS{0, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3};

}  // namespace cellwright
