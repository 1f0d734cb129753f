#pragma once
// `cellwright-tool grade [FILE...]`: one record per puzzle read, with its solutions, solution,
// ladder counters, score, grade and class, as JSON Lines (the default), csv or lines (see
// records.hpp).

#include <iosfwd>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "common_options.hpp"
#include "records.hpp"

namespace cellwright::tool {

struct GradeOptions {
    std::vector<std::string> files;  // standard input when empty or for "-"
    InputFormat input_format = InputFormat::automatic;
    RecordFormat format = RecordFormat::json;
    bool with_solutions = false;  // the solution after each puzzle of a line, when unique
    OutputOptions output;
};

// Grades every puzzle of the inputs onto `out`, or into the file `options.output`; bad records
// and unreadable files are reported on `errors`. Standard output gets the records of the
// good puzzles as they come; a file is kept only when every input was read without a fault.
// Returns 0 when all went well, 1 for a fault in the inputs or the output, 2 for a format
// grade does not write (dat) or --solutions with one that has no place for it.
int run_grade(const GradeOptions& options, std::istream& standard_input, std::ostream& out,
              std::ostream& errors);

// Registers `grade`; its callback stores run_grade's result in `status`.
void add_grade_command(CLI::App& app, int& status);

}  // namespace cellwright::tool
