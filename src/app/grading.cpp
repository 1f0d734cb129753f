#include "app/grading.hpp"

namespace cellwright {

std::int32_t difficulty_score(const TechniqueCounters& counters) {
    // The ladder makes at most 729 productive steps, so this cannot overflow 32 bits.
    return ((counters.line_single_passes * 100 + counters.naked_single_scans) * 100 +
            counters.locked_candidate_sweeps) *
               100 +
           counters.box_single_passes;
}

std::int32_t grade_from_score(std::int32_t score) {
    // Upper score of each grade 1..9; anything above is grade 10.
    constexpr std::array<std::int32_t, 9> GRADE_CEILINGS{7,    9,     11,     99,     199,
                                                         9999, 19999, 999999, 1999999};
    std::int32_t grade = 1;
    for (const std::int32_t ceiling : GRADE_CEILINGS) {
        if (score <= ceiling) {
            return grade;
        }
        ++grade;
    }
    return grade;
}

}  // namespace cellwright
