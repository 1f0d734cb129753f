#include "random/random_stream.hpp"

namespace cellwright {

void random_seed_stream(RandomState& state, std::uint64_t seed, std::uint64_t index) {
    constexpr std::uint64_t GOLDEN_GAMMA = 0x9E3779B97F4A7C15ull;
    std::uint64_t sequence = mix64(seed) ^ index;
    for (int i = 0; i < RANDOM_WORDS; i += 2) {
        sequence += GOLDEN_GAMMA;
        const std::uint64_t word = mix64(sequence);
        state.words[i] = static_cast<std::uint32_t>(word);
        if (i + 1 < RANDOM_WORDS) {
            state.words[i + 1] = static_cast<std::uint32_t>(word >> 32);
        }
    }
    for (int warm_up = 0; warm_up < 3; ++warm_up) {
        random_refill(state);
    }
    state.position = RANDOM_WORDS - 1;
}

}  // namespace cellwright
