#include "app/batch_seed.hpp"

#include "app/platform.hpp"

namespace cellwright {

std::uint32_t mix_seed(std::uint32_t tick, std::uint32_t process) {
    // A 32-bit finaliser: each xor-shift and each odd multiplication can be undone.
    std::uint32_t h = process;
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return tick ^ h;
}

std::uint32_t batch_seed() {
    return mix_seed(tick_count(), process_id());
}

}  // namespace cellwright
