#include "generator/given_cells.hpp"

namespace cellwright {
namespace {

void mark_orbit(GivenFlags& given, int row, int column) {
    for (const int cell : quarter_turn_orbit(row, column)) {
        given[cell] = 1;
    }
}

// Draws base cells until one is free, then marks its whole orbit.
void add_orbit(RandomState& random, GivenFlags& given, int first_row) {
    for (;;) {
        const int column = random_below(random, 3);
        const int row = first_row + random_below(random, 3);
        if (given[9 * row + column] == 0) {
            mark_orbit(given, row, column);
            return;
        }
    }
}

void mark_half_turn_pair(GivenFlags& given, int cell) {
    given[cell] = 1;
    given[80 - cell] = 1;
}

// Type 1: a pair based in box 0 or box 2 (image in box 8 or 6).
void add_corner_pair(RandomState& random, GivenFlags& given) {
    for (;;) {
        const int k = random_below(random, 6);
        const int row = random_below(random, 3);
        const int column = k < 3 ? k : k + 3;
        if (given[9 * row + column] == 0) {
            mark_half_turn_pair(given, 9 * row + column);
            return;
        }
    }
}

// Type 2: a pair based in box 1 or box 3 (image in box 7 or 5).
void add_edge_pair(RandomState& random, GivenFlags& given) {
    for (;;) {
        const int k = random_below(random, 3);
        const int row = random_below(random, 6);
        const int column = row < 3 ? k + 3 : k;
        if (given[9 * row + column] == 0) {
            mark_half_turn_pair(given, 9 * row + column);
            return;
        }
    }
}

}  // namespace

void scatter_symmetric(RandomState& random, GivenFlags& given, int corner_orbits, int edge_orbits) {
    for (int i = 0; i < corner_orbits; ++i) {
        add_orbit(random, given, 0);
    }
    for (int i = 0; i < edge_orbits; ++i) {
        add_orbit(random, given, 3);
    }
}

int choose_given_cells(RandomState& random, GivenCellList& list) {
    GivenFlags given{};
    const int type = random_below(random, 5);
    switch (type) {
        case 0:  // the centre cell; quarter-turn symmetric
            given[40] = 1;
            scatter_symmetric(random, given, 3, 3);
            break;
        case 1: {  // a line through the centre, plus a corner-box pair; half-turn symmetric
            constexpr std::array<std::array<int, 2>, 4> FIGURES{
                {{30, 50}, {31, 49}, {32, 48}, {39, 41}}};
            for (const int cell : FIGURES[random_below(random, 4)]) {
                given[cell] = 1;
            }
            scatter_symmetric(random, given, 2, 3);
            add_corner_pair(random, given);
            break;
        }
        case 2: {  // a diagonal through the centre, plus an edge-box pair; half-turn symmetric
            constexpr std::array<std::array<int, 2>, 2> FIGURES{{{30, 50}, {32, 48}}};
            for (const int cell : FIGURES[random_below(random, 2)]) {
                given[cell] = 1;
            }
            scatter_symmetric(random, given, 3, 2);
            add_edge_pair(random, given);
            break;
        }
        default: {  // types 3 and 4: the centre box's corners or edge-middles; quarter turn
            constexpr std::array<std::array<int, 4>, 2> FIGURES{
                {{30, 32, 48, 50}, {31, 39, 41, 49}}};
            for (const int cell : FIGURES[random_below(random, 2)]) {
                given[cell] = 1;
            }
            scatter_symmetric(random, given, 2, 3);
            break;
        }
    }
    int count = 0;
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (given[cell] != 0) {
            list[count++] = static_cast<std::uint8_t>(cell);
        }
    }
    return count;
}

}  // namespace cellwright
