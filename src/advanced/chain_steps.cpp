// Chains of candidates. A chain starts from "the first candidate is false" and, link by
// link, reaches "the last candidate is true": a strong link (two candidates of which one
// must be true) turns "false" into "true", a weak link (two candidates that cannot both be
// true) turns "true" into "false". So the first or the last candidate is true, and whatever
// both would rule out goes.
//
//   X-chain   one digit; strong: the two open cells of a unit; weak: two cells that see
//             each other
//   XY-chain  two-candidate cells; strong: the two candidates of a cell; weak: one digit in
//             two cells that see each other
//   AIC       any candidates, with all of those links, and also weak: two candidates of one
//             cell
//
// The search runs breadth first from each start, so every end is reached by a shortest
// chain; the shortest useful chain overall is taken, ties by start, then end.

#include <bit>

#include "advanced/techniques.hpp"

namespace cellwright {
namespace {

constexpr int MIN_CHAIN_NODES = 4;
constexpr int NODE_COUNT = 9 * CELL_COUNT;   // node 9 * cell + digit index
constexpr int STATE_COUNT = 2 * NODE_COUNT;  // state 2 * node + 1: the candidate is true

enum class Links : std::uint8_t { one_digit, bivalue_cells, all };

constexpr int node_cell(int state) {
    return state / 18;
}
constexpr int node_digit(int state) {
    return state / 2 % 9;
}
constexpr int state_of(int cell, int d, bool on) {
    return 2 * (9 * cell + d) + (on ? 1 : 0);
}

// Breadth-first search from one start after another: `reached[state] == round` marks the
// states of the current search, at `length[state]` nodes from the start, after `previous`.
struct ChainSearch {
    std::array<std::uint16_t, STATE_COUNT> reached{};
    std::array<std::int8_t, STATE_COUNT> length;
    std::array<std::int16_t, STATE_COUNT> previous;
    std::array<std::int16_t, STATE_COUNT> queue;
    std::uint16_t round = 0;
    int head = 0;
    int tail = 0;

    bool has(int state) const { return reached[state] == round; }

    void reach(int state, int from, int nodes) {
        if (!has(state)) {
            reached[state] = round;
            length[state] = static_cast<std::int8_t>(nodes);
            previous[state] = static_cast<std::int16_t>(from);
            queue[tail++] = static_cast<std::int16_t>(state);
        }
    }

    void run(const CandidateView& view, Links links, int start, int max_nodes);
};

// Strong links out of a false candidate, weak links out of a true one.
void ChainSearch::run(const CandidateView& view, Links links, int start, int max_nodes) {
    ++round;
    head = 0;
    tail = 0;
    reach(start, start, 1);
    while (head < tail) {
        const int state = queue[head++];
        const int cell = node_cell(state);
        const int d = node_digit(state);
        const int nodes = length[state] + 1;
        if (nodes > max_nodes) {
            continue;
        }
        if (state % 2 == 0) {
            if (links != Links::one_digit && view.bivalue.contains(cell)) {
                reach(state_of(cell, other_candidate(view.candidates[cell], d), true), state,
                      nodes);
            }
            if (links != Links::bivalue_cells) {
                for (const int unit : UNITS_OF_CELL[cell]) {
                    const unsigned places = open_positions(view, unit, d);
                    if (position_count(places) == 2) {
                        reach(state_of(link_ends(unit, places).other(cell), d, true), state, nodes);
                    }
                }
            }
            continue;
        }
        if (links == Links::all) {
            for_each_bit(and_not(static_cast<unsigned>(view.candidates[cell]), 1U << d),
                         [&](int other) { reach(state_of(cell, other, false), state, nodes); });
        }
        const CellSet peers =
            links == Links::bivalue_cells ? view.bivalue & PEERS[cell] : PEERS[cell];
        for_each_cell(view.open[d] & peers,
                      [&](int peer) { reach(state_of(peer, d, false), state, nodes); });
    }
}

// The best chain so far (fewest nodes, then the order of discovery) in one of two steps; a
// candidate is written into the other, so that one that fails leaves the best intact.
struct BestChain {
    int nodes = MAX_CHAIN_NODES + 1;
    int best = 0;
    std::array<SolveStep, 2> steps;

    SolveStep& trial() { return steps[1 - best]; }
    void keep_trial(int trial_nodes) {
        nodes = trial_nodes;
        best = 1 - best;
    }
};

// The chain of `search` that ends in `last`, first node first; false when a cell comes back
// after the chain left it (other than the end returning to the start). Such a walk proves
// just as much, but it is not a plain chain to show.
bool chain_states(const ChainSearch& search, int last, std::array<int, MAX_CHAIN_NODES>& states,
                  CellSet& cells) {
    const int count = search.length[last];
    cells = CellSet{};
    for (int state = last, i = count - 1; i >= 0; state = search.previous[state], --i) {
        states[i] = state;
    }
    for (int i = 0; i < count; ++i) {
        const int cell = node_cell(states[i]);
        const bool continues = i > 0 && node_cell(states[i - 1]) == cell;
        const bool closes = i == count - 1 && cell == node_cell(states[0]);
        if (cells.contains(cell) && !continues && !closes) {
            return false;
        }
        cells.insert(cell);
    }
    return true;
}

// Whether a chain from false `start` to true `last` can remove anything: one digit in two
// cells (what sees both ends), two digits in one cell (the cell's other candidates), or two
// digits in two cells that see each other (each end's candidate of the other's digit).
bool may_conclude(const CandidateView& view, int start, int last) {
    const int first = node_cell(start);
    const int end = node_cell(last);
    const int a = node_digit(start);
    const int b = node_digit(last);
    if (first != end && a == b) {
        return !(view.open[a] & PEERS[first] & PEERS[end]).empty();
    }
    if (first == end) {
        return (view.candidates[first] & ~(1U << a | 1U << b)) != 0;
    }
    return sees(first, end) &&
           ((view.candidates[first] >> b & 1U) != 0 || (view.candidates[end] >> a & 1U) != 0);
}

// Records what that chain removes; `chain` holds its cells, which keep the digit when both
// ends are the same digit (removing it there would be sound, but obscure).
void chain_conclusion(const CandidateView& view, int start, int last, const CellSet& chain,
                      SolveStep& step) {
    const int first = node_cell(start);
    const int end = node_cell(last);
    const int a = node_digit(start);
    const int b = node_digit(last);
    if (first != end && a == b) {
        eliminate_digit(step, (view.open[a] & PEERS[first] & PEERS[end]) - chain, a + 1);
    } else if (first == end) {
        // The cell holds a or b (only a when the chain returns to its start).
        const auto removed = static_cast<DigitMask>(view.candidates[first] & ~(1U << a | 1U << b));
        add_elimination(step, first, removed);
    } else {
        // Cell `first` cannot hold b (then `end` would hold b too), nor `end` hold a.
        for (const int cell : {first < end ? first : end, first < end ? end : first}) {
            const DigitMask digit = DIGIT_MASKS[(cell == first ? b : a) + 1];
            if ((view.candidates[cell] & digit) != 0) {
                add_elimination(step, cell, digit);
            }
        }
    }
}

// Tries the chain of `search` ending in `last` as the new best.
void consider(const ChainSearch& search, int start, int last, const CandidateView& view,
              StepTechnique technique, BestChain& best) {
    const int nodes = search.length[last];
    if (nodes < MIN_CHAIN_NODES || nodes >= best.nodes || !may_conclude(view, start, last)) {
        return;
    }
    std::array<int, MAX_CHAIN_NODES> states{};
    CellSet chain;
    if (!chain_states(search, last, states, chain)) {
        return;
    }
    SolveStep& step = best.trial();
    begin_step(step, technique);
    chain_conclusion(view, start, last, chain, step);
    if (step.elimination_count == 0) {
        return;  // all it would remove lies on the chain
    }
    step.digits = DIGIT_MASKS[node_digit(last) + 1];
    for (int i = 0; i < nodes; ++i) {
        const int d = node_digit(states[i]) + 1;
        add_pattern_cell(step, node_cell(states[i]), DIGIT_MASKS[d], d);
    }
    best.keep_trial(nodes);
}

// Searches from every candidate of the cells `starts` (cells ascending, digits ascending in
// each); X- and XY-chains end on the start's digit.
bool find_chain(const CandidateView& view, Links links, const CellSet& starts,
                StepTechnique technique, SolveStep& step) {
    BestChain best;
    ChainSearch search;
    const CellSet& end_cells = links == Links::bivalue_cells ? view.bivalue : view.empty;
    any_cell(starts, [&](int first) {
        for (unsigned digits = view.candidates[first]; digits != 0;) {
            const int a = pop_lowest(digits);
            const int start = state_of(first, a, false);
            search.run(view, links, start, best.nodes - 1);
            const auto try_ends = [&](const CellSet& cells, unsigned end_digits) {
                for_each_cell(cells, [&](int end) {
                    for_each_bit(view.candidates[end] & end_digits, [&](int b) {
                        if (search.has(state_of(end, b, true))) {
                            consider(search, start, state_of(end, b, true), view, technique, best);
                        }
                    });
                });
            };
            if (technique == StepTechnique::aic) {
                try_ends(end_cells, ALL_DIGITS);
            } else {
                try_ends(end_cells & view.open[a], 1U << a);
            }
            if (best.nodes == MIN_CHAIN_NODES) {
                return true;
            }
        }
        return false;
    });
    if (best.nodes > MAX_CHAIN_NODES) {
        return false;
    }
    step = best.steps[best.best];
    return true;
}

}  // namespace

bool find_x_chain(const CandidateView& view, SolveStep& step) {
    return find_chain(view, Links::one_digit, view.empty, StepTechnique::x_chain, step);
}

bool find_xy_chain(const CandidateView& view, SolveStep& step) {
    return find_chain(view, Links::bivalue_cells, view.bivalue, StepTechnique::xy_chain, step);
}

bool find_aic(const CandidateView& view, SolveStep& step) {
    return find_chain(view, Links::all, view.empty, StepTechnique::aic, step);
}

}  // namespace cellwright
