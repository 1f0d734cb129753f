#include "print_input.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <ostream>
#include <string_view>

#include "app/grading.hpp"
#include "count/count_solutions_robust.hpp"

namespace cellwright::tool {

namespace {

// ---------------------------------------------------------------------------------------
// INTERIM: a minimal reader of one problem-file line, kept only until the tool's shared
// problem-line parser lands; then `parse_problem_line` gives way to it.
struct ParsedLine {
    int grade = 0;
    DigitGrid givens{};
};

// Returns an empty reason on success, else why `line` is not a problem line.
std::string parse_problem_line(std::string_view line, ParsedLine& parsed) {
    const std::size_t slash = line.find('/');
    const std::string_view grade = line.substr(0, slash);
    if (slash == std::string_view::npos || grade.empty() || grade.size() > 2 ||
        grade.find_first_not_of("0123456789") != std::string_view::npos || grade[0] == '0') {
        return "expected a grade 1..10 followed by \"/\"";
    }
    parsed.grade = std::stoi(std::string(grade));
    if (parsed.grade > 10) {
        return "expected a grade 1..10 followed by \"/\"";
    }
    std::size_t at = slash + 1;
    for (int row = 0; row < 9; ++row, at += 10) {
        if (line.size() < at + 10 || line[at + 9] != '/') {
            return "row " + std::to_string(row + 1) + ": expected nine cells followed by \"/\"";
        }
        for (int column = 0; column < 9; ++column) {
            const char c = line[at + column];
            if (c != '.' && (c < '1' || c > '9')) {
                return "row " + std::to_string(row + 1) + ": a cell is \".\" or a digit 1..9";
            }
            parsed.givens[row * 9 + column] = c == '.' ? 0 : static_cast<std::uint8_t>(c - '0');
        }
    }
    if (at != line.size()) {
        return "unexpected text after the ninth row";
    }
    return {};
}
// ---------------------------------------------------------------------------------------

// Solves the givens for the answer key. Empty reason on success.
std::string solve_for_key(const DigitGrid& givens, DigitGrid& solution) {
    PlacedGrid placed{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        placed[cell] = DIGIT_MASKS[givens[cell]];
    }
    PlacedGrid solved{};
    const std::int32_t count = count_solutions_robust(placed, solved);
    if (count == 0) {
        return "the givens have no solution";
    }
    if (count > 1) {
        return "the givens have more than one solution";
    }
    digits_from_masks(solved, &solution);
    return {};
}

// One problem line of `file` into `problems`; false after reporting a fault.
bool read_line(const std::string& file, int line_number, std::string_view line,
               std::vector<PrintProblem>& problems, std::ostream& errors) {
    ParsedLine parsed;
    std::string reason = parse_problem_line(line, parsed);
    PrintProblem problem;
    if (reason.empty()) {
        reason = solve_for_key(parsed.givens, problem.solution);
    }
    if (!reason.empty()) {
        errors << file << ':' << line_number << ": " << reason << '\n';
        return false;
    }
    problem.number = static_cast<int>(problems.size()) + 1;
    problem.grade = parsed.grade;
    problem.difficulty_class = GRADE_CLASS[parsed.grade];
    problem.givens = parsed.givens;
    problems.push_back(problem);
    return true;
}

}  // namespace

bool read_print_problems(std::span<const std::string> files, std::vector<PrintProblem>& problems,
                         std::ostream& errors) {
    bool ok = true;
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            errors << file << ": cannot open: " << std::strerror(errno) << '\n';
            ok = false;
            continue;
        }
        std::string line;
        for (int line_number = 1; std::getline(in, line); ++line_number) {
            ok = read_line(file, line_number, line, problems, errors) && ok;
        }
        if (in.bad()) {
            errors << file << ": read error\n";
            ok = false;
        }
    }
    return ok;
}

}  // namespace cellwright::tool
