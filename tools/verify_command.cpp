#include "verify_command.hpp"

#include <iostream>

#include "input_files.hpp"
#include "output_file.hpp"

namespace cellwright::tool {
namespace {

// Why one line is not a well-formed problem line, before its contents are judged.
InputFault line_format_fault(const InputLine& line) {
    if (line.too_long) {
        return "line longer than " + std::to_string(MAX_LINE_LENGTH) + " characters";
    }
    if (!line.ended_by_newline) {
        return std::string("last line has no line feed");
    }
    if (line.length > 0 && line.view().back() == '\r') {
        return std::string("line ends with a carriage return");
    }
    if (line.length == 0) {
        return std::string("empty line");
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> problem_faults(const PuzzleEntry& problem) {
    std::vector<std::string> faults;
    const int givens = count_givens(problem.givens);
    if (!is_generated_given_count(givens)) {
        faults.push_back(std::to_string(givens) + " givens, expected 24 or 25");
    }
    if (!is_half_turn_symmetric(problem.givens)) {
        faults.push_back("given cells are not symmetric under a quarter or half turn");
    }
    const Grading grade = grade_puzzle(problem.givens);
    if (grade.solutions != 1) {
        faults.push_back(grade.solutions == 0 ? "no solution" : "more than one solution");
        return faults;
    }
    if (problem.grade > 10) {
        // Classes 4 and 5: the ladder needs naked pairs or triples, or stalls, by design.
        if (grade.rated_grade != problem.grade) {
            faults.push_back("stored grade " + std::to_string(problem.grade) +
                             (grade.rated_grade == 0
                                  ? ", but no technique finishes it (it needs guessing)"
                                  : ", the rating gives " + std::to_string(grade.rated_grade)));
        }
        return faults;
    }
    if (!grade.solved) {
        faults.push_back("the technique ladder does not solve it");
        return faults;
    }
    if (grade.counters.naked_pair_sweeps != 0) {
        faults.push_back("needs naked pairs");
    }
    if (grade.counters.naked_triple_sweeps != 0) {
        faults.push_back("needs naked triples");
    }
    if (grade.graded() && grade.grade != problem.grade) {
        faults.push_back("stored grade " + std::to_string(problem.grade) +
                         ", the ladder grades it " + std::to_string(grade.grade));
    }
    return faults;
}

void verify_problem_file(std::string_view name, std::istream& in, std::ostream& out,
                         VerifyTally& tally) {
    ++tally.files;
    auto fault = [&](std::uint64_t line_number, std::string_view reason) {
        report_fault(out, name, line_number, reason);
        ++tally.faults;
    };
    std::uint64_t line_number = 0;
    InputLine line;
    while (read_bounded_line(in, line)) {
        ++line_number;
        ++tally.problems;
        // Not what the batch writes, but the line after the mark can still be judged.
        if (line_number == 1 && strip_byte_order_mark(line)) {
            fault(line_number, "file begins with a UTF-8 byte-order mark");
        }
        if (InputFault format = line_format_fault(line)) {
            fault(line_number, *format);
            // A missing final line feed leaves the line itself intact, so it is still judged.
            if (line.too_long || line.ended_by_newline) {
                continue;
            }
        }
        PuzzleEntry problem;
        if (InputFault malformed = parse_problem_line(line.view(), problem)) {
            fault(line_number, *malformed);
            continue;
        }
        for (const std::string& reason : problem_faults(problem)) {
            fault(line_number, reason);
        }
    }
    if (line_number == 0 && !in.bad()) {
        fault(1, "empty file, no problem");
    }
}

int run_verify(const std::vector<std::string>& files, std::istream& standard_input,
               std::ostream& out, std::ostream& errors) {
    VerifyTally tally;
    const std::uint64_t unreadable =
        for_each_input(files, standard_input, errors, [&](std::string_view name, std::istream& in) {
            verify_problem_file(name, in, out, tally);
        });
    const auto counted = [](std::uint64_t count, const char* one, const char* many) {
        return std::to_string(count) + (count == 1 ? one : many);
    };
    std::string summary = "checked " + counted(tally.problems, " problem", " problems") + " in " +
                          counted(tally.files, " file", " files") + ": ";
    if (tally.faults == 0 && unreadable == 0) {
        summary += "all good";
    } else if (tally.faults != 0) {
        summary += counted(tally.faults, " fault", " faults");
    }
    if (unreadable != 0) {
        summary += (tally.faults != 0 ? ", " : "") + counted(unreadable, " file", " files") +
                   " could not be read";
    }
    out << summary + '\n';
    const bool written = finish_output(out, errors);
    return tally.faults == 0 && unreadable == 0 && written ? 0 : 1;
}

void add_verify_command(CLI::App& app, int& status) {
    CLI::App* command = app.add_subcommand(
        "verify",
        "Check problem files: exact line format, unique solution, no naked pair or triple "
        "needed, 24 or 25 givens on a symmetric pattern, stored grade equal to the ladder's "
        "(grades 11 and 12, classes 4 and 5: equal to the rating beyond the ladder). "
        "Prints FILE:LINE: reason per fault and a summary; exits 1 when anything fails");
    auto files = std::make_shared<std::vector<std::string>>();
    command->add_option("files", *files, "Problem files; '-' for standard input")->required();
    command->callback(
        [files, &status] { status = run_verify(*files, std::cin, std::cout, std::cerr); });
}

}  // namespace cellwright::tool
