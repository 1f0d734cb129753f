#include "verify_command.hpp"

#include <iostream>

#include "common_options.hpp"
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
    if (!line.text.empty() && line.text.back() == '\r') {
        return std::string("line ends with a carriage return");
    }
    if (line.text.empty()) {
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
    if (problem.grade > 10 || (problem.grade == 0 && grade.rated_grade > 10)) {
        // Classes 4 and 5: the ladder needs naked pairs or triples, or stalls, by design. A
        // record without a grade is judged by the rating alone.
        if (problem.grade != 0 && grade.rated_grade != problem.grade) {
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
    if (problem.grade != 0 && grade.graded() && grade.grade != problem.grade) {
        faults.push_back("stored grade " + std::to_string(problem.grade) +
                         ", the ladder grades it " + std::to_string(grade.grade));
    }
    return faults;
}

namespace {

// Checks one line of a problem file in the batch's exact form.
void verify_problem_line(std::uint64_t line_number, InputLine& line, bool byte_order_mark,
                         const std::function<void(std::uint64_t, std::string_view)>& fault) {
    // Not what the batch writes, but the line after the mark can still be judged.
    if (byte_order_mark) {
        fault(line_number, "file begins with a UTF-8 byte-order mark");
    }
    if (InputFault format = line_format_fault(line)) {
        fault(line_number, *format);
        // A missing final line feed leaves the line itself intact, so it is still judged.
        if (line.too_long || line.ended_by_newline) {
            return;
        }
    }
    PuzzleEntry problem;
    if (InputFault malformed = parse_problem_line(line.view(), problem)) {
        fault(line_number, *malformed);
        return;
    }
    for (const std::string& reason : problem_faults(problem)) {
        fault(line_number, reason);
    }
}

// How many lines may come before the first one that shows the format; past them the file is
// taken for a problem file, which has none such.
constexpr std::size_t MOST_LINES_BEFORE_FORMAT = 1000;

}  // namespace

void verify_problem_file(std::string_view name, std::istream& in, std::ostream& out,
                         VerifyTally& tally, InputFormat format) {
    ++tally.files;
    auto fault = [&](std::uint64_t line_number, std::string_view reason) {
        report_fault(out, name, line_number, reason);
        ++tally.faults;
    };
    // The lines up to the one that shows the format, to be read again in that format.
    std::vector<InputLine> held;
    bool byte_order_mark = false;
    InputFormat chosen = format;
    InputLine line;
    while (chosen == InputFormat::automatic && held.size() < MOST_LINES_BEFORE_FORMAT &&
           read_bounded_line(in, line)) {
        if (held.empty()) {
            byte_order_mark = strip_byte_order_mark(line);
        }
        held.push_back(line);
        std::string_view text = line.view();
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        if (!line.too_long && !is_blank_or_comment(text)) {
            chosen = detect_input_format(text);
        }
    }
    std::uint64_t line_number = 0;
    const auto next_line = [&](InputLine& next) {
        if (line_number < held.size()) {
            next = held[line_number];
        } else if (!read_bounded_line(in, next)) {
            return false;
        } else if (line_number == 0) {
            byte_order_mark = strip_byte_order_mark(next);
        }
        ++line_number;
        return true;
    };
    if (chosen == InputFormat::automatic || chosen == InputFormat::dat) {
        while (next_line(line)) {
            ++tally.problems;
            verify_problem_line(line_number, line, line_number == 1 && byte_order_mark, fault);
        }
        if (line_number == 0 && !in.bad()) {
            fault(1, "empty file, no problem");
        }
        return;
    }
    // Read again from the first line, so that the reader finds the same format itself.
    PuzzleReader reader(name, format, out, [&](const RecordPlace& place, const PuzzleEntry& entry) {
        ++tally.problems;
        for (const std::string& reason : problem_faults(entry)) {
            fault(place.line, reason);
        }
    });
    while (next_line(line)) {
        reader.take(line_number, line);
    }
    reader.finish(line_number, in.bad());
    tally.problems += reader.faults();
    tally.faults += reader.faults();
}

int run_verify(const std::vector<std::string>& files, std::istream& standard_input,
               std::ostream& out, std::ostream& errors, InputFormat format) {
    VerifyTally tally;
    const std::uint64_t unreadable =
        for_each_input(files, standard_input, errors, [&](std::string_view name, std::istream& in) {
            verify_problem_file(name, in, out, tally, format);
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
        "Check files of generated problems: unique solution, no naked pair or triple needed, "
        "24 or 25 givens on a symmetric pattern, stored grade equal to the ladder's (grades 11 "
        "and 12, classes 4 and 5: equal to the rating beyond the ladder); problem files also in "
        "their exact line form. Prints FILE:LINE: reason per fault and a summary; exits 1 when "
        "anything fails");
    set_example(command, "cellwright-tool verify 20261208_01\\(diff2\\).dat hard.jsonl");
    auto files = std::make_shared<std::vector<std::string>>();
    auto format = std::make_shared<InputFormat>(InputFormat::automatic);
    command->add_option("files", *files, "Problem files; '-' for standard input")->required();
    add_input_format_option(command, *format);
    command->callback([files, format, &status] {
        status = run_verify(*files, std::cin, std::cout, std::cerr, *format);
    });
}

}  // namespace cellwright::tool
