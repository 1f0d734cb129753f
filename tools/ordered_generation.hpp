#pragma once
// Generating a numbered range of problems on several threads while handing them out in
// number order. Problem i of a run seeded with S is the first accepted problem of its own
// RandomState derived from (S, i), so the result depends on S and i alone: not on the number
// of threads, on timing, or on which machine makes which range.

#include <cstdint>
#include <functional>

#include <cellwright/cellwright.hpp>

namespace cellwright::tool {

struct GeneratedProblem {
    std::uint64_t index = 0;
    Problem problem;  // cellwright::generate_problem's problem `index`
};

// Generates problems first .. first + count - 1 of class `difficulty_class`, which must be
// 1..3 (the command line sees to it), on `jobs` threads (at least 1) and calls
// `consume` with each on the calling thread, in index order. When `consume` returns false the
// run stops: problems under way are finished and dropped. Returns false when it stopped so.
bool generate_in_order(std::uint64_t seed, std::uint64_t first, std::uint64_t count,
                       int difficulty_class, unsigned jobs,
                       const std::function<bool(const GeneratedProblem&)>& consume);

}  // namespace cellwright::tool
