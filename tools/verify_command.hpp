#pragma once
// `cellwright-tool verify FILE...`: checks files of generated problems. A good problem has 24
// or 25 givens on a pattern that a half turn (and so also a quarter turn) maps onto itself,
// has exactly one solution, is solved by the technique ladder without naked pairs or triples,
// and carries the grade the ladder's counters give, when its record states one. A problem
// file is checked line by line in the exact form the batch writes, a single line feed after
// each line; the other formats `generate` writes (line, json, csv) record by record as the
// reader reads them.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "input_formats.hpp"

namespace cellwright::tool {

// Every fault of one well-formed problem, in the order checked; empty when it is good.
std::vector<std::string> problem_faults(const PuzzleEntry& problem);

struct VerifyTally {
    std::uint64_t files = 0;
    std::uint64_t problems = 0;  // lines or records read
    std::uint64_t faults = 0;    // fault messages printed
};

// Checks one file read from `in` in `format`, found from its first line when automatic,
// printing "NAME:LINE: reason" for each fault.
void verify_problem_file(std::string_view name, std::istream& in, std::ostream& out,
                         VerifyTally& tally, InputFormat format = InputFormat::automatic);

// Checks every file, prints the faults and a summary line on `out` ("checked 90 problems in
// 3 files: all good", or the count of faults and of files that could not be read). Returns 0
// when nothing failed, 1 otherwise (unreadable files included).
int run_verify(const std::vector<std::string>& files, std::istream& standard_input,
               std::ostream& out, std::ostream& errors,
               InputFormat format = InputFormat::automatic);

// Registers `verify`; its callback stores run_verify's result in `status`.
void add_verify_command(CLI::App& app, int& status);

}  // namespace cellwright::tool
