#include "random/random.hpp"

namespace cellwright {

void random_seed(RandomState& state, std::uint32_t seed) {
    auto& words = state.words;
    // A linear congruential sequence supplies the bits of the first 17 words: bit j of
    // word i is the top bit of its (32i + j + 1)-th state.
    std::uint32_t lcg = seed;
    std::uint32_t accumulator = 0;
    for (int i = 0; i < 17; ++i) {
        for (int bit = 0; bit < 32; ++bit) {
            lcg = lcg * 1566083941u + 1u;
            accumulator = (accumulator >> 1) | (lcg & 0x80000000u);
        }
        words[i] = accumulator;
    }
    // A shift-and-XOR recurrence spreads them over the whole block.
    words[16] = (words[16] << 23) ^ (words[0] >> 9) ^ words[15];
    for (int i = 17; i < RANDOM_WORDS; ++i) {
        words[i] = (words[i - 17] << 23) ^ (words[i - 16] >> 9) ^ words[i - 1];
    }
    for (int warm_up = 0; warm_up < 3; ++warm_up) {
        random_refill(state);
    }
    state.position = RANDOM_WORDS - 1;
}

void random_refill(RandomState& state) {
    auto& words = state.words;
    for (int i = 0; i < 32; ++i) {
        words[i] ^= words[i + 489];
    }
    // Ascending, reading words already replaced in this refill: s(k) = s(k-521) ^ s(k-32).
    for (int i = 32; i < RANDOM_WORDS; ++i) {
        words[i] ^= words[i - 32];
    }
}

}  // namespace cellwright
