#pragma once
// Helpers for the tests that compare whole batches with stored problem files.

#include <cstdint>
#include <string>

namespace cellwright::test {

// The whole content of a file, or an empty string when it cannot be read.
std::string read_file(const std::string& path);

// The problem lines (each ending in a line feed) of the first `problems` problems of class
// `difficulty_class` that a batch seeded with `seed` accepts: the problem file's content.
std::string batch_text(std::uint32_t seed, int difficulty_class, int problems);

}  // namespace cellwright::test
