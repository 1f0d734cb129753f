#pragma once
// Going through the inputs of a subcommand: named files, or standard input for "-" or when no
// file is named, reporting each unreadable file and each bad line as "NAME:LINE: reason".

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "input_formats.hpp"

namespace cellwright::tool {

// The name standard input goes by in messages.
inline constexpr std::string_view STANDARD_INPUT_NAME = "<stdin>";

// Calls `read` with each input in turn (standard input when `names` is empty or for "-").
// A file that cannot be opened, or is a directory, is reported on `errors` as
// "NAME: cannot open: reason" and skipped; one whose reading failed part way (read_error) as
// "NAME: read error: reason" after what was read of it. Returns the number of such inputs.
std::uint64_t for_each_input(
    const std::vector<std::string>& names, std::istream& standard_input, std::ostream& errors,
    const std::function<void(std::string_view name, std::istream& in)>& read);

// Every good puzzle of every input (see for_each_input), read in `format` (see
// input_formats.hpp), in order, to `use`. Returns the number of faults and unreadable inputs
// together.
std::uint64_t for_each_puzzle(const std::vector<std::string>& names, std::istream& standard_input,
                              std::ostream& errors, InputFormat format, const PuzzleUse& use);

// The same with each input's format found from the input itself.
std::uint64_t for_each_puzzle(const std::vector<std::string>& names, std::istream& standard_input,
                              std::ostream& errors,
                              const std::function<void(const PuzzleEntry& entry)>& use);

// "NAME:LINE: reason\n" on `out`, in one piece.
void report_fault(std::ostream& out, std::string_view name, std::uint64_t line_number,
                  std::string_view reason);

}  // namespace cellwright::tool
