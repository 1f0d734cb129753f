// The lagged XOR source must reproduce its published words bit for bit: every batch of
// problems is a function of the seed through them.

#include "random/random.hpp"

#include <array>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace cellwright {
namespace {

// Steps a block back by one refill: a refill computes new[i] = old[i] ^ new[i-32] for
// i >= 32 and new[i] = old[i] ^ old[i+489] below that, so both can be solved for `old`.
void undo_refill(RandomState& state) {
    auto& words = state.words;
    for (int i = RANDOM_WORDS - 1; i >= 32; --i) {
        words[i] ^= words[i - 32];
    }
    for (int i = 0; i < 32; ++i) {
        words[i] ^= words[i + 489];
    }
}

std::vector<std::uint32_t> draws_after_seed(std::uint32_t seed, int count) {
    RandomState state;
    random_seed(state, seed);
    std::vector<std::uint32_t> draws;
    for (int i = 0; i < count; ++i) {
        draws.push_back(random_next(state));
    }
    return draws;
}

TEST(RandomSource, FirstFiveDrawsMatchKnownAnswers) {
    struct Case {
        std::uint32_t seed;
        std::array<std::uint32_t, 5> draws;
    };
    const Case cases[] = {
        {0x00000000u, {0x273A199Bu, 0x475E3D06u, 0x72090046u, 0x3F091D65u, 0x247F7C89u}},
        {0x00000001u, {0x42160BCEu, 0xB2A59CD2u, 0x091F0D24u, 0x2D8FC213u, 0xB00CB7C9u}},
        {0x12345678u, {0x0432E2C2u, 0xDBCE2D4Bu, 0x9B6BF0B9u, 0x2B92A50Au, 0x80845352u}},
        {0xFFFFFFFFu, {0x31E9F5C7u, 0x813DD2D6u, 0x56D74495u, 0x16A88E65u, 0xA3B8E1A5u}},
    };
    for (const Case& c : cases) {
        const std::vector<std::uint32_t> draws = draws_after_seed(c.seed, 5);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(draws[i], c.draws[i]) << std::hex << "seed " << c.seed << ", draw " << i + 1;
        }
    }
}

TEST(RandomSource, SeedZeroBlockBeforeAndAfterWarmUp) {
    RandomState state;
    random_seed(state, 0);
    EXPECT_EQ(state.position, 520) << "seeding leaves the block unread";
    EXPECT_EQ(state.words[0], 0x18A1F089u) << "words[0] after warm-up";
    EXPECT_EQ(state.words[520], 0xBD1AA238u) << "words[520] after warm-up";

    for (int refill = 0; refill < 3; ++refill) {
        undo_refill(state);
    }
    EXPECT_EQ(state.words[0], 0x7731AFD4u) << "words[0] from the congruential sequence";
    EXPECT_EQ(state.words[16], 0xDE1BB2E3u) << "words[16] after its own spreading step";
    EXPECT_EQ(state.words[17], 0x3444D1F7u) << "words[17], first word of the spreading loop";
    EXPECT_EQ(state.words[520], 0xE07A8EE1u) << "words[520], last word of the spreading loop";
}

TEST(RandomSource, RefillHappensOncePerBlock) {
    const std::vector<std::uint32_t> draws = draws_after_seed(0, 522);
    EXPECT_EQ(draws[520], 0x3568A34Cu) << "521st draw, last word of the first block";
    EXPECT_EQ(draws[521], 0x2F07F4A6u) << "522nd draw, first word of the second block";
}

TEST(RandomSource, DrawsFollowTheLaggedXorRecurrence) {
    for (const std::uint32_t seed : {0u, 0x12345678u}) {
        const std::vector<std::uint32_t> draws = draws_after_seed(seed, 4000);
        for (std::size_t t = 521; t < draws.size(); ++t) {
            ASSERT_EQ(draws[t], draws[t - 521] ^ draws[t - 32])
                << "seed " << seed << ", draw index " << t;
        }
    }
}

TEST(RandomSource, SeedingDependsOnlyOnTheSeed) {
    RandomState fresh;
    random_seed(fresh, 0x12345678u);

    RandomState reused;
    random_seed(reused, 7);
    for (int i = 0; i < 1000; ++i) {
        random_next(reused);
    }
    reused.words.fill(0xDEADBEEFu);
    random_seed(reused, 0x12345678u);

    EXPECT_EQ(reused.position, fresh.position) << "position after reseeding";
    EXPECT_EQ(reused.words, fresh.words) << "block after reseeding a used state";
}

TEST(RandomSource, BelowScalesOneWordIntoRange) {
    struct Case {
        std::uint32_t word;
        std::int32_t n;
        std::int32_t expected;
    };
    const Case cases[] = {
        {0xFFFFFFFFu, 9, 8},
        {0x00000000u, 9, 0},
        {0x55555555u, 3, 0},
        {0x55555556u, 3, 1},
        {0x7FFFFFFFu, 2, 0},
        {0x80000000u, 2, 1},
        {0xFFFFFFFFu, 81, 80},
        {0x80000000u, 81, 40},
        // The product needs 53 bits here: a 32-bit multiplication would wrap.
        {0xFFFFFFFFu, (1 << 21) - 1, (1 << 21) - 2},
    };
    for (const Case& c : cases) {
        RandomState state;
        state.position = 10;
        state.words[11] = c.word;
        EXPECT_EQ(random_below(state, c.n), c.expected)
            << std::hex << "word " << c.word << std::dec << ", n " << c.n;
        EXPECT_EQ(state.position, 11) << "exactly one word consumed for n " << c.n;
    }
}

}  // namespace
}  // namespace cellwright
