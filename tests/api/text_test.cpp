// The text forms of a puzzle face untrusted text: every malformed line must come back with a
// reason, never a crash or a half-filled grid; and what is written reads back the same.

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <cellwright/cellwright.hpp>

#include "support/known_puzzles.hpp"

namespace cellwright {
namespace {

using known::GRADE_7_LINE;
using known::GRADE_7_PUZZLE;

std::string replaced(std::string text, std::size_t at, char c) {
    text[at] = c;
    return text;
}

TEST(ParsePuzzle, ReadsEachForm) {
    struct Case {
        const char* name;
        std::string text;
        std::string expected_line;
        int expected_grade;
        PuzzleFormat expected_format;
    };
    std::string zeros = GRADE_7_PUZZLE;
    for (char& c : zeros) {
        c = c == '.' ? '0' : c;
    }
    const std::string grade_10_line = "10" + GRADE_7_LINE.substr(1);
    const std::string grade_12_line = "12" + GRADE_7_LINE.substr(1);
    const std::vector<Case> cases{
        {"line with dots", GRADE_7_PUZZLE, GRADE_7_PUZZLE, 0, PuzzleFormat::line},
        {"line with zeros", zeros, GRADE_7_PUZZLE, 0, PuzzleFormat::line},
        {"problem line", GRADE_7_LINE, GRADE_7_PUZZLE, 7, PuzzleFormat::problem_line},
        {"problem line of grade 10", grade_10_line, GRADE_7_PUZZLE, 10, PuzzleFormat::problem_line},
        {"problem line of grade 12 (class 5)", grade_12_line, GRADE_7_PUZZLE, 12,
         PuzzleFormat::problem_line},
        {"empty line", std::string(81, '.'), std::string(81, '.'), 0, PuzzleFormat::line},
    };
    for (const Case& test : cases) {
        const ParsedPuzzle parsed = parse_puzzle(test.text);
        ASSERT_EQ(parsed.error, "") << test.name;
        EXPECT_EQ(format_puzzle(parsed.givens, PuzzleFormat::line), test.expected_line)
            << test.name;
        EXPECT_EQ(parsed.grade, test.expected_grade) << test.name;
        EXPECT_EQ(parsed.format, test.expected_format) << test.name;
        const ParsedPuzzle again = parse_puzzle(test.text, test.expected_format);
        EXPECT_EQ(again.givens, parsed.givens) << test.name << ", its form named";
        if (test.expected_format == PuzzleFormat::problem_line) {
            EXPECT_EQ(format_puzzle(parsed.givens, PuzzleFormat::problem_line, parsed.grade),
                      test.text)
                << test.name;
        }
    }
}

TEST(ParsePuzzle, NamesTheFaultOfEachMalformedText) {
    struct Case {
        const char* name;
        std::string text;
        std::string reason;  // a part of the expected message
    };
    const std::string no_final_slash = GRADE_7_LINE.substr(0, GRADE_7_LINE.size() - 1);
    const std::vector<Case> cases{
        {"80 cells", GRADE_7_PUZZLE.substr(1), "line has 80 characters"},
        {"82 cells", GRADE_7_PUZZLE + ".", "line has 82 characters"},
        {"letter in a line", replaced(GRADE_7_PUZZLE, 10, 'x'), "'x' at column 11"},
        {"NUL byte in a line", replaced(GRADE_7_PUZZLE, 0, '\0'), "byte 0x00 at column 1"},
        {"high byte in a line", replaced(GRADE_7_PUZZLE, 80, '\xff'), "byte 0xFF at column 81"},
        {"grade 0", replaced(GRADE_7_LINE, 0, '0'), "not a number from 1 to 12"},
        {"grade 13", "13" + GRADE_7_LINE.substr(1), "not a number from 1 to 12"},
        {"grade 20", "20" + GRADE_7_LINE.substr(1), "not a number from 1 to 12"},
        {"grade with a leading zero", "07" + GRADE_7_LINE.substr(1), "not a number from 1 to 12"},
        {"no grade", GRADE_7_LINE.substr(1), "not a number from 1 to 12"},
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
        const ParsedPuzzle parsed = parse_puzzle(test.text);
        EXPECT_NE(parsed.error.find(test.reason), std::string::npos)
            << test.name << ": got \"" << parsed.error << "\"";
        EXPECT_EQ(parsed.givens, Grid{}) << test.name << ": givens of a failed parse";
        EXPECT_EQ(parsed.grade, 0) << test.name << ": grade of a failed parse";
    }
    EXPECT_NE(parse_puzzle(GRADE_7_PUZZLE, PuzzleFormat::problem_line).error, "")
        << "a line read as a problem line";
    EXPECT_NE(parse_puzzle(GRADE_7_LINE, PuzzleFormat::line).error, "")
        << "a problem line read as a line";
    EXPECT_NE(parse_puzzle(GRADE_7_PUZZLE, static_cast<PuzzleFormat>(99)).error, "")
        << "a form that does not exist";
}

TEST(FormatPuzzle, RefusesWhatCannotBeReadBack) {
    Grid ten{};
    ten[12] = 10;
    struct Case {
        const char* name;
        Grid grid;
        PuzzleFormat format;
        int grade;
    };
    const Case cases[] = {
        {"cell of 10 as a line", ten, PuzzleFormat::line, 0},
        {"cell of 10 as a problem line", ten, PuzzleFormat::problem_line, 5},
        {"grade 0", Grid{}, PuzzleFormat::problem_line, 0},
        {"grade 13", Grid{}, PuzzleFormat::problem_line, 13},
        {"a form that does not exist", Grid{}, static_cast<PuzzleFormat>(99), 5},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(format_puzzle(test.grid, test.format, test.grade), "") << test.name;
    }
    EXPECT_EQ(grid_fault(ten), "row 2 column 4 holds 10, not 0..9");
    EXPECT_EQ(grid_fault(parse_puzzle(GRADE_7_PUZZLE).givens), "");
}

}  // namespace
}  // namespace cellwright
