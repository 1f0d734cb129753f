#pragma once
// Going through the inputs of a subcommand: named files, or standard input for "-" or when no
// file is named, reporting each unreadable file and each bad line as "NAME:LINE: reason".

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "puzzle_input.hpp"

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

// Reads puzzles of either form from `in`, one per line, and calls `use` with the 1-based line
// number of each good one. Tolerates a carriage return before the line feed, and a UTF-8
// byte-order mark at the start. Every other bad line (empty, too long, malformed, clashing
// digits), and an input without any line, is reported on `errors` as "NAME:LINE: reason".
// Returns the number of faults reported.
std::uint64_t read_puzzles(
    std::string_view name, std::istream& in, std::ostream& errors,
    const std::function<void(std::uint64_t line_number, const PuzzleEntry& entry)>& use);

// Both of the above: every good puzzle of every input, in order, to `use`. Returns the
// number of faults and unreadable files together.
std::uint64_t for_each_puzzle(const std::vector<std::string>& names, std::istream& standard_input,
                              std::ostream& errors,
                              const std::function<void(const PuzzleEntry& entry)>& use);

// "NAME:LINE: reason\n" on `out`, in one piece.
void report_fault(std::ostream& out, std::string_view name, std::uint64_t line_number,
                  std::string_view reason);

// Removes a UTF-8 byte-order mark from the start of `line` (the first line of an input, which
// some editors begin with one). True when there was one.
bool strip_byte_order_mark(InputLine& line);

}  // namespace cellwright::tool
