#pragma once
// `cellwright-tool batch`: the lines that the problem file of a batch seeded with S would
// hold, on standard output, so that batches can be compared without the clock.

#include <cstdint>
#include <iosfwd>

#include <CLI/CLI.hpp>

#include <cellwright/cellwright.hpp>

namespace cellwright::tool {

struct BatchOptions {
    int difficulty_class = 1;                  // 1..3
    std::uint32_t seed = 0;                    // the batch's tick count
    std::uint64_t count = PROBLEMS_PER_BATCH;  // the first `count` problems of the stream
};

// Writes the first `options.count` problem lines of the batch, each with its line feed, to
// `out`. Returns 0, 1 (with a message on `errors`) when `out` failed, or 2 for a class
// outside 1..3.
int run_batch_lines(const BatchOptions& options, std::ostream& out, std::ostream& errors);

// Registers the `batch` subcommand; its callback stores run_batch_lines's result in `status`.
void add_batch_command(CLI::App& app, int& status);

}  // namespace cellwright::tool
