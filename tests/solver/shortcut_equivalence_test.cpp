// The engine's passes take shortcuts (all digits of a unit at once, units skipped when they
// cannot act or have not changed); on every grid they must do exactly what the plain
// digit-by-digit, unit-by-unit passes do, in the same order.

#include <bit>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "grid/geometry.hpp"
#include "solver/ladder.hpp"
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

// The naked single scan as written down: every cell in order, its count taken afresh.
bool plain_naked_single_scan(PlacedGrid& placed, ExclusionGrid& excluded) {
    bool progress = false;
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        const DigitMask candidates = candidates_of(excluded[cell]);
        if (placed[cell] == 0 && std::popcount(static_cast<unsigned>(candidates)) == 1) {
            place_digit(placed, excluded, cell, candidates);
            progress = true;
        }
    }
    return progress;
}

// Grids with many singles, with few and with none: the passes start where the first unit or
// cell has something, so both quiet and productive passes must be compared.
void scatter_sample(std::uint32_t seed, PlacedGrid& placed, ExclusionGrid& excluded) {
    test::scattered_grid(seed, 10 + static_cast<int>(seed % 40), static_cast<int>(seed % 7) * 15,
                         placed, excluded);
}

TEST(SinglePasses, PlaceWhatThePlainScanPlaces) {
    const PassCase cases[] = {
        {"box_hidden_singles", box_hidden_singles, test::reference_box_hidden_singles},
        {"line_hidden_singles", line_hidden_singles, test::reference_line_hidden_singles},
        {"naked_single_scan", naked_single_scan, plain_naked_single_scan},
    };
    for (const PassCase& pass : cases) {
        int productive = 0;
        int quiet = 0;
        for (std::uint32_t seed = 0; seed < 600; ++seed) {
            PlacedGrid placed{};
            ExclusionGrid excluded{};
            scatter_sample(seed, placed, excluded);
            // A second grid from the same one after a pass, where fewer singles are left.
            for (int round = 0; round < 2; ++round) {
                PlacedGrid expected_placed = placed;
                ExclusionGrid expected_excluded = excluded;
                const bool expected = pass.reference(expected_placed, expected_excluded);
                const bool result = pass.engine(placed, excluded);
                const std::string where = std::string(pass.name) + ", seed " +
                                          std::to_string(seed) + ", round " + std::to_string(round);
                ASSERT_EQ(result, expected) << where;
                ASSERT_EQ(placed, expected_placed) << where;
                ASSERT_EQ(excluded, expected_excluded) << where;
                (expected ? productive : quiet) += 1;
            }
        }
        EXPECT_GT(productive, 200) << pass.name << ": too few productive passes";
        EXPECT_GT(quiet, 200) << pass.name << ": too few quiet passes";
    }
}

// The drivers of the cheaper rungs built from the plain passes above and a snapshot sweep of
// locked candidates, by the engine's cascade rule: the engine's drivers must leave the same
// grids and counters.
bool plain_locked_sweep(PlacedGrid& placed, ExclusionGrid& excluded) {
    const ExclusionGrid snapshot = excluded;
    for (int box = 0; box < 9; ++box) {
        const BoxPartners& p = BOX_PARTNERS[box];
        box_pointing(placed, excluded, box, p.band_a, p.band_b, p.stack_a, p.stack_b);
    }
    return excluded != snapshot;
}

void plain_repeat_box_singles(PlacedGrid&, ExclusionGrid&, TechniqueCounters&);
void plain_locked_candidates(PlacedGrid&, ExclusionGrid&, TechniqueCounters&);
void plain_naked_singles(PlacedGrid&, ExclusionGrid&, TechniqueCounters&);
void plain_line_singles(PlacedGrid&, ExclusionGrid&, TechniqueCounters&);

// The ladder with the plain drivers on the rungs compared here.
constexpr Ladder PLAIN_LADDER{{
    {"repeat_box_singles", plain_repeat_box_singles, &TechniqueCounters::box_single_passes},
    {"apply_locked_candidates", plain_locked_candidates,
     &TechniqueCounters::locked_candidate_sweeps},
    {"apply_naked_singles", plain_naked_singles, &TechniqueCounters::naked_single_scans},
    {"apply_line_singles", plain_line_singles, &TechniqueCounters::line_single_passes},
    rung_of(LADDER, Rung::naked_pairs),
    rung_of(LADDER, Rung::naked_triples),
}};

void plain_repeat_box_singles(PlacedGrid& placed, ExclusionGrid& excluded,
                              TechniqueCounters& counters) {
    drive<Rung::box_singles, PLAIN_LADDER>(test::reference_box_hidden_singles, placed, excluded,
                                           counters);
}

void plain_locked_candidates(PlacedGrid& placed, ExclusionGrid& excluded,
                             TechniqueCounters& counters) {
    drive<Rung::locked_candidates, PLAIN_LADDER>(plain_locked_sweep, placed, excluded, counters);
}

void plain_naked_singles(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    drive<Rung::naked_singles, PLAIN_LADDER>(plain_naked_single_scan, placed, excluded, counters);
}

void plain_line_singles(PlacedGrid& placed, ExclusionGrid& excluded, TechniqueCounters& counters) {
    drive<Rung::line_singles, PLAIN_LADDER>(test::reference_line_hidden_singles, placed, excluded,
                                            counters);
}

struct DriverCase {
    Rung rung;
    // Grids on which locked candidates must sweep again after a productive sweep, so that
    // the driver's ways of ending (a look at the grid, or none when no box can act) both run.
    int min_repeated_sweeps;
};

TEST(CheapDrivers, CascadeAsThePlainDriversDo) {
    const DriverCase cases[] = {
        {Rung::box_singles, 0},
        {Rung::locked_candidates, 60},
        {Rung::naked_singles, 15},
        {Rung::line_singles, 15},
    };
    for (const DriverCase& c : cases) {
        const LadderRung& driver = rung_of(LADDER, c.rung);
        const LadderRung& reference = rung_of(PLAIN_LADDER, c.rung);
        int productive = 0;
        int repeated_sweeps = 0;
        for (std::uint32_t seed = 0; seed < 400; ++seed) {
            PlacedGrid placed{};
            ExclusionGrid excluded{};
            scatter_sample(seed, placed, excluded);
            PlacedGrid expected_placed = placed;
            ExclusionGrid expected_excluded = excluded;
            TechniqueCounters counters{};
            TechniqueCounters expected_counters{};
            reference.driver(expected_placed, expected_excluded, expected_counters);
            driver.driver(placed, excluded, counters);
            const std::string where =
                std::string(driver.driver_name) + ", seed " + std::to_string(seed);
            ASSERT_EQ(placed, expected_placed) << where;
            ASSERT_EQ(excluded, expected_excluded) << where;
            ASSERT_EQ(counters, expected_counters) << where;
            productive += expected_counters == TechniqueCounters{} ? 0 : 1;
            repeated_sweeps += expected_counters.locked_candidate_sweeps >= 2 ? 1 : 0;
        }
        EXPECT_GT(productive, 100) << driver.driver_name << ": too few grids where it acts";
        EXPECT_LT(productive, 390)
            << driver.driver_name << ": too few grids where it finds nothing";
        EXPECT_GE(repeated_sweeps, c.min_repeated_sweeps)
            << driver.driver_name << ": too few grids where locked candidates sweep again";
    }
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
        SweepMemory memory;
        for (int step = 0; place_random_candidate(random, plain_placed, plain_excluded); ++step) {
            // The same placement on the other two grids, which equal this one before it.
            for (int cell = 0; cell < CELL_COUNT; ++cell) {
                if (plain_placed[cell] != 0 && placed[cell] == 0) {
                    place_digit(placed, excluded, cell, plain_placed[cell]);
                    place_digit(fresh_placed, fresh_excluded, cell, plain_placed[cell]);
                }
            }
            apply_naked_triples(placed, excluded, counters, memory);
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
