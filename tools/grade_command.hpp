#pragma once
// `cellwright-tool grade [FILE...]`: one JSON line per puzzle read (see json_output.hpp).

#include <iosfwd>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace cellwright::tool {

// Grades every puzzle of the inputs (standard input when `files` is empty) onto `out`, bad
// lines and unreadable files reported on `errors`. Returns 0 when all went well, 1 otherwise.
int run_grade(const std::vector<std::string>& files, std::istream& standard_input,
              std::ostream& out, std::ostream& errors);

// Registers `grade`; its callback stores run_grade's result in `status`.
void add_grade_command(CLI::App& app, int& status);

}  // namespace cellwright::tool
