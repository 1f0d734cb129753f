// Naked pairs and triples: which cells one unit call narrows (the qualifying list is built
// once per call, unions are read afresh), and how the sweep over the 27 units counts.

#include "solver/naked_subsets.hpp"

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "support/grid_builders.hpp"

namespace cellwright {
namespace {

using test::digit_mask;
using test::GridPair;

// Digits that a group of cells must have lost.
struct Loss {
    std::vector<int> cells;
    DigitMask digits;
};

// Candidate sets forced on the empty board.
struct Forced {
    int cell;
    std::vector<int> candidates;  // owned: the cases outlive their braced lists
};

GridPair board_with_candidates(const std::vector<Forced>& forced) {
    GridPair grid;
    for (const Forced& f : forced) {
        test::force_candidates(grid, f.cell, f.candidates);
    }
    return grid;
}

// Expects exactly the listed losses and nothing else: no other bit, no placement.
void expect_losses(const GridPair& before, const GridPair& after, const std::vector<Loss>& losses,
                   const std::string& name) {
    ExclusionGrid expected = before.excluded;
    for (const Loss& loss : losses) {
        for (const int cell : loss.cells) {
            expected[cell] |= loss.digits;
        }
    }
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        EXPECT_EQ(after.excluded[cell], expected[cell]) << name << ": cell " << cell;
    }
    EXPECT_EQ(after.placed, before.placed) << name << ": nothing is placed";
}

using UnitTechnique = void (*)(PlacedGrid&, ExclusionGrid&, int, const UnitOffsets&);

TEST(NakedSubsets, UnitCallsExcludeTheSubsetDigitsFromTheRestOfTheUnit) {
    struct Case {
        const char* name;
        UnitTechnique technique;
        int first_cell;
        const UnitOffsets& offsets;
        std::vector<Forced> forced;
        std::vector<Loss> losses;
    };
    const DigitMask one_two = digit_mask({1, 2});
    const DigitMask one_to_three = digit_mask({1, 2, 3});
    const Case cases[] = {
        {"row pair {1,2} {1,2}",
         unit_naked_pairs,
         0,
         ROW_OFFSETS,
         {{2, {1, 2}}, {6, {1, 2}}},
         {{{0, 1, 3, 4, 5, 7, 8}, one_two}}},
        {"column {1,2} {2,3} {1,3} holds no pair",
         unit_naked_pairs,
         4,
         COLUMN_OFFSETS,
         {{4, {1, 2}}, {40, {2, 3}}, {76, {1, 3}}},
         {}},
        {"column triple {1,2} {2,3} {1,3}",
         unit_naked_triples,
         4,
         COLUMN_OFFSETS,
         {{4, {1, 2}}, {40, {2, 3}}, {76, {1, 3}}},
         {{{13, 22, 31, 49, 58, 67}, one_to_three}}},
        {"box triple {1,2,3} three times",
         unit_naked_triples,
         60,
         BOX_OFFSETS,
         {{60, {1, 2, 3}}, {70, {1, 2, 3}}, {80, {1, 2, 3}}},
         {{{61, 62, 69, 71, 78, 79}, one_to_three}}},
        {"box triple {1,2} {1,2} {1,2,3}",
         unit_naked_triples,
         0,
         BOX_OFFSETS,
         {{0, {1, 2}}, {10, {1, 2}}, {20, {1, 2, 3}}},
         {{{1, 2, 9, 11, 18, 19}, one_to_three}}},
        {"box pair {1,2} {1,2} leaves the third cell {3}",
         unit_naked_pairs,
         0,
         BOX_OFFSETS,
         {{0, {1, 2}}, {10, {1, 2}}, {20, {1, 2, 3}}},
         {{{1, 2, 9, 11, 18, 19, 20}, one_two}}},
        {"{1,2} {3,4} is no pair",
         unit_naked_pairs,
         9,
         ROW_OFFSETS,
         {{9, {1, 2}}, {10, {3, 4}}},
         {}},
        {"a one-candidate cell is never listed for pairs",
         unit_naked_pairs,
         0,
         ROW_OFFSETS,
         {{0, {1}}, {1, {1, 2}}},
         {}},
        {"a one-candidate cell is never listed for triples",
         unit_naked_triples,
         0,
         ROW_OFFSETS,
         {{0, {1}}, {1, {1, 2}}, {2, {2, 3}}},
         {}},
        // The pair in cells 0 and 1 turns cell 2 into {3,4}; it was not listed at the start,
        // so it forms no pair with cell 5 in this call.
        {"a cell reaching two candidates during the call is not listed",
         unit_naked_pairs,
         0,
         ROW_OFFSETS,
         {{0, {1, 2}}, {1, {1, 2}}, {2, {1, 3, 4}}, {5, {3, 4}}},
         {{{2, 3, 4, 6, 7, 8}, one_two}}},
        // The pair in cells 0 and 1 reduces listed cell 2 to {3}; with cell 3's {3,4} the
        // union still has two digits.
        {"a listed cell reduced to one candidate still pairs",
         unit_naked_pairs,
         0,
         ROW_OFFSETS,
         {{0, {1, 2}}, {1, {1, 2}}, {2, {1, 3}}, {3, {3, 4}}},
         {{{2, 4, 5, 6, 7, 8}, one_two}, {{4, 5, 6, 7, 8}, digit_mask({3, 4})}}},
    };
    for (const Case& c : cases) {
        GridPair grid = board_with_candidates(c.forced);
        const GridPair before = grid;
        c.technique(grid.placed, grid.excluded, c.first_cell, c.offsets);
        expect_losses(before, grid, c.losses, c.name);
    }
}

// A driver run on a board with forced candidate sets: the sweeps it counts and the digits
// each cell loses.
struct DriverCase {
    const char* name;
    void (*driver)(PlacedGrid&, ExclusionGrid&, TechniqueCounters&);
    std::vector<Forced> forced;
    TechniqueCounters counters;
    std::vector<Loss> losses;
};

void expect_driver_run(const DriverCase& c) {
    GridPair grid = board_with_candidates(c.forced);
    const GridPair before = grid;
    TechniqueCounters counters;
    c.driver(grid.placed, grid.excluded, counters);
    EXPECT_EQ(counters, c.counters) << c.name << ": pairs " << counters.naked_pair_sweeps
                                    << ", triples " << counters.naked_triple_sweeps;
    expect_losses(before, grid, c.losses, c.name);
}

TEST(NakedSubsets, DriversCountSweepsAndVisitRowColumnBoxPerIndex) {
    const DigitMask five_six = digit_mask({5, 6});
    const DriverCase cases[] = {
        {"a pair in row 0 and box 0 acts in both units in one sweep",
         apply_naked_pairs,
         {{0, {5, 6}}, {1, {5, 6}}},
         TechniqueCounters{0, 0, 0, 0, 1, 0},
         {{{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 18, 19, 20}, five_six}}},
        // Box 0 (visited before row 1) narrows cell 9 to {3,4}, a pair with cell 13.
        {"box 0 makes a pair for row 1 in the same sweep",
         apply_naked_pairs,
         {{0, {1, 2}}, {10, {1, 2}}, {9, {2, 3, 4}}, {13, {3, 4}}},
         TechniqueCounters{0, 0, 0, 0, 1, 0},
         {{{1, 2, 9, 11, 18, 19, 20}, digit_mask({1, 2})},
          {{11, 12, 14, 15, 16, 17}, digit_mask({3, 4})}}},
        {"a triple in row 0 and box 0 counts one sweep",
         apply_naked_triples,
         {{0, {1, 2}}, {1, {2, 3}}, {2, {1, 3}}},
         TechniqueCounters{0, 0, 0, 0, 0, 1},
         {{{3, 4, 5, 6, 7, 8, 9, 10, 11, 18, 19, 20}, digit_mask({1, 2, 3})}}},
    };
    for (const DriverCase& c : cases) {
        expect_driver_run(c);
    }
}

// The drivers list a grid's cells sixteen at a time; the cases sit on the edges of those
// groups (cells 15 and 16, 63 and 64, the last cell 80) and on the counts next to the ones
// asked for: a cell with one candidate, or none, would complete a subset if it were listed.
TEST(NakedSubsets, DriversListOnlyCellsWithTheAskedCandidateCounts) {
    const DriverCase cases[] = {
        {"a triple of two-candidate cells across cells 15 and 16 acts in row 1 and box 2",
         apply_naked_triples,
         {{15, {4, 5}}, {16, {5, 6}}, {17, {4, 6}}},
         TechniqueCounters{0, 0, 0, 0, 0, 1},
         {{{9, 10, 11, 12, 13, 14, 6, 7, 8, 24, 25, 26}, digit_mask({4, 5, 6})}}},
        {"a triple holding the last cell acts in row 8",
         apply_naked_triples,
         {{72, {1, 3}}, {76, {2, 3}}, {80, {1, 2, 3}}},
         TechniqueCounters{0, 0, 0, 0, 0, 1},
         {{{73, 74, 75, 77, 78, 79}, digit_mask({1, 2, 3})}}},
        {"a one-candidate cell completes no triple",
         apply_naked_triples,
         {{63, {1}}, {64, {1, 2}}, {71, {2, 3}}},
         TechniqueCounters{},
         {}},
        {"a cell without candidates completes no triple",
         apply_naked_triples,
         {{47, {}}, {48, {1, 2}}, {53, {1, 3}}},
         TechniqueCounters{},
         {}},
        // Whether a unit has three listed cells is counted for all units at once: a column
        // across the bands, and a box's cells in one or two of its columns.
        {"a column triple with a cell in each band acts in column 4",
         apply_naked_triples,
         {{4, {1, 2, 3}}, {40, {1, 2, 3}}, {76, {1, 2, 3}}},
         TechniqueCounters{0, 0, 0, 0, 0, 1},
         {{{13, 22, 31, 49, 58, 67}, digit_mask({1, 2, 3})}}},
        {"a column triple split two and one across the bands acts in column 4",
         apply_naked_triples,
         {{4, {1, 2, 3}}, {13, {1, 2, 3}}, {76, {1, 2, 3}}},
         TechniqueCounters{0, 0, 0, 0, 0, 1},
         {{{22, 31, 40, 49, 58, 67}, digit_mask({1, 2, 3})}}},
        {"a box triple in two of the box's columns acts in box 0 alone",
         apply_naked_triples,
         {{0, {1, 2, 3}}, {9, {1, 2, 3}}, {10, {1, 2, 3}}},
         TechniqueCounters{0, 0, 0, 0, 0, 1},
         {{{1, 2, 11, 18, 19, 20}, digit_mask({1, 2, 3})}}},
        {"a pair across cells 63 and 64 acts in row 7 and box 6",
         apply_naked_pairs,
         {{63, {7, 8}}, {64, {7, 8}}},
         TechniqueCounters{0, 0, 0, 0, 1, 0},
         {{{65, 66, 67, 68, 69, 70, 71, 54, 55, 56, 72, 73, 74}, digit_mask({7, 8})}}},
        {"a one-candidate cell completes no pair",
         apply_naked_pairs,
         {{79, {7}}, {80, {7, 8}}},
         TechniqueCounters{},
         {}},
        {"a three-candidate cell completes no pair",
         apply_naked_pairs,
         {{31, {7, 8, 9}}, {32, {7, 8}}},
         TechniqueCounters{},
         {}},
    };
    for (const DriverCase& c : cases) {
        expect_driver_run(c);
    }
}

}  // namespace
}  // namespace cellwright
