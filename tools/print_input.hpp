#pragma once
// Reads the problems a sheet is printed from: problem-file lines from one or more files, each
// solved by the solution counter for the answer key.

#include <iosfwd>
#include <string>
#include <vector>

#include "print_problem.hpp"

namespace cellwright::tool {

// Appends the problems of `files` ("-" for `standard_input`), in order, to `problems`,
// numbered 1, 2, ... across all files. Every faulty line (not a problem line, or givens
// without exactly one solution) is reported on `errors` as "FILE:LINE: reason", and a file
// that cannot be read as "FILE: reason"; reading goes on so that all faults are listed.
// Returns true when there was no fault at all. With `with_technique`, each problem is also
// solved step by step to name its hardest technique.
bool read_print_problems(const std::vector<std::string>& files, std::istream& standard_input,
                         std::vector<PrintProblem>& problems, std::ostream& errors,
                         bool with_technique = false);

}  // namespace cellwright::tool
