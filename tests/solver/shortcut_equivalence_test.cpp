// The engine's passes take shortcuts (all digits of a unit at once, units skipped when they
// cannot act or have not changed); on every grid they must do exactly what the plain
// digit-by-digit, unit-by-unit passes do, in the same order.

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "solver/naked_subsets.hpp"
#include "solver/singles.hpp"
#include "support/reference_techniques.hpp"

namespace cellwright {
namespace {

using test::place_random_candidate;
using test::scatter_digits;

using Pass = bool (*)(PlacedGrid&, ExclusionGrid&);

struct PassCase {
    const char* name;
    Pass engine;
    Pass reference;
};

TEST(HiddenSinglePasses, PlaceWhatTheDigitByDigitScanPlaces) {
    const PassCase cases[] = {
        {"box_hidden_singles", box_hidden_singles, test::reference_box_hidden_singles},
        {"line_hidden_singles", line_hidden_singles, test::reference_line_hidden_singles},
    };
    int productive = 0;
    for (const PassCase& pass : cases) {
        for (std::uint32_t seed = 0; seed < 400; ++seed) {
            RandomState random;
            random_seed(random, seed);
            PlacedGrid placed{};
            ExclusionGrid excluded{};
            scatter_digits(random, placed, excluded, 10 + static_cast<int>(seed % 40),
                           static_cast<int>(seed % 7) * 15);
            PlacedGrid expected_placed = placed;
            ExclusionGrid expected_excluded = excluded;
            const bool expected = pass.reference(expected_placed, expected_excluded);
            const bool result = pass.engine(placed, excluded);
            const std::string where = std::string(pass.name) + ", seed " + std::to_string(seed);
            ASSERT_EQ(result, expected) << where;
            ASSERT_EQ(placed, expected_placed) << where;
            ASSERT_EQ(excluded, expected_excluded) << where;
            productive += expected ? 1 : 0;
        }
    }
    // The grids must exercise placements, chains included, not only empty passes.
    EXPECT_GT(productive, 400) << "too few productive passes among the sample grids";
}

// A filling's sequence of placements, each followed by the naked-triples driver: once with the
// quiet-sweep memory a filling keeps, once without, and once with the plain sweep.
TEST(NakedTripleDriver, SkippingQuietOrBarrenUnitsChangesNothing) {
    int productive_sweeps = 0;
    for (std::uint32_t seed = 0; seed < 1500; ++seed) {
        RandomState random;
        random_seed(random, seed);
        PlacedGrid placed{};
        ExclusionGrid excluded{};
        TechniqueCounters counters{};
        PlacedGrid fresh_placed{};
        ExclusionGrid fresh_excluded{};
        TechniqueCounters fresh_counters{};
        PlacedGrid plain_placed{};
        ExclusionGrid plain_excluded{};
        TechniqueCounters plain_counters{};
        SweepMemory quiet;
        for (int step = 0; place_random_candidate(random, plain_placed, plain_excluded); ++step) {
            // The same placement on the other two grids, which equal this one before it.
            for (int cell = 0; cell < CELL_COUNT; ++cell) {
                if (plain_placed[cell] != 0 && placed[cell] == 0) {
                    place_digit(placed, excluded, cell, plain_placed[cell]);
                    place_digit(fresh_placed, fresh_excluded, cell, plain_placed[cell]);
                }
            }
            apply_naked_triples(placed, excluded, counters, quiet);
            apply_naked_triples(fresh_placed, fresh_excluded, fresh_counters);
            test::reference_apply_naked_triples(plain_placed, plain_excluded, plain_counters);
            const std::string where =
                "seed " + std::to_string(seed) + ", step " + std::to_string(step);
            ASSERT_EQ(placed, plain_placed) << where << ", with memory";
            ASSERT_EQ(excluded, plain_excluded) << where << ", with memory";
            ASSERT_EQ(counters, plain_counters) << where << ", with memory";
            ASSERT_EQ(fresh_placed, plain_placed) << where << ", without memory";
            ASSERT_EQ(fresh_excluded, plain_excluded) << where << ", without memory";
            ASSERT_EQ(fresh_counters, plain_counters) << where << ", without memory";
        }
        productive_sweeps += plain_counters.naked_triple_sweeps;
    }
    EXPECT_GT(productive_sweeps, 100) << "too few naked triples found to exercise the sweeps";
}

}  // namespace
}  // namespace cellwright
