#include "solver/ladder.hpp"

#include "grid/soundness_check.hpp"

namespace cellwright {

bool run_technique_ladder(PlacedGrid& placed, ExclusionGrid& excluded,
                          TechniqueCounters& counters) {
    const SoundOnEntryAndExit check(placed, excluded, "run_technique_ladder");
    for (const LadderRung& rung : LADDER) {
        if (!has_empty_cell(placed)) {
            return true;
        }
        rung.driver(placed, excluded, counters);
    }
    return !has_empty_cell(placed);
}

}  // namespace cellwright
