// The filling's two compiles (generator/x86_64_v3.hpp): on a processor that runs the second, it
// must agree with the first call by call, in result, solution and draws.

#include "generator/x86_64_v3.hpp"

#include <cstdlib>
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
