#include "batch_command.hpp"

#include <iostream>
#include <memory>

#include "number_option.hpp"
#include "output_file.hpp"

namespace cellwright::tool {

int run_batch_lines(const BatchOptions& options, std::ostream& out, std::ostream& errors) {
    if (options.difficulty_class < 1 || options.difficulty_class > 3) {
        errors << "cellwright-tool: no class " << options.difficulty_class << '\n';
        return 2;
    }
    OutputSink sink(out);
    if (!sink.open(options.output.path, options.output.force, errors)) {
        return 1;
    }
    // The same stream of draws as a batch of the program: one seeding, then problem after
    // problem, each from where the last one left the random source.
    Batch batch = start_batch(options.seed, options.difficulty_class);
    bool written = true;
    for (std::uint64_t i = 0; i < options.count && written; ++i) {
        const std::optional<Problem> problem = next_batch_problem(batch);
        written = problem && sink.write(format_puzzle(problem->givens, PuzzleFormat::problem_line,
                                                      problem->grade) +
                                        '\n');
    }
    return sink.close(errors) && written ? 0 : 1;
}

void add_batch_command(CLI::App& app, int& status) {
    CLI::App* command = app.add_subcommand(
        "batch",
        "Print the problem lines that a cellwright batch seeded with S would write to its file");
    set_example(command, "cellwright-tool batch --class 2 --seed 0x2A --count 5");
    auto options = std::make_shared<BatchOptions>();
    command->add_option("--class", options->difficulty_class, "Difficulty class 1..3")
        ->required()
        ->transform(number_in(1, 3, "1..3"));
    command->add_option("--seed", options->seed, "Seed S, the batch's tick count: 0..2^32-1")
        ->required()
        ->transform(number_in(0, UINT32_MAX, "0..2^32-1"));
    command->add_option("--count", options->count, "Number N of problems (default 30)")
        ->transform(number_in(0, UINT64_MAX, "0..2^64-1"));
    add_output_options(command, options->output, "Write the lines to this file");
    command->callback(
        [options, &status] { status = run_batch_lines(*options, std::cout, std::cerr); });
}

}  // namespace cellwright::tool
