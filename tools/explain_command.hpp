#pragma once
// `cellwright-tool explain [FILE...] [--first] [--format text|json]`: each puzzle solved step
// by step, every step in words in r1c1 notation, or only the next step (a hint); as text or
// as one JSON line per puzzle (see json_output.hpp). A puzzle may be partly filled in.

#include <iosfwd>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>
#include <cellwright/cellwright.hpp>

namespace cellwright::tool {

struct ExplainOptions {
    std::vector<std::string> files;  // standard input when empty
    bool first = false;              // only the next step
    bool json = false;               // JSON Lines instead of text
};

// The text form of puzzle `number`'s explanation, ending in a line feed:
//
//   puzzle 1: ..8.......2..3..54...15...6....8.7...17...23...3.1....4...29...36..4..1.......5..
//     1. hidden single in box 6: r4c9 = 1
//     ...
//     solved
//
// With only the next step: "puzzle 1: hidden single in box 6: r4c9 = 1", or how it stands.
std::string explanation_text(int number, const Grid& grid, const Explanation& explanation,
                             bool first);

// Explains every puzzle of the inputs onto `out`, bad lines and unreadable files reported on
// `errors`. Returns 0 when all inputs were read, 1 otherwise; a puzzle that stalls or shows a
// contradiction is explained, not an error.
int run_explain(const ExplainOptions& options, std::istream& standard_input, std::ostream& out,
                std::ostream& errors);

// Registers `explain`; its callback stores run_explain's result in `status`.
void add_explain_command(CLI::App& app, int& status);

}  // namespace cellwright::tool
