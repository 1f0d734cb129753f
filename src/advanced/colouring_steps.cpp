// Simple colouring: the strong links of one digit (units where it is open in exactly two
// cells) join cells into clusters; giving linked cells opposite colours, exactly one colour
// of a cluster holds the digit. Trap: a cell outside the cluster that sees both colours
// cannot hold it. Wrap: a colour with two cells in one unit cannot be the true one.

#include <bit>

#include "advanced/techniques.hpp"

namespace cellwright {
namespace {

struct Cluster {
    std::array<CellSet, 2> colours{};
    bool consistent = true;  // no strong link joins two cells of one colour
};

// The cluster of digit index `d` that holds `start`, coloured from it.
Cluster colour_cluster(const CandidateView& view, int d, int start) {
    Cluster cluster;
    std::array<std::uint8_t, CELL_COUNT> queue{};
    std::array<std::uint8_t, CELL_COUNT> colour_of{};
    int head = 0;
    int tail = 0;
    queue[tail++] = static_cast<std::uint8_t>(start);
    cluster.colours[0].insert(start);
    while (head < tail) {
        const int cell = queue[head++];
        const int colour = colour_of[cell];
        for (const int unit : UNITS_OF_CELL[cell]) {
            const unsigned places = open_positions(view, unit, d);
            if (position_count(places) != 2) {
                continue;
            }
            const int partner = link_ends(unit, places).other(cell);
            if (cluster.colours[0].contains(partner) || cluster.colours[1].contains(partner)) {
                cluster.consistent = cluster.consistent && colour_of[partner] != colour;
                continue;
            }
            colour_of[partner] = static_cast<std::uint8_t>(1 - colour);
            cluster.colours[1 - colour].insert(partner);
            queue[tail++] = static_cast<std::uint8_t>(partner);
        }
    }
    return cluster;
}

// The cells of digit index `d` that are in some strong link.
CellSet linked_cells(const CandidateView& view, int d) {
    CellSet linked;
    for (int unit = 0; unit < UNIT_COUNT; ++unit) {
        if (position_count(open_positions(view, unit, d)) == 2) {
            linked = linked | (view.open[d] & UNIT_SETS[unit]);
        }
    }
    return linked;
}

CellSet seen_by(const CellSet& cells) {
    CellSet seen;
    for_each_cell(cells, [&](int cell) { seen = seen | PEERS[cell]; });
    return seen;
}

bool colour_step(StepTechnique technique, int d, const CellSet& first, const CellSet& second,
                 const CellSet& removed, SolveStep& step) {
    begin_step(step, technique);
    step.digits = DIGIT_MASKS[d + 1];
    for_each_cell(first, [&](int cell) { add_pattern_cell(step, cell, step.digits); });
    step.first_group = step.cell_count;
    for_each_cell(second, [&](int cell) { add_pattern_cell(step, cell, step.digits); });
    return eliminate_digit(step, removed, d + 1);
}

// Calls `act(d, cluster)` for each consistent cluster, digits 1..9, clusters by their lowest
// cell, until it returns true.
template <typename Act>
bool any_cluster(const CandidateView& view, Act&& act) {
    for (int d = 0; d < 9; ++d) {
        CellSet remaining = linked_cells(view, d);
        while (!remaining.empty()) {
            const Cluster cluster = colour_cluster(view, d, first_cell(remaining));
            remaining = remaining - cluster.colours[0] - cluster.colours[1];
            if (cluster.consistent && act(d, cluster)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

bool find_colour_trap(const CandidateView& view, SolveStep& step) {
    return any_cluster(view, [&](int d, const Cluster& cluster) {
        const CellSet& a = cluster.colours[0];
        const CellSet& b = cluster.colours[1];
        const CellSet removed = (view.open[d] & seen_by(a) & seen_by(b)) - a - b;
        return !removed.empty() && colour_step(StepTechnique::colour_trap, d, a, b, removed, step);
    });
}

bool find_colour_wrap(const CandidateView& view, SolveStep& step) {
    return any_cluster(view, [&](int d, const Cluster& cluster) {
        for (int colour = 0; colour < 2; ++colour) {
            const CellSet& cells = cluster.colours[colour];
            const bool meets_itself =
                any_cell(cells, [&](int cell) { return !(PEERS[cell] & cells).empty(); });
            if (meets_itself) {
                return colour_step(StepTechnique::colour_wrap, d, cells,
                                   cluster.colours[1 - colour], cells, step);
            }
        }
        return false;
    });
}

}  // namespace cellwright
