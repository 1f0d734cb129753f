// Given-cell patterns: known answers for fresh seeds, the exact order of draws (fed through
// chosen random words), and the shape every pattern must have.

#include "generator/given_cells.hpp"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/generator_probe.hpp"

namespace cellwright {
namespace {

using probe::Draw;

TEST(GivenCells, QuarterTurnOrbitsOfExampleCells) {
    struct Case {
        const char* name;
        int row;
        int column;
        std::array<int, 4> orbit;
    };
    const Case cases[] = {
        {"corner orbit of cell 11", 1, 2, {11, 25, 69, 55}},
        {"edge orbit of cell 36", 4, 0, {36, 4, 44, 76}},
        {"corner orbit of cell 0", 0, 0, {0, 8, 80, 72}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(quarter_turn_orbit(c.row, c.column), c.orbit) << c.name;
    }
}

TEST(GivenCells, FreshSeedsGiveKnownPatternsAfterKnownDraws) {
    struct Case {
        std::uint32_t seed;
        std::vector<int> cells;
        std::int32_t position;  // 13 and 18 draws after the refill that the first draw makes
    };
    const Case cases[] = {
        {0,
         {0,  3,  7,  8,  9,  11, 13, 14, 25, 28, 35, 37, 40,
          43, 45, 52, 55, 66, 67, 69, 71, 72, 73, 77, 80},
         12},
        {1,
         {0,  5,  8,  11, 13, 20, 23, 24, 27, 29, 32, 37,
          43, 48, 51, 53, 56, 57, 60, 67, 69, 72, 75, 80},
         17},
    };
    for (const Case& c : cases) {
        RandomState random;
        random_seed(random, c.seed);
        GivenCellList list;
        const int count = choose_given_cells(random, list);
        EXPECT_EQ(probe::cells_of(list, count), c.cells) << "seed " << c.seed;
        EXPECT_EQ(random.position, c.position) << "seed " << c.seed;
    }
}

// Whole patterns from chosen draws. The comments give the meaning of each pair of draws:
// column then row for an orbit; k then row for an extra pair.
TEST(GivenCells, DrawsAreTakenInTheirFixedOrder) {
    struct Case {
        const char* name;
        std::vector<Draw> draws;
        std::vector<int> cells;
    };
    // One try (two draws) per line.
    // clang-format off
    const Case cases[] = {
        {"type 0, a corner orbit redrawn",
         {{0, 5},
          {0, 3}, {0, 3},   // cell 0
          {0, 3}, {0, 3},   // cell 0 again: redrawn
          {2, 3}, {1, 3},   // cell 11
          {1, 3}, {2, 3},   // cell 19
          {0, 3}, {1, 3},   // cell 36
          {1, 3}, {0, 3},   // cell 28
          {2, 3}, {2, 3}},  // cell 47
         {0, 4, 8, 11, 14, 15, 19, 21, 25, 28, 33, 36, 40, 44, 47, 52, 55, 59, 61, 65, 66, 69, 72,
          76, 80}},
        {"type 1, variant 0, a corner pair redrawn",
         {{1, 5}, {0, 4},
          {0, 3}, {0, 3},   // cell 0
          {1, 3}, {1, 3},   // cell 10
          {0, 3}, {0, 3},   // cell 27
          {1, 3}, {1, 3},   // cell 37
          {2, 3}, {2, 3},   // cell 47
          {0, 6}, {0, 3},   // pair at cell 0: taken, redrawn
          {5, 6}, {2, 3}},  // pair at cell 26 (k 5 is column 8) and 54
         {0, 5, 8, 10, 13, 16, 21, 26, 27, 30, 33, 37, 43, 47, 50, 53, 54, 59, 64, 67, 70, 72, 75,
          80}},
        {"type 2, variant 1, an edge pair redrawn",
         {{2, 5}, {1, 2},
          {0, 3}, {0, 3},   // cell 0
          {1, 3}, {0, 3},   // cell 1
          {2, 3}, {2, 3},   // cell 20
          {0, 3}, {1, 3},   // cell 36
          {0, 3}, {2, 3},   // cell 45
          {0, 3}, {4, 6},   // pair at cell 36 (row 4 keeps column k): taken, redrawn
          {2, 3}, {1, 6}},  // pair at cell 14 (row 1 takes column k + 3) and 66
         {0, 1, 3, 4, 8, 14, 17, 20, 24, 32, 35, 36, 44, 45, 48, 56, 60, 63, 66, 72, 76, 77, 79,
          80}},
        {"type 3, variant 1",
         {{3, 5}, {1, 2},
          {0, 3}, {0, 3},   // cell 0
          {2, 3}, {1, 3},   // cell 11
          {0, 3}, {0, 3},   // cell 27
          {1, 3}, {1, 3},   // cell 37
          {2, 3}, {2, 3}},  // cell 47
         {0, 5, 8, 11, 13, 21, 25, 27, 31, 33, 37, 39, 41, 43, 47, 49, 53, 55, 59, 67, 69, 72, 75,
          80}},
        {"type 4, variant 0",
         {{4, 5}, {0, 2},
          {0, 3}, {0, 3},   // cell 0
          {1, 3}, {1, 3},   // cell 10
          {0, 3}, {0, 3},   // cell 27
          {1, 3}, {1, 3},   // cell 37
          {2, 3}, {2, 3}},  // cell 47
         {0, 5, 8, 10, 13, 16, 21, 27, 30, 32, 33, 37, 43, 47, 48, 50, 53, 59, 64, 67, 70, 72, 75,
          80}},
    };
    // clang-format on
    for (const Case& c : cases) {
        RandomState random;
        probe::feed_draws(random, c.draws);
        GivenCellList list;
        const int count = choose_given_cells(random, list);
        EXPECT_EQ(probe::cells_of(list, count), c.cells) << c.name;
        EXPECT_EQ(random.position, static_cast<std::int32_t>(c.draws.size()))
            << c.name << ": number of draws";
    }
}

TEST(GivenCells, ScatterTestsOnlyTheBaseCellAndRedrawsBothValues) {
    struct Case {
        const char* name;
        int corner_orbits;
        int edge_orbits;
        std::vector<Draw> draws;
        std::vector<int> cells;
    };
    const Case cases[] = {
        {"taken base cell costs two draws",
         2,
         1,
         {{0, 3}, {0, 3}, {0, 3}, {0, 3}, {2, 3}, {0, 3}, {1, 3}, {2, 3}},
         {0, 2, 8, 12, 26, 34, 46, 54, 68, 72, 78, 80}},
        {"column is drawn before row", 1, 0, {{2, 3}, {0, 3}}, {2, 26, 54, 78}},
        {"edge row is offset by three", 0, 1, {{2, 3}, {0, 3}}, {23, 29, 51, 57}},
        {"no orbits asked for", 0, -1, {}, {}},
    };
    for (const Case& c : cases) {
        RandomState random;
        probe::feed_draws(random, c.draws);
        GivenFlags given{};
        scatter_symmetric(random, given, c.corner_orbits, c.edge_orbits);
        std::vector<int> cells;
        for (int cell = 0; cell < CELL_COUNT; ++cell) {
            if (given[cell] != 0) {
                cells.push_back(cell);
            }
        }
        EXPECT_EQ(cells, c.cells) << c.name;
        EXPECT_EQ(random.position, static_cast<std::int32_t>(c.draws.size()))
            << c.name << ": number of draws";
    }
}

// The shapes a pattern may take, told apart by how many cells the centre box holds and how
// the outer boxes are filled.
enum class Shape { centre_cell, centre_pair_corner_extra, centre_pair_edge_extra, centre_four };

bool has_box_counts(const std::array<int, 9>& counts, std::array<int, 4> corners,
                    std::array<int, 4> edges) {
    return counts[0] == corners[0] && counts[2] == corners[1] && counts[8] == corners[2] &&
           counts[6] == corners[3] && counts[1] == edges[0] && counts[5] == edges[1] &&
           counts[7] == edges[2] && counts[3] == edges[3];
}

TEST(GivenCells, EveryPatternHasOneOfTheAllowedShapes) {
    std::array<int, 4> seen{};
    for (std::uint32_t seed = 0; seed < 400; ++seed) {
        RandomState random;
        random_seed(random, seed);
        RandomState twin = random;
        GivenCellList list;
        const int count = choose_given_cells(random, list);
        const std::string name = "seed " + std::to_string(seed);
        ASSERT_TRUE(count == 24 || count == 25) << name << ": " << count << " cells";
        const std::vector<int> cells = probe::cells_of(list, count);
        EXPECT_TRUE(std::adjacent_find(cells.begin(), cells.end(), std::greater_equal<>()) ==
                    cells.end())
            << name << ": not strictly ascending";
        EXPECT_LT(cells.back(), CELL_COUNT) << name;

        std::array<int, 9> box_counts{};
        for (const int cell : cells) {
            ++box_counts[box_of(cell)];
        }
        const bool quarter = probe::maps_onto_itself(cells, probe::quarter_turn);
        const bool half = probe::maps_onto_itself(cells, probe::half_turn);
        const bool has_centre = std::count(cells.begin(), cells.end(), 40) == 1;
        EXPECT_TRUE(half) << name << ": not symmetric under the half turn";
        switch (box_counts[4]) {
            case 1:
                EXPECT_EQ(count, 25) << name;
                EXPECT_TRUE(has_centre) << name;
                EXPECT_TRUE(has_box_counts(box_counts, {3, 3, 3, 3}, {3, 3, 3, 3})) << name;
                EXPECT_TRUE(quarter) << name << ": centre cell pattern";
                ++seen[static_cast<int>(Shape::centre_cell)];
                break;
            case 4:
                EXPECT_EQ(count, 24) << name;
                EXPECT_TRUE(has_box_counts(box_counts, {2, 2, 2, 2}, {3, 3, 3, 3})) << name;
                EXPECT_TRUE(quarter) << name << ": four centre cells pattern";
                ++seen[static_cast<int>(Shape::centre_four)];
                break;
            case 2: {
                EXPECT_EQ(count, 24) << name;
                EXPECT_FALSE(has_centre) << name;
                EXPECT_FALSE(quarter) << name << ": a centre pair breaks the quarter turn";
                // Type 1: one diagonal of corner boxes holds an extra cell each. Type 2: one
                // opposite pair of edge boxes lacks a cell, and the centre pair is diagonal.
                const bool corner_extra = has_box_counts(box_counts, {3, 2, 3, 2}, {3, 3, 3, 3}) ||
                                          has_box_counts(box_counts, {2, 3, 2, 3}, {3, 3, 3, 3});
                const bool edge_extra = has_box_counts(box_counts, {3, 3, 3, 3}, {2, 3, 2, 3}) ||
                                        has_box_counts(box_counts, {3, 3, 3, 3}, {3, 2, 3, 2});
                const bool diagonal_centre = std::count(cells.begin(), cells.end(), 30) == 1 ||
                                             std::count(cells.begin(), cells.end(), 32) == 1;
                EXPECT_TRUE(corner_extra || (edge_extra && diagonal_centre))
                    << name << ": box counts of a centre pair pattern";
                ++seen[static_cast<int>(corner_extra ? Shape::centre_pair_corner_extra
                                                     : Shape::centre_pair_edge_extra)];
                break;
            }
            default:
                ADD_FAILURE() << name << ": " << box_counts[4] << " cells in the centre box";
        }

        GivenCellList twin_list;
        const int twin_count = choose_given_cells(twin, twin_list);
        EXPECT_EQ(probe::cells_of(twin_list, twin_count), cells) << name << ": same state";
        EXPECT_EQ(twin.position, random.position) << name << ": same state";
    }
    for (const int times : seen) {
        EXPECT_GE(times, 40) << "every shape should be common";
    }
}

}  // namespace
}  // namespace cellwright
