// Every format generate and grade write is read back by grade, show, print, verify and explain,
// and each of them sees the same puzzles in it as in the problem lines: the same records, the
// same drawings, the same sheet, the same verdict, the same hints.

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "explain_command.hpp"
#include "generate_command.hpp"
#include "grade_command.hpp"
#include "print_input.hpp"
#include "show_command.hpp"
#include "support/puzzle_checks.hpp"
#include "verify_command.hpp"

namespace cellwright::tool {
namespace {

constexpr std::uint64_t COUNT = 4;

std::string generated(RecordFormat format, bool with_solutions) {
    GenerateOptions options;
    options.difficulty_class = 2;
    options.count = COUNT;
    options.seed = 16;
    options.jobs = 2;
    options.format = format;
    options.with_solutions = with_solutions;
    std::ostringstream out;
    std::ostringstream errors;
    EXPECT_EQ(run_generate(options, out, errors), 0) << errors.str();
    return out.str();
}

std::string graded(const std::string& input, RecordFormat format, bool with_solutions) {
    GradeOptions options;
    options.format = format;
    options.with_solutions = with_solutions;
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream errors;
    EXPECT_EQ(run_grade(options, in, out, errors), 0) << errors.str();
    return out.str();
}

// What one reader makes of `input` (as standard input), faults included.
using Reader = std::string (*)(const std::string& input);

const std::pair<const char*, Reader> READERS[] = {
    {"grade", [](const std::string& input) { return graded(input, RecordFormat::json, false); }},
    {"show",
     [](const std::string& input) {
         std::istringstream in(input);
         std::ostringstream out;
         const int status = run_show(ShowOptions{{}, true}, in, out, out);
         return std::to_string(status) + "\n" + out.str();
     }},
    {"print",
     [](const std::string& input) {
         std::istringstream in(input);
         std::vector<PrintProblem> problems;
         std::ostringstream text;
         text << read_print_problems({}, in, problems, text) << '\n';
         for (const PrintProblem& problem : problems) {
             text << problem.number << ' ' << problem.grade << ' ' << problem.difficulty_class
                  << ' ' << format_puzzle(problem.givens, PuzzleFormat::line) << ' '
                  << format_puzzle(problem.solution, PuzzleFormat::line) << '\n';
         }
         return text.str();
     }},
    {"verify",
     [](const std::string& input) {
         std::istringstream in(input);
         std::ostringstream out;
         const int status = run_verify({"-"}, in, out, out);
         return std::to_string(status) + "\n" + out.str();
     }},
    {"explain",
     [](const std::string& input) {
         std::istringstream in(input);
         std::ostringstream out;
         ExplainOptions options;
         options.first = true;
         const int status = run_explain(options, in, out, out);
         return std::to_string(status) + "\n" + out.str();
     }},
};

TEST(FormatRoundTrip, EveryWrittenFormatReadsBackAsTheSamePuzzles) {
    const std::string problem_lines = generated(RecordFormat::dat, false);
    const std::string json = generated(RecordFormat::json, false);
    const std::pair<const char*, std::string> written[] = {
        {"generate --format line", generated(RecordFormat::line, false)},
        {"generate --format line --solutions", generated(RecordFormat::line, true)},
        {"generate --format json", json},
        {"generate --format csv", generated(RecordFormat::csv, false)},
        {"grade --format json", graded(json, RecordFormat::json, false)},
        {"grade --format csv", graded(json, RecordFormat::csv, false)},
        {"grade --format line --solutions", graded(json, RecordFormat::line, true)},
    };
    // The problem lines themselves: the puzzles generate made, and a sound verdict.
    const std::vector<std::string> lines = check::lines_of(problem_lines);
    ASSERT_EQ(lines.size(), COUNT);
    const std::vector<std::string> puzzles =
        check::lines_of(graded(problem_lines, RecordFormat::line, false));
    ASSERT_EQ(puzzles.size(), COUNT);
    for (std::size_t i = 0; i < COUNT; ++i) {
        EXPECT_EQ(puzzles[i], format_puzzle(parse_puzzle(lines[i]).givens, PuzzleFormat::line))
            << "problem " << i;
    }
    EXPECT_NE(READERS[3].second(problem_lines).find("checked 4 problems in 1 file: all good"),
              std::string::npos);

    for (const auto& [reader, read] : READERS) {
        const std::string expected = read(problem_lines);
        for (const auto& [format, text] : written) {
            EXPECT_EQ(read(text), expected) << reader << " reading " << format << ":\n" << text;
        }
    }
}

}  // namespace
}  // namespace cellwright::tool
