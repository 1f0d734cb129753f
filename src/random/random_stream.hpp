#pragma once
// Independent random streams for problems generated apart from one another: problem `index`
// of a run seeded with `seed` gets a RandomState of its own, so that any range of problems
// can be made on any machine, in any order, with the same result.

#include <cstdint>

#include "random/random.hpp"

namespace cellwright {

// A 64-bit mixing function (the SplitMix64 finaliser): a bijection that spreads every input
// bit over the whole word.
constexpr std::uint64_t mix64(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Fills all 521 words from the SplitMix64 sequence that starts at mix64(seed) XOR index (low
// half of each output first), then warms up as `random_seed` does: three refills and position
// 520. Distinct (seed, index) pairs start distinct 64-bit sequences, so streams do not
// collide in practice, unlike 32-bit seeds, which repeat after some 65,000 problems.
void random_seed_stream(RandomState& state, std::uint64_t seed, std::uint64_t index);

}  // namespace cellwright
