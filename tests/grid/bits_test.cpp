// The bit vocabulary against looking at one bit at a time, over every 9-bit mask and over
// random wide words and runs of words.

#include "grid/bits.hpp"

#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace cellwright {
namespace {

TEST(Bits, WalksAndTestsAgreeWithLookingAtEachBit) {
    std::mt19937_64 engine(7);
    for (std::uint64_t i = 0; i < 3000; ++i) {
        // Every 9-bit mask, then sparse and dense 64-bit words.
        const std::uint64_t word = i < 512 ? i : (engine() & engine()) >> (i % 64);
        std::vector<int> expected;
        for (int bit = 0; bit < 64; ++bit) {
            if ((word >> bit & 1) != 0) {
                expected.push_back(bit);
            }
        }
        std::vector<int> visited;
        for_each_bit(word, [&](int bit) { visited.push_back(bit); });
        EXPECT_EQ(visited, expected) << word;
        EXPECT_EQ(more_than_one(word), expected.size() > 1) << word;
        EXPECT_EQ(exactly_one(word), expected.size() == 1) << word;
        EXPECT_EQ(lowest_bit(word), expected.empty() ? 0 : std::uint64_t{1} << expected[0]) << word;
    }
}

TEST(Bits, TallyCountsEachBitUpToTwice) {
    std::mt19937 engine(11);
    for (int run = 0; run < 2000; ++run) {
        // Up to nine digit masks, split in two runs whose tallies are merged.
        const int length = run % 10;
        const int split = length == 0 ? 0 : static_cast<int>(engine() % (length + 1));
        Tally<std::uint16_t> first{};
        Tally<std::uint16_t> second{};
        Tally<std::uint16_t> whole{};
        std::vector<int> seen(9, 0);
        for (int i = 0; i < length; ++i) {
            const auto word = static_cast<std::uint16_t>(engine() & engine() & 0x1FF);
            whole = tally_add(whole, word);
            (i < split ? first : second) = tally_add(i < split ? first : second, word);
            for (int bit = 0; bit < 9; ++bit) {
                seen[bit] += word >> bit & 1;
            }
        }
        const Tally<std::uint16_t> merged = tally_merge(first, second);
        for (int bit = 0; bit < 9; ++bit) {
            EXPECT_EQ(whole.once >> bit & 1, seen[bit] >= 1 ? 1 : 0) << run << " bit " << bit;
            EXPECT_EQ(whole.twice >> bit & 1, seen[bit] >= 2 ? 1 : 0) << run << " bit " << bit;
            EXPECT_EQ(exactly_once(whole) >> bit & 1, seen[bit] == 1 ? 1 : 0) << run;
        }
        EXPECT_EQ(merged.once, whole.once) << run;
        EXPECT_EQ(merged.twice, whole.twice) << run;
    }
}

}  // namespace
}  // namespace cellwright
