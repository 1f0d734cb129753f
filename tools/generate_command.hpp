#pragma once
// `cellwright-tool generate`: N problems of one class, numbered from K, each the first
// accepted problem of its own random stream derived from the seed and its number, written in
// number order in any record format (records.hpp); or one shard of
// them, so that the machines of a scheduler's array job each make their part.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>
#include <cellwright/cellwright.hpp>

#include "common_options.hpp"
#include "records.hpp"
#include "shard_option.hpp"

namespace cellwright::tool {

struct GenerateOptions {
    int difficulty_class = 1;           // 1..5
    std::optional<Technique> hardest;   // for classes 4 and 5: the hardest technique wanted
    std::uint64_t count = 30;           // N
    std::optional<std::uint64_t> seed;  // S; from the clock when absent
    std::uint64_t start = 0;            // K, the number of the first problem
    std::optional<Shard> shard;         // only this shard of problems K .. K + N - 1
    unsigned jobs = 0;                  // threads; 0 for one per core
    RecordFormat format = RecordFormat::dat;
    bool with_solutions = false;  // the solution after each puzzle of a line
    OutputOptions output;         // a file that appears complete; empty for `out`
    bool stats = false;           // attempts, fillings, techniques, rates at the end
    bool progress = false;        // progress bar on `errors`
};

// Runs a whole `generate`: problems to `out` or to the file `options.output`; the clock
// seed, the progress bar, statistics and failures to `errors`. Returns 0 on success, 1 when
// the output cannot be created or written, 2 for options that do not go together (a range
// past 2^64, --solutions with dat, a hardest technique that no problem of the class can have).
int run_generate(const GenerateOptions& options, std::ostream& out, std::ostream& errors);

// Registers `generate`; its callback stores run_generate's result in `status`.
void add_generate_command(CLI::App& app, int& status);

}  // namespace cellwright::tool
