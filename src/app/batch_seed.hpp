#pragma once
// The seed of a batch: the millisecond tick count, mixed with the process id so that batches
// started in the same millisecond differ. It stays one 32-bit value, so that
// `cellwright-tool batch --seed S` can reproduce any batch.

#include <cstdint>

namespace cellwright {

// tick + process * 0x9E3779B9, wrapping. The multiples of the golden-ratio constant are spread
// as evenly as numbers can be, so two processes whose ticks are less than 0.2 s apart never
// share a seed (for any process ids below 2^22), nor ones less than 5 s apart whose ids are
// less than 300,000 apart.
std::uint32_t mix_seed(std::uint32_t tick, std::uint32_t process);

// mix_seed of the current tick count and process id.
std::uint32_t batch_seed();

}  // namespace cellwright
