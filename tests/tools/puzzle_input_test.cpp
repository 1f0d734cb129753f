// The bounded line reader faces untrusted text: it must never read a line whole into memory;
// and a line is parsed by the library, a fault reported in its words.

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "puzzle_input.hpp"
#include "support/known_puzzles.hpp"

namespace cellwright::tool {
namespace {

using known::GRADE_7_LINE;
using known::GRADE_7_PUZZLE;

TEST(PuzzleInput, EntriesComeFromTheLibrarysParser) {
    struct Case {
        const char* name;
        std::string line;
        bool problem_lines_only;
        std::string fault;  // empty when the line is read
        int grade;
    };
    const std::vector<Case> cases{
        {"plain puzzle", GRADE_7_PUZZLE, false, "", 0},
        {"problem line", GRADE_7_LINE, false, "", 7},
        {"problem line alone", GRADE_7_LINE, true, "", 7},
        {"plain puzzle where problem lines are due", GRADE_7_PUZZLE, true, "no '/' after the grade",
         99},
        {"short line", "123", false,
         "line has 3 characters; a puzzle has 81 cells or is a problem line", 99},
    };
    for (const Case& test : cases) {
        PuzzleEntry entry;
        entry.grade = 99;
        const InputFault fault = test.problem_lines_only ? parse_problem_line(test.line, entry)
                                                         : parse_puzzle_line(test.line, entry);
        EXPECT_EQ(fault.value_or(""), test.fault) << test.name;
        EXPECT_EQ(entry.grade, test.grade) << test.name << ": filled only on success";
        if (!fault) {
            EXPECT_EQ(format_puzzle(entry.givens, PuzzleFormat::line), GRADE_7_PUZZLE) << test.name;
        }
    }
}

// Every byte in every kind of place: accepted exactly where the form allows it, so that a
// bound that is off by one ('/' below '0', ':' above '9') cannot slip through.
TEST(PuzzleInput, AcceptsExactlyTheAllowedCharacterInEachPlace) {
    const std::string empty_rows = [] {
        std::string rows;
        for (int row = 0; row < 9; ++row) {
            rows += "........./";
        }
        return rows;
    }();
    struct Place {
        const char* name;
        std::string line;  // with the byte under test at `at`
        std::size_t at;
        std::string_view allowed;
    };
    const Place places[] = {
        {"plain puzzle cell", std::string(81, '.'), 40, ".0123456789"},
        {"problem line cell", "5/" + empty_rows, 2 + 10 * 4 + 4, ".123456789"},
        {"grade", "5/" + empty_rows, 0, "123456789"},
        {"second digit of grades 10 to 12", "10/" + empty_rows, 1, "012"},
        {"row end", "5/" + empty_rows, 2 + 10 * 3 + 9, "/"},
    };
    for (const Place& place : places) {
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            std::string line = place.line;
            line[place.at] = c;
            PuzzleEntry entry;
            const bool accepted = !parse_puzzle_line(line, entry).has_value();
            EXPECT_EQ(accepted, place.allowed.find(c) != std::string_view::npos)
                << place.name << ": byte " << byte;
        }
    }
}

TEST(PuzzleInput, ReaderCapsLinesAndKeepsItsPlace) {
    const std::string huge(1'000'000, '7');
    std::istringstream in(huge + "\nnext\r\n\nlast");
    struct Expected {
        std::string text;
        bool too_long;
        bool ended_by_newline;
    };
    const std::vector<Expected> expected{
        {std::string(MAX_LINE_LENGTH, '7'), true, true},
        {"next\r", false, true},
        {"", false, true},
        {"last", false, false},
    };
    InputLine line;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_TRUE(read_bounded_line(in, line)) << "line " << i + 1;
        EXPECT_EQ(line.view(), expected[i].text) << "line " << i + 1;
        EXPECT_EQ(line.too_long, expected[i].too_long) << "line " << i + 1;
        EXPECT_EQ(line.ended_by_newline, expected[i].ended_by_newline) << "line " << i + 1;
    }
    EXPECT_FALSE(read_bounded_line(in, line)) << "after the last line";
    EXPECT_EQ(line.length, 0u) << "after the last line";
    std::istringstream empty;
    EXPECT_FALSE(read_bounded_line(empty, line)) << "empty input";
}

}  // namespace
}  // namespace cellwright::tool
