#pragma once
// The technique ladder, cheapest rung first, and the cascade rule every driver follows. This is
// the one place that says both; the drivers, the whole ladder run and the tests take them from
// here.
//
//   rung  technique            driver                    counter
//   0     box singles          repeat_box_singles        box_single_passes
//   1     locked candidates    apply_locked_candidates   locked_candidate_sweeps
//   2     naked singles        apply_naked_singles       naked_single_scans
//   3     row/column singles   apply_line_singles        line_single_passes
//   4     naked pairs          apply_naked_pairs         naked_pair_sweeps
//   5     naked triples        apply_naked_triples       naked_triple_sweeps
//
// The cascade rule: a driver applies its technique once (a pass, scan or sweep); if that made no
// progress it returns; otherwise it adds 1 to its own counter, runs the driver of every cheaper
// rung in ladder order (box singles first), each until it finds nothing, and tries again. So
// the final, unproductive application is never counted, a driver whose first application finds
// nothing changes neither the grids nor the counters, and no driver runs a dearer one.

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "grid/grid.hpp"
#include "solver/locked_candidates.hpp"
#include "solver/naked_subsets.hpp"
#include "solver/singles.hpp"

namespace cellwright {

enum class Rung {
    box_singles,
    locked_candidates,
    naked_singles,
    line_singles,
    naked_pairs,
    naked_triples
};

using Driver = void (*)(PlacedGrid&, ExclusionGrid&, TechniqueCounters&);

struct LadderRung {
    const char* driver_name;
    Driver driver;
    std::int32_t TechniqueCounters::*counter;
};

using Ladder = std::array<LadderRung, 6>;

inline constexpr Ladder LADDER{{
    {"repeat_box_singles", repeat_box_singles, &TechniqueCounters::box_single_passes},
    {"apply_locked_candidates", apply_locked_candidates,
     &TechniqueCounters::locked_candidate_sweeps},
    {"apply_naked_singles", apply_naked_singles, &TechniqueCounters::naked_single_scans},
    {"apply_line_singles", apply_line_singles, &TechniqueCounters::line_single_passes},
    {"apply_naked_pairs", apply_naked_pairs, &TechniqueCounters::naked_pair_sweeps},
    {"apply_naked_triples", apply_naked_triples, &TechniqueCounters::naked_triple_sweeps},
}};

constexpr const LadderRung& rung_of(const Ladder& ladder, Rung rung) {
    return ladder[static_cast<std::size_t>(rung)];
}

// What a productive application of `rung` is followed by: the drivers of every cheaper rung,
// in ladder order, each until it finds nothing. `ladder` supplies the drivers; the tests build
// plain ladders to compare with.
template <Rung rung, const Ladder& ladder = LADDER>
void run_cheaper_drivers(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    [&]<std::size_t... cheaper>(std::index_sequence<cheaper...>) {
        (ladder[cheaper].driver(placed, excluded, counters), ...);
    }
    (std::make_index_sequence<static_cast<std::size_t>(rung)>{});
}

// The driver of `rung` by the cascade rule, where `apply_once(placed, excluded)` applies its
// technique once and tells whether that made progress.
template <Rung rung, const Ladder& ladder = LADDER, typename ApplyOnce>
void drive(ApplyOnce apply_once, PlacedGrid& placed, ExclusionGrid& excluded,
           TechniqueCounters& counters) {
    while (apply_once(placed, excluded)) {
        ++(counters.*rung_of(ladder, rung).counter);
        run_cheaper_drivers<rung, ladder>(placed, excluded, counters);
    }
}

// The whole ladder as a problem attempt runs it on freshly loaded givens: box singles repeated,
// then the driver of each dearer rung in turn, each only while an empty cell remains. Adds to
// `counters` (which `load_givens` zeroed); true when every cell is filled at the end.
bool run_technique_ladder(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters);

}  // namespace cellwright
