// The filling's two compiles (generator/x86_64_v3.hpp): on a processor that runs the second, it
// must agree with the first call by call, in result, solution and draws.

#include "generator/x86_64_v3.hpp"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace cellwright {
namespace {

TEST(FillPaths, SecondCompileAgreesWithTheFirstCallByCall) {
#if CELLWRIGHT_X86_64_V3
    if (!runs_x86_64_v3()) {
        GTEST_SKIP() << "this processor cannot run the x86-64-v3 compile";
    }
    std::array<int, 2> seen{};
    for (const std::uint32_t seed : {1u, 2u, 3u, 0xDEADBEEFu}) {
        RandomState random;
        random_seed(random, seed);
        for (int attempt = 0; attempt < 40; ++attempt) {
            GivenCellList list{};
            const int count = choose_given_cells(random, list);
            for (int filling = 0; filling < 50; ++filling) {
                const std::string name = "seed " + std::to_string(seed) + ", attempt " +
                                         std::to_string(attempt) + ", filling " +
                                         std::to_string(filling);
                RandomState second = random;
                PlacedGrid first_solution{};
                PlacedGrid second_solution{};
                const bool first_filled = fill_and_count(random, list, count, first_solution);
                const bool second_filled =
                    x86_64_v3::fill_and_count(second, list, count, second_solution);
                ASSERT_EQ(first_filled, second_filled) << name;
                ASSERT_EQ(first_solution, second_solution) << name;
                ASSERT_EQ(random.position, second.position) << name;
                ASSERT_EQ(random.words, second.words) << name;
                ++seen[first_filled ? 1 : 0];
            }
        }
    }
    EXPECT_GE(seen[1], 10) << "too few successful fillings compared";
#else
    EXPECT_FALSE(runs_x86_64_v3()) << "a build without the second compile cannot run it";
#endif
}

// Lists longer than a pattern's 24 or 25 cells fill the grid further, so the sweeps meet units
// with up to nine cells of two or three candidates, many triples and contradictions: the vector
// paths of the second compile (the triple finder, the due-unit counts, the pointing and single
// scans) must still agree with the first compile's loops call by call.
TEST(FillPaths, SecondCompileAgreesOnDenseGrids) {
#if CELLWRIGHT_X86_64_V3
    if (!runs_x86_64_v3()) {
        GTEST_SKIP() << "this processor cannot run the x86-64-v3 compile";
    }
    std::mt19937 shuffle(20261209);
    RandomState random;
    random_seed(random, 7);
    int filled = 0;
    for (const int count : {30, 36, 42, 50, 60}) {
        for (int filling = 0; filling < 600; ++filling) {
            GivenCellList list{};
            std::iota(list.begin(), list.end(), std::uint8_t{0});
            std::shuffle(list.begin(), list.end(), shuffle);
            const std::string name =
                std::to_string(count) + " cells, filling " + std::to_string(filling);
            RandomState second = random;
            PlacedGrid first_solution{};
            PlacedGrid second_solution{};
            const bool first_filled = fill_and_count(random, list, count, first_solution);
            ASSERT_EQ(first_filled, x86_64_v3::fill_and_count(second, list, count, second_solution))
                << name;
            ASSERT_EQ(first_solution, second_solution) << name;
            ASSERT_EQ(random.position, second.position) << name;
            ASSERT_EQ(random.words, second.words) << name;
            filled += first_filled ? 1 : 0;
        }
    }
    EXPECT_GE(filled, 10) << "too few successful fillings compared";
#else
    GTEST_SKIP() << "a build without the second compile";
#endif
}

// CELLWRIGHT_BASELINE keeps the process on the first compile; the tests run the pinned batches
// once more with it set (tests/CMakeLists.txt), and this checks that it took effect there.
TEST(FillPaths, BaselineVariableKeepsTheFirstCompile) {
    const struct {
        const char* value;
        bool asked;
    } cases[] = {{nullptr, false}, {"", false}, {"0", false}, {"1", true}, {"yes", true}};
    for (const auto& one : cases) {
        EXPECT_EQ(baseline_asked(one.value), one.asked) << (one.value ? one.value : "unset");
    }
    const bool asked = baseline_asked(std::getenv(BASELINE_VARIABLE));
    EXPECT_EQ(fill_picks_x86_64_v3(), runs_x86_64_v3() && !asked);
}

}  // namespace
}  // namespace cellwright
