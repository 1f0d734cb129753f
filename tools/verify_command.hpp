#pragma once
// `cellwright-tool verify FILE...`: checks problem files line by line. A good line is in the
// exact problem-line form with a single line feed, has 24 or 25 givens on a pattern that a
// half turn (and so also a quarter turn) maps onto itself, has exactly one solution, is solved
// by the technique ladder without naked pairs or triples, and carries the grade the ladder's
// counters give.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "puzzle_input.hpp"

namespace cellwright::tool {

// Every fault of one well-formed problem, in the order checked; empty when it is good.
std::vector<std::string> problem_faults(const PuzzleEntry& problem);

struct VerifyTally {
    std::uint64_t files = 0;
    std::uint64_t problems = 0;  // lines read
    std::uint64_t faults = 0;    // fault messages printed
};

// Checks one problem file read from `in`, printing "NAME:LINE: reason" for each fault.
void verify_problem_file(std::string_view name, std::istream& in, std::ostream& out,
                         VerifyTally& tally);

// Checks every file, prints the faults and a summary line on `out` ("checked 90 problems in
// 3 files: all good", or the count of faults and of files that could not be read). Returns 0
// when nothing failed, 1 otherwise (unreadable files included).
int run_verify(const std::vector<std::string>& files, std::istream& standard_input,
               std::ostream& out, std::ostream& errors);

// Registers `verify`; its callback stores run_verify's result in `status`.
void add_verify_command(CLI::App& app, int& status);

}  // namespace cellwright::tool
