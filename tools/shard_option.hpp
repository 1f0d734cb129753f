#pragma once
// `generate --shard I/N`: one of N consecutive parts of a run, for the tasks of a scheduler's
// array job (cellwright::shard_range draws the borders), and the hint given when such a task
// runs without it.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

namespace cellwright::tool {

// Shard `index` of `count`.
struct Shard {
    std::uint64_t index = 0;  // 0 .. count - 1
    std::uint64_t count = 1;
};

// "I/N" with 0 <= I < N, each read as parse_number reads it; nullopt for anything else.
std::optional<Shard> parse_shard(std::string_view text);

// For the option's `check`: accepts what parse_shard accepts.
CLI::Validator shard_validator();

// When a scheduler's array index is in the environment (`lookup` reads a variable, null when
// unset) a hint to pass --shard, since without it every task makes the same problems. The
// index alone does not say how the tasks are numbered, so the tool never picks a shard itself.
std::optional<std::string> shard_hint(const std::function<const char*(const char*)>& lookup);

}  // namespace cellwright::tool
