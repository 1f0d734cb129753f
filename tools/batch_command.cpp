#include "batch_command.hpp"

#include <charconv>
#include <iostream>
#include <limits>
#include <memory>
#include <string>

namespace cellwright::tool {

std::optional<std::uint64_t> parse_number(std::string_view text, std::uint64_t largest) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc{} || stop != end || value > largest) {
        return std::nullopt;
    }
    return value;
}

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
    out.flush();
    if (!out) {
        errors << "cellwright-tool: failed to write the problem lines\n";
        return 1;
    }
    return 0;
}

namespace {

constexpr std::uint64_t LARGEST_SEED = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint64_t LARGEST_COUNT = std::numeric_limits<std::uint64_t>::max();

// Accepts what parse_number accepts up to `largest`; CLI11's own reading would take "010"
// for octal 8.
CLI::Validator number_up_to(std::uint64_t largest, const std::string& range) {
    return CLI::Validator(
        [largest, range](const std::string& text) -> std::string {
            if (parse_number(text, largest)) {
                return {};
            }
            return "'" + text + "' is not a number in " + range + " (decimal or 0x-hex)";
        },
        "NUMBER");
}

}  // namespace

void add_batch_command(CLI::App& app, int& status) {
    CLI::App* command = app.add_subcommand(
        "batch",
        "Print the problem lines that a cellwright batch seeded with S would write to its file");
    auto options = std::make_shared<BatchOptions>();
    auto seed = std::make_shared<std::string>();
    auto count = std::make_shared<std::string>(std::to_string(PROBLEMS_PER_BATCH));
    command->add_option("--class", options->difficulty_class, "Difficulty class 1..3")
        ->required()
        ->check(CLI::Range(1, 3));
    command->add_option("--seed", *seed, "Seed S, the batch's tick count: 0..2^32-1")
        ->required()
        ->check(number_up_to(LARGEST_SEED, "0..2^32-1"));
    command->add_option("--count", *count, "Number N of problems (default 30)")
        ->check(number_up_to(LARGEST_COUNT, "0..2^64-1"));
    command->callback([options, seed, count, &status] {
        BatchOptions run = *options;
        run.seed = static_cast<std::uint32_t>(*parse_number(*seed, LARGEST_SEED));
        run.count = *parse_number(*count, LARGEST_COUNT);
        status = run_batch_lines(run, std::cout, std::cerr);
    });
}

}  // namespace cellwright::tool
