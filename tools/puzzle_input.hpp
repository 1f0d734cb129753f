#pragma once
// Reading puzzles from untrusted text, a line at a time, in either line form the library
// reads (see cellwright::PuzzleFormat): an 81-cell line or a problem line.
//
// Lines are read with a fixed cap, so a huge line costs no memory; every fault is described
// in words a user can act on, and a grid is only handed out when no digit clashes in a unit,
// so it is safe to count and solve.

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include <cellwright/cellwright.hpp>

namespace cellwright::tool {

// Longest line kept; anything longer is reported, not read into memory.
inline constexpr std::size_t MAX_LINE_LENGTH = 256;

struct InputLine {
    std::array<char, MAX_LINE_LENGTH> text{};
    std::size_t length = 0;         // characters kept, at most MAX_LINE_LENGTH
    bool too_long = false;          // the line had more; the rest was skipped
    bool ended_by_newline = false;  // false only for a last line without a line feed
    std::string_view view() const { return {text.data(), length}; }
};

// Reads the next line (without its line feed) from `in`. Returns false, with `line` empty,
// when the input is exhausted, or when reading failed: a stream buffer reports an I/O error
// by throwing, as a file's does; `in` is then bad, `read_error(in)` holds the errno, and the
// part of a line read before the failure is dropped.
bool read_bounded_line(std::istream& in, InputLine& line);

// The errno of the failed read that made `in` bad, or 0.
int read_error(std::istream& in);

// One puzzle as read: the givens and, for a problem line, its stored grade.
struct PuzzleEntry {
    Grid givens{};
    std::int32_t grade = 0;  // 1..12 from a problem line, 0 for a plain puzzle
};

// nullopt when the input is good, else the reason it is not.
using InputFault = std::optional<std::string>;

// Either form, chosen by the presence of "/". Fills `entry` only on success.
InputFault parse_puzzle_line(std::string_view line, PuzzleEntry& entry);

// The problem-file form only, exactly as the batch writes it.
InputFault parse_problem_line(std::string_view line, PuzzleEntry& entry);

}  // namespace cellwright::tool
