#pragma once
// Reads the problems a sheet is printed from: puzzles of one or more inputs in any input
// format, each solved by the solution counter for the answer key.

#include <iosfwd>
#include <string>
#include <vector>

#include "input_formats.hpp"
#include "print_problem.hpp"

namespace cellwright::tool {

// Appends the problems of `files` ("-" for `standard_input`), in order, to `problems`,
// numbered 1, 2, ... across all files. A problem is headed with the grade its record states,
// else with the grade its rating gives it, else with none. Every faulty record (unreadable,
// or givens without exactly one solution) is reported on `errors` as "FILE:LINE: reason", and
// a file that cannot be read as "FILE: reason"; reading goes on so that all faults are listed.
// Returns true when there was no fault at all. With `with_technique`, each problem also
// names its hardest technique.
bool read_print_problems(const std::vector<std::string>& files, std::istream& standard_input,
                         std::vector<PrintProblem>& problems, std::ostream& errors,
                         bool with_technique = false, InputFormat format = InputFormat::automatic);

}  // namespace cellwright::tool
