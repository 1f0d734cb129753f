#include "solver/ladder.hpp"

#include "solver/locked_candidates.hpp"
#include "solver/naked_subsets.hpp"
#include "solver/singles.hpp"

namespace cellwright {
namespace {

using Driver = void (*)(PlacedGrid&, ExclusionGrid&, TechniqueCounters&);

constexpr std::array<Driver, 5> LADDER_DRIVERS{apply_locked_candidates, apply_naked_singles,
                                               apply_line_singles, apply_naked_pairs,
                                               apply_naked_triples};

}  // namespace

bool run_technique_ladder(PlacedGrid& placed, ExclusionGrid& excluded,
                          TechniqueCounters& counters) {
    repeat_box_singles(placed, excluded, counters);
    for (const Driver driver : LADDER_DRIVERS) {
        if (!has_empty_cell(placed)) {
            return true;
        }
        driver(placed, excluded, counters);
    }
    return !has_empty_cell(placed);
}

}  // namespace cellwright
