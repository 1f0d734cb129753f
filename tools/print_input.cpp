#include "print_input.hpp"

#include <ostream>

#include "input_files.hpp"

namespace cellwright::tool {

bool read_print_problems(const std::vector<std::string>& files, std::istream& standard_input,
                         std::vector<PrintProblem>& problems, std::ostream& errors,
                         bool with_technique, InputFormat format) {
    std::uint64_t unsolvable = 0;
    const std::uint64_t faults = for_each_puzzle(
        files, standard_input, errors, format,
        [&](const RecordPlace& place, const PuzzleEntry& entry) {
            // The answer key needs the one solution.
            const Grading grading = grade_puzzle(entry.givens);
            if (grading.solutions != 1) {
                report_fault(errors, place.name, place.line,
                             grading.solutions == 0 ? "the givens have no solution"
                                                    : "the givens have more than one solution");
                ++unsolvable;
                return;
            }
            PrintProblem problem;
            problem.number = static_cast<int>(problems.size()) + 1;
            problem.grade = entry.grade != 0 ? entry.grade : grading.rated_grade;
            problem.difficulty_class = class_of_grade(problem.grade);
            problem.givens = entry.givens;
            problem.solution = grading.solution;
            if (with_technique && grading.hardest) {
                problem.technique = technique_name(*grading.hardest);
            }
            problems.push_back(problem);
        });
    return faults == 0 && unsolvable == 0;
}

}  // namespace cellwright::tool
