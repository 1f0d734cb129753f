#include "grade_command.hpp"

#include <iostream>

#include "input_files.hpp"
#include "output_file.hpp"

namespace cellwright::tool {

int run_grade(const GradeOptions& options, std::istream& standard_input, std::ostream& out,
              std::ostream& errors) {
    if (options.format == RecordFormat::dat) {
        errors << "cellwright-tool: --format dat: grade writes json, csv or line\n";
        return 2;
    }
    OutputSink sink(out);
    if (!sink.open(options.output.path, options.output.force, errors)) {
        return 1;
    }
    bool written = sink.write(record_header(options.format, RecordKind::graded));
    const std::uint64_t faults = for_each_puzzle(
        options.files, standard_input, errors, options.input_format,
        [&](const RecordPlace&, const PuzzleEntry& entry) {
            const PuzzleRecord record = graded_record(entry.givens, grade_puzzle(entry.givens));
            written = sink.write(format_record(record, options.format, options.with_solutions)) &&
                      written;
        });
    written = sink.close(errors, faults == 0) && written;
    return faults == 0 && written ? 0 : 1;
}

void add_grade_command(CLI::App& app, int& status) {
    CLI::App* command = app.add_subcommand(
        "grade",
        "Grade puzzles from files or standard input, in any input format: one record each with "
        "solutions (0, 1, or 2 for two or more), solution, ladder counters, score, grade and "
        "class, then the rating beyond the ladder: rated_class (4: needs naked pairs or "
        "triples, 5: needs more), rated_grade, outcome, hardest technique and steps");
    set_example(command, "cellwright-tool grade puzzles.txt --format csv -o graded.csv");
    auto options = std::make_shared<GradeOptions>();
    command->add_option("files", options->files, "Puzzle files; '-' or none for standard input");
    add_input_format_option(command, options->input_format);
    auto format = std::make_shared<std::string>("json");
    command
        ->add_option("--format", *format,
                     "json (JSON Lines, the default), csv (a header, then a line per puzzle) or "
                     "line (81 cells, '.' for empty)")
        ->check(CLI::IsMember({"json", "csv", "line"}));
    command->add_flag("--solutions", options->with_solutions,
                      "Follow each puzzle of a line with a blank and its solution, when it has "
                      "exactly one");
    add_output_options(command, options->output, "Write the records to this file");
    command->callback([options, format, &status] {
        GradeOptions run = *options;
        run.format = record_format_named(*format).value_or(RecordFormat::json);
        status = run_grade(run, std::cin, std::cout, std::cerr);
    });
}

}  // namespace cellwright::tool
