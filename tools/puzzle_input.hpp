#pragma once
// Reading untrusted text a line at a time, and one puzzle as a record of an input holds it.
//
// Lines are read with a fixed cap, so a huge line costs no more memory than the cap; every
// fault is described in words a user can act on, and a grid is only handed out when no digit
// clashes in a unit, so it is safe to count and solve.

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include <cellwright/cellwright.hpp>

namespace cellwright::tool {

// Longest line kept (a JSON record of every field fits many times over); anything longer is
// reported, not read into memory.
inline constexpr std::size_t MAX_LINE_LENGTH = 65536;

struct InputLine {
    std::string text;               // at most MAX_LINE_LENGTH characters
    bool too_long = false;          // the line had more; the rest was skipped
    bool ended_by_newline = false;  // false only for a last line without a line feed
    std::string_view view() const { return text; }
};

// Reads the next line (without its line feed) from `in`. Returns false, with `line` empty,
// when the input is exhausted, or when reading failed: a stream buffer reports an I/O error
// by throwing, as a file's does; `in` is then bad, `read_error(in)` holds the errno, and the
// part of a line read before the failure is dropped.
bool read_bounded_line(std::istream& in, InputLine& line);

// The errno of the failed read that made `in` bad, or 0.
int read_error(std::istream& in);

// Removes a UTF-8 byte-order mark from the start of `line` (the first line of an input, which
// some editors begin with one). True when there was one.
bool strip_byte_order_mark(InputLine& line);

// One puzzle as read, with what its record said of it.
struct PuzzleEntry {
    Grid givens{};
    std::int32_t grade = 0;  // the grade 1..12 the record states (a problem line's, a grade
                             // field's), else 0
    Grid solution{};         // the solution the record carries, checked against the givens;
                             // all 0 when it carries none

    bool has_solution() const { return solution[0] != 0; }
};

// nullopt when the input is good, else the reason it is not.
using InputFault = std::optional<std::string>;

// The entry of a parse: the fault, or `entry` filled.
InputFault entry_from(const ParsedPuzzle& parsed, PuzzleEntry& entry);

// One puzzle of one line in either line form the library reads, chosen by the presence of
// "/" (see cellwright::PuzzleFormat). Fills `entry` only on success.
InputFault parse_puzzle_line(std::string_view line, PuzzleEntry& entry);

// The problem-file form only, exactly as the batch writes it.
InputFault parse_problem_line(std::string_view line, PuzzleEntry& entry);

}  // namespace cellwright::tool
