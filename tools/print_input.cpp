#include "print_input.hpp"

#include <ostream>

#include "input_files.hpp"

namespace cellwright::tool {

namespace {

// The answer key's solution of `givens`, which the parser has checked for clashes. Nothing
// when the givens have no solution or more than one, with the reason in `fault`.
InputFault solve_for_key(const Grid& givens, Grid& solution) {
    const SolutionCount solutions = count_solutions(givens);
    if (solutions.count == 0) {
        return "the givens have no solution";
    }
    if (solutions.count > 1) {
        return "the givens have more than one solution";
    }
    solution = solutions.solution;
    return std::nullopt;
}

}  // namespace

bool read_print_problems(const std::vector<std::string>& files, std::istream& standard_input,
                         std::vector<PrintProblem>& problems, std::ostream& errors,
                         bool with_technique) {
    std::uint64_t faults = 0;
    const std::uint64_t unreadable =
        for_each_input(files, standard_input, errors, [&](std::string_view name, std::istream& in) {
            faults += read_puzzles(
                name, in, errors, [&](std::uint64_t line_number, const PuzzleEntry& entry) {
                    PrintProblem problem;
                    InputFault fault;
                    if (entry.grade == 0) {
                        // A bare 81-cell puzzle carries no grade for the
                        // heading.
                        fault = "not a problem line (grade/row/.../row/)";
                    } else {
                        fault = solve_for_key(entry.givens, problem.solution);
                    }
                    if (fault) {
                        report_fault(errors, name, line_number, *fault);
                        ++faults;
                        return;
                    }
                    problem.number = static_cast<int>(problems.size()) + 1;
                    problem.grade = entry.grade;
                    problem.difficulty_class = class_of_grade(entry.grade);
                    problem.givens = entry.givens;
                    if (with_technique) {
                        const std::optional<Technique> hardest = grade_puzzle(entry.givens).hardest;
                        problem.technique = hardest ? technique_name(*hardest) : "";
                    }
                    problems.push_back(problem);
                });
        });
    return faults == 0 && unreadable == 0;
}

}  // namespace cellwright::tool
