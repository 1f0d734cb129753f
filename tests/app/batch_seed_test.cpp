// Batches started at once must not share a seed: runs alive at the same time have distinct
// process ids, and runs started a few milliseconds apart by a script have nearby ones.

#include "app/batch_seed.hpp"

#include <cstdint>
#include <unordered_set>

#include <gtest/gtest.h>

namespace cellwright {
namespace {

TEST(BatchSeed, NearbyTicksAndProcessIdsNeverShareASeed) {
    constexpr std::uint32_t TICKS = 200;
    constexpr std::uint32_t PROCESSES = 500;
    for (const std::uint32_t first_tick : {0u, 123456789u, 0xFFFFFF00u}) {
        for (const std::uint32_t first_process : {1u, 4000u, 4194000u}) {
            std::unordered_set<std::uint32_t> seeds;
            for (std::uint32_t tick = first_tick; tick != first_tick + TICKS; ++tick) {
                for (std::uint32_t process = first_process; process < first_process + PROCESSES;
                     ++process) {
                    seeds.insert(mix_seed(tick, process));
                }
            }
            EXPECT_EQ(seeds.size(), TICKS * PROCESSES)
                << "ticks from " << first_tick << ", processes from " << first_process;
        }
    }
}

}  // namespace
}  // namespace cellwright
