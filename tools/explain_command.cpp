#include "explain_command.hpp"

#include <iostream>

#include "input_files.hpp"
#include "json_output.hpp"

namespace cellwright::tool {

std::string explanation_text(int number, const Grid& grid, const Explanation& explanation,
                             bool first) {
    const std::string heading = "puzzle " + std::to_string(number) + ": ";
    if (first) {
        return heading + explanation.text + '\n';
    }
    std::string text = heading + format_puzzle(grid, PuzzleFormat::line) + '\n';
    int step_number = 0;
    for (const SolvingStep& step : explanation.steps) {
        text += "  " + std::to_string(++step_number) + ". " + step.text + '\n';
    }
    return text + "  " + explanation.text + '\n';
}

int run_explain(const ExplainOptions& options, std::istream& standard_input, std::ostream& out,
                std::ostream& errors) {
    int number = 0;
    const int faults =
        for_each_puzzle(options.files, standard_input, errors, [&](const PuzzleEntry& entry) {
            const Explanation explanation =
                options.first ? hint(entry.givens) : explain(entry.givens);
            if (options.json) {
                out << explanation_json(entry.givens, explanation) << '\n';
            } else {
                out << explanation_text(++number, entry.givens, explanation, options.first);
            }
        });
    out.flush();
    return faults == 0 ? 0 : 1;
}

void add_explain_command(CLI::App& app, int& status) {
    CLI::App* command = app.add_subcommand(
        "explain",
        "Solve puzzles (81 cells, '.' or '0' for empty, or problem-file lines; a puzzle may be "
        "partly filled in) step by step, each step the cheapest technique that helps, in words "
        "in r1c1 notation: 'X-wing on 3 in rows 2 and 7, columns 4 and 8: r5c4, r6c8 <> 3'");
    auto options = std::make_shared<ExplainOptions>();
    command->add_option("files", options->files, "Puzzle files; '-' or none for standard input");
    command->add_flag("--first", options->first, "Only the next step of each puzzle (a hint)");
    auto format = std::make_shared<std::string>("text");
    command
        ->add_option("--format", *format,
                     "text (default) or json (one JSON line per puzzle with every step's "
                     "technique, pattern, placement and eliminations)")
        ->check(CLI::IsMember({"text", "json"}));
    command->callback([options, format, &status] {
        ExplainOptions run = *options;
        run.json = *format == "json";
        status = run_explain(run, std::cin, std::cout, std::cerr);
    });
}

}  // namespace cellwright::tool
