#pragma once
// The lagged XOR random source: s(k) = s(k-521) XOR s(k-32) over 32-bit words, produced 521
// at a time. Every random decision of the generator is exactly one `random_below`, so the
// order of draws fixes a whole batch for a given seed.

#include <array>
#include <cstdint>

namespace cellwright {

inline constexpr int RANDOM_WORDS = 521;

struct RandomState {
    std::int32_t position = 0;  // index of the word most recently handed out
    std::array<std::uint32_t, RANDOM_WORDS> words{};
};

// Derives the first block from `seed` and warms up with three refills; position = 520,
// so the first draw triggers a fourth refill and returns words[0] of that block.
void random_seed(RandomState& state, std::uint32_t seed);

// Replaces the block in place by the next 521 words of the sequence.
void random_refill(RandomState& state);

// The next word of the sequence.
inline std::uint32_t random_next(RandomState& state) {
    if (++state.position >= RANDOM_WORDS) {
        random_refill(state);
        state.position = 0;
    }
    return state.words[static_cast<std::size_t>(state.position)];
}

// floor(word * n / 2^32) for one fresh word: a value in 0..n-1 for 1 <= n < 2^21. Consumes
// exactly one word and never retries, so it is slightly non-uniform when n does not divide
// 2^32, as the sequence of batches depends on.
inline std::int32_t random_below(RandomState& state, std::int32_t n) {
    const std::uint64_t word = random_next(state);
    return static_cast<std::int32_t>((word * static_cast<std::uint64_t>(n)) >> 32);
}

}  // namespace cellwright
