#pragma once
// How often each rung of the technique ladder made progress while one puzzle was solved.
// A counter counts productive passes (a pass that places five digits adds 1), never digits.

#include <cstdint>

namespace cellwright {

struct TechniqueCounters {
    std::int32_t box_single_passes = 0;
    std::int32_t locked_candidate_sweeps = 0;
    std::int32_t naked_single_scans = 0;
    std::int32_t line_single_passes = 0;
    std::int32_t naked_pair_sweeps = 0;
    std::int32_t naked_triple_sweeps = 0;

    friend bool operator==(const TechniqueCounters&, const TechniqueCounters&) = default;
};

}  // namespace cellwright
