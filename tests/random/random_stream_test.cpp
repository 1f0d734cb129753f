// Per-problem random streams: reproducible from (seed, index), distinct for distinct pairs,
// and drawn by the same lagged XOR recurrence as a seeded state.

#include <array>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "random/random_stream.hpp"

namespace cellwright {
namespace {

std::vector<std::uint32_t> first_draws(std::uint64_t seed, std::uint64_t index, int count) {
    RandomState state;
    random_seed_stream(state, seed, index);
    std::vector<std::uint32_t> draws;
    for (int i = 0; i < count; ++i) {
        draws.push_back(random_next(state));
    }
    return draws;
}

TEST(RandomStream, SamePairGivesSameDraws) {
    EXPECT_EQ(first_draws(42, 7, 1200), first_draws(42, 7, 1200));
    RandomState state;
    random_seed_stream(state, 42, 7);
    EXPECT_EQ(state.position, RANDOM_WORDS - 1) << "the first draw starts a fresh block";
}

TEST(RandomStream, DistinctPairsGiveDistinctStreams) {
    struct Pair {
        std::uint64_t seed;
        std::uint64_t index;
    };
    // Neighbouring indices and seeds, an index past 2^32 that a 32-bit seed would fold onto
    // a small one, and seed and index swapped.
    const std::array<Pair, 7> pairs{
        {{0, 0}, {0, 1}, {1, 0}, {0, (1ull << 32) + 1}, {5, 9}, {9, 5}, {~0ull, ~0ull}}};
    for (std::size_t a = 0; a < pairs.size(); ++a) {
        for (std::size_t b = a + 1; b < pairs.size(); ++b) {
            EXPECT_NE(first_draws(pairs[a].seed, pairs[a].index, 4),
                      first_draws(pairs[b].seed, pairs[b].index, 4))
                << "pairs " << a << " and " << b;
        }
    }
}

TEST(RandomStream, DrawsFollowTheLaggedRecurrence) {
    const std::vector<std::uint32_t> draws = first_draws(123456789, 31337, 3 * RANDOM_WORDS);
    for (std::size_t t = RANDOM_WORDS; t < draws.size(); ++t) {
        ASSERT_EQ(draws[t], draws[t - RANDOM_WORDS] ^ draws[t - 32]) << "draw " << t;
    }
}

}  // namespace
}  // namespace cellwright
