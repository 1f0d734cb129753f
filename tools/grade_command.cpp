#include "grade_command.hpp"

#include <iostream>

#include "input_files.hpp"
#include "json_output.hpp"
#include "output_file.hpp"

namespace cellwright::tool {

int run_grade(const std::vector<std::string>& files, std::istream& standard_input,
              std::ostream& out, std::ostream& errors) {
    const std::uint64_t faults =
        for_each_puzzle(files, standard_input, errors, [&](const PuzzleEntry& entry) {
            out << grade_json(entry.givens, grade_puzzle(entry.givens)) + '\n';
        });
    const bool written = finish_output(out, errors);
    return faults == 0 && written ? 0 : 1;
}

void add_grade_command(CLI::App& app, int& status) {
    CLI::App* command = app.add_subcommand(
        "grade",
        "Grade puzzles (81 cells, '.' or '0' for empty, or problem-file lines) from files or "
        "standard input: one JSON line each with solutions, solution, ladder counters, score, "
        "grade and class, then the rating beyond the ladder: rated_class (4: needs naked pairs "
        "or triples, 5: needs more), rated_grade, outcome, hardest technique and steps");
    auto files = std::make_shared<std::vector<std::string>>();
    command->add_option("files", *files, "Puzzle files; '-' or none for standard input");
    command->callback(
        [files, &status] { status = run_grade(*files, std::cin, std::cout, std::cerr); });
}

}  // namespace cellwright::tool
