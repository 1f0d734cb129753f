// The puzzle parser and the bounded line reader face untrusted text: every malformed line
// must come back with a reason, never a crash, an overlong read or a half-filled grid.

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "puzzle_input.hpp"

namespace cellwright::tool {
namespace {

const std::string GRADE_7_LINE =
    "7/.4......./..1.7.2.5/.3.9.8.7./..6...8../.5..1..6./..7...4../.2.3.4.8./3.8.2.9../"
    ".......1./";
const std::string GRADE_7_PUZZLE =
    ".4.........1.7.2.5.3.9.8.7...6...8...5..1..6...7...4...2.3.4.8.3.8.2.9.........1.";

std::string replaced(std::string text, std::size_t at, char c) {
    text[at] = c;
    return text;
}

TEST(PuzzleInput, ReadsBothLineForms) {
    struct Case {
        const char* name;
        std::string line;
        std::string expected_cells;
        int expected_grade;
    };
    std::string zeros = GRADE_7_PUZZLE;
    for (char& c : zeros) {
        c = c == '.' ? '0' : c;
    }
    const std::string grade_10_line = "10" + GRADE_7_LINE.substr(1);
    const std::vector<Case> cases{
        {"plain puzzle with dots", GRADE_7_PUZZLE, GRADE_7_PUZZLE, 0},
        {"plain puzzle with zeros", zeros, GRADE_7_PUZZLE, 0},
        {"problem line", GRADE_7_LINE, GRADE_7_PUZZLE, 7},
        {"problem line of grade 10", grade_10_line, GRADE_7_PUZZLE, 10},
        {"empty plain puzzle", std::string(81, '.'), std::string(81, '.'), 0},
    };
    for (const Case& test : cases) {
        PuzzleEntry entry;
        const InputFault fault = parse_puzzle_line(test.line, entry);
        ASSERT_FALSE(fault.has_value()) << test.name << ": " << fault.value_or("");
        EXPECT_EQ(grid_text(entry.givens), test.expected_cells) << test.name;
        EXPECT_EQ(entry.grade, test.expected_grade) << test.name;
    }
}

TEST(PuzzleInput, NamesTheFaultOfEachMalformedLine) {
    struct Case {
        const char* name;
        std::string line;
        std::string reason;  // a part of the expected message
    };
    const std::string no_final_slash = GRADE_7_LINE.substr(0, GRADE_7_LINE.size() - 1);
    const std::vector<Case> cases{
        {"80 cells", GRADE_7_PUZZLE.substr(1), "line has 80 characters"},
        {"82 cells", GRADE_7_PUZZLE + ".", "line has 82 characters"},
        {"letter in a puzzle", replaced(GRADE_7_PUZZLE, 10, 'x'), "'x' at column 11"},
        {"NUL byte in a puzzle", replaced(GRADE_7_PUZZLE, 0, '\0'), "byte 0x00 at column 1"},
        {"high byte in a puzzle", replaced(GRADE_7_PUZZLE, 80, '\xff'), "byte 0xFF at column 81"},
        {"grade 0", replaced(GRADE_7_LINE, 0, '0'), "not a number from 1 to 10"},
        {"grade 11", "11" + GRADE_7_LINE.substr(1), "not a number from 1 to 10"},
        {"grade with a leading zero", "07" + GRADE_7_LINE.substr(1), "not a number from 1 to 10"},
        {"no grade", GRADE_7_LINE.substr(1), "not a number from 1 to 10"},
        {"zero as empty cell in a problem line", replaced(GRADE_7_LINE, 2, '0'),
         "'0' at column 3 (row 1)"},
        {"row of eight cells", GRADE_7_LINE.substr(0, 10) + GRADE_7_LINE.substr(11),
         "'/' at column 11 (row 1)"},
        {"last row without '/'", no_final_slash, "row 9 is not followed by '/'"},
        {"line cut inside a row", GRADE_7_LINE.substr(0, 30), "line ends inside row 3"},
        {"extra characters", GRADE_7_LINE + "12", "2 extra characters after the last row"},
        {"digit twice in a row", replaced(GRADE_7_PUZZLE, 0, '4'), "digit 4 twice in row 1"},
        {"digit twice in a column", replaced(GRADE_7_PUZZLE, 73, '4'), "digit 4 twice in column 2"},
        {"digit twice in a box", replaced(GRADE_7_PUZZLE, 18, '1'), "digit 1 twice in box 1"},
        {"clash in a problem line", replaced(GRADE_7_LINE, 2, '4'), "digit 4 twice in row 1"},
    };
    for (const Case& test : cases) {
        PuzzleEntry entry;
        entry.grade = 99;
        const InputFault fault = parse_puzzle_line(test.line, entry);
        ASSERT_TRUE(fault.has_value()) << test.name << " was accepted";
        EXPECT_NE(fault->find(test.reason), std::string::npos)
            << test.name << ": got \"" << *fault << "\"";
        EXPECT_EQ(entry.grade, 99) << test.name << ": the entry must stay untouched";
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
        {"second digit of grade 10", "10/" + empty_rows, 1, "0"},
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
                << place.name << ": " << describe_character(c);
        }
    }
}

TEST(PuzzleInput, ProblemLineParserRejectsPlainPuzzles) {
    PuzzleEntry entry;
    EXPECT_TRUE(parse_problem_line(GRADE_7_PUZZLE, entry).has_value()) << "plain puzzle";
    EXPECT_FALSE(parse_problem_line(GRADE_7_LINE, entry).has_value()) << "problem line";
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
