#pragma once
// Every number on cellwright-tool's command lines is read one way: decimal, or hexadecimal
// after "0x". A leading zero is just a zero, never a sign of octal, so "--start 010" in a
// script that pads its shard numbers means 10.

#include <cstdint>
#include <optional>
#include <string_view>

#include <CLI/CLI.hpp>

namespace cellwright::tool {

// A number written in decimal or, after "0x" or "0X", in hexadecimal, no greater than
// `largest`. No sign, blank or trailing text; nullopt otherwise.
std::optional<std::uint64_t> parse_number(std::string_view text, std::uint64_t largest);

// For an option's `transform`: accepts what parse_number accepts from `smallest` to
// `largest` and hands CLI11 the value in plain decimal, so that its own reading, which takes
// "010" for octal 8, never sees a leading zero or a prefix. `range` names the bounds in
// messages and help ("1..3").
CLI::Validator number_in(std::uint64_t smallest, std::uint64_t largest, const std::string& range);

}  // namespace cellwright::tool
