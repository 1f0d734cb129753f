#pragma once
// `cellwright-tool generate`: N problems of one class, numbered from K, each the first
// accepted problem of its own random stream derived from the seed and its number, written in
// number order as problem-file lines, 81-character puzzles or JSON Lines; or one shard of
// them, so that the machines of a scheduler's array job each make their part.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>
#include <cellwright/cellwright.hpp>

#include "shard_option.hpp"

namespace cellwright::tool {

enum class GenerateFormat { dat, line, json };

struct GenerateOptions {
    int difficulty_class = 1;           // 1..5
    std::optional<Technique> hardest;   // for classes 4 and 5: the hardest technique wanted
    std::uint64_t count = 30;           // N
    std::optional<std::uint64_t> seed;  // S; from the clock when absent
    std::uint64_t start = 0;            // K, the number of the first problem
    std::optional<Shard> shard;         // only this shard of problems K .. K + N - 1
    unsigned jobs = 0;                  // threads; 0 for one per core
    GenerateFormat format = GenerateFormat::dat;
    std::string output;     // created exclusively; empty for `out`
    bool stats = false;     // attempts, fillings, techniques, rates at the end
    bool progress = false;  // progress bar on `errors`
};

// One output line for problem `index`, with its line feed.
std::string format_generated(std::uint64_t index, const Problem& problem, std::uint64_t seed,
                             GenerateFormat format);

// Runs a whole `generate`: problems to `out` or to the new file `options.output`; the clock
// seed, the progress bar, statistics and failures to `errors`. Returns 0 on success, 1 when
// the output cannot be created or written, 2 for a hardest technique that no problem of the
// class can have.
int run_generate(const GenerateOptions& options, std::ostream& out, std::ostream& errors);

// Registers `generate`; its callback stores run_generate's result in `status`.
void add_generate_command(CLI::App& app, int& status);

}  // namespace cellwright::tool
