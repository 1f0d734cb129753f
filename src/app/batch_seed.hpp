#pragma once
// The seed of a batch: the millisecond tick count, mixed with the process id so that batches
// started in the same millisecond differ. It stays one 32-bit value, so that
// `cellwright-tool batch --seed S` can reproduce any batch.

#include <cstdint>

namespace cellwright {

// tick XOR a scrambling of `process` that is one-to-one: two processes alive at the same
// tick never share a seed, and process ids that differ in one bit do not give seeds that
// differ in one bit.
std::uint32_t mix_seed(std::uint32_t tick, std::uint32_t process);

// mix_seed of the current tick count and process id.
std::uint32_t batch_seed();

}  // namespace cellwright
