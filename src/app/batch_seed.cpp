#include "app/batch_seed.hpp"

#include "app/platform.hpp"

namespace cellwright {

std::uint32_t mix_seed(std::uint32_t tick, std::uint32_t process) {
    return tick + process * 0x9E3779B9u;
}

std::uint32_t batch_seed() {
    return mix_seed(tick_count(), process_id());
}

}  // namespace cellwright
