#include "batch_command.hpp"

#include <iostream>
#include <memory>

#include "number_option.hpp"
#include "output_file.hpp"

namespace cellwright::tool {

int run_batch_lines(const BatchOptions& options, std::ostream& out, std::ostream& errors) {
    // The same stream of draws as a batch of the program: one seeding, then problem after
    // problem, each from where the last one left the random source.
    Batch batch = start_batch(options.seed, options.difficulty_class);
    for (std::uint64_t i = 0; i < options.count && out; ++i) {
        const std::optional<Problem> problem = next_batch_problem(batch);
        if (!problem) {
            errors << "cellwright-tool: no class " << options.difficulty_class << '\n';
            return 2;
        }
        out << format_puzzle(problem->givens, PuzzleFormat::problem_line, problem->grade) << '\n';
    }
    return finish_output(out, errors) ? 0 : 1;
}

void add_batch_command(CLI::App& app, int& status) {
    CLI::App* command = app.add_subcommand(
        "batch",
        "Print the problem lines that a cellwright batch seeded with S would write to its file");
    auto options = std::make_shared<BatchOptions>();
    command->add_option("--class", options->difficulty_class, "Difficulty class 1..3")
        ->required()
        ->transform(number_in(1, 3, "1..3"));
    command->add_option("--seed", options->seed, "Seed S, the batch's tick count: 0..2^32-1")
        ->required()
        ->transform(number_in(0, UINT32_MAX, "0..2^32-1"));
    command->add_option("--count", options->count, "Number N of problems (default 30)")
        ->transform(number_in(0, UINT64_MAX, "0..2^64-1"));
    command->callback(
        [options, &status] { status = run_batch_lines(*options, std::cout, std::cerr); });
}

}  // namespace cellwright::tool
