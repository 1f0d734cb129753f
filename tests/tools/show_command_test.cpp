// `show` draws each problem as a framed grid under its heading, with the solution beside it
// on request, and reports lines it cannot draw.

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "show_command.hpp"
#include "support/puzzle_checks.hpp"

namespace cellwright::tool {
namespace {

using check::lines_of;

const std::string PROBLEM =
    "7/.4......./..1.7.2.5/.3.9.8.7./..6...8../.5..1..6./..7...4../.2.3.4.8./3.8.2.9../"
    ".......1./";
const std::string GAP = "    ";
// A class 5 problem, as `generate --class 5` writes problem 1 of seed 9 (grade 12).
const std::string HARD =
    "12/..8....../.2..3..54/...15...6/....8.7../.17...23./..3.1..../4...29.../36..4..1./"
    "......5../";

struct Shown {
    int status = 0;
    std::vector<std::string> out;
    std::vector<std::string> errors;
};

Shown show(const std::string& input, bool with_solutions) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream errors;
    Shown shown;
    shown.status = run_show("-", with_solutions, in, out, errors);
    shown.out = lines_of(out.str());
    shown.errors = lines_of(errors.str());
    return shown;
}

TEST(ShowCommand, DrawsBoxesWithHeavyFrameAndLightInnerLines) {
    const std::vector<std::string> grid = grid_drawing(check::grid_from_text(
        ".4.........1.7.2.5.3.9.8.7...6...8...5..1..6...7...4...2.3.4.8.3.8.2.9.........1."));
    const std::vector<std::string> expected{
        "┏━━━━━━━┯━━━━━━━┯━━━━━━━┓", "┃ . 4 . │ . . . │ . . . ┃", "┃ . . 1 │ . 7 . │ 2 . 5 ┃",
        "┃ . 3 . │ 9 . 8 │ . 7 . ┃", "┠───────┼───────┼───────┨", "┃ . . 6 │ . . . │ 8 . . ┃",
        "┃ . 5 . │ . 1 . │ . 6 . ┃", "┃ . . 7 │ . . . │ 4 . . ┃", "┠───────┼───────┼───────┨",
        "┃ . 2 . │ 3 . 4 │ . 8 . ┃", "┃ 3 . 8 │ . 2 . │ 9 . . ┃", "┃ . . . │ . . . │ . 1 . ┃",
        "┗━━━━━━━┷━━━━━━━┷━━━━━━━┛",
    };
    EXPECT_EQ(grid, expected);
}

TEST(ShowCommand, HeadsEachGridAndPutsTheSolutionBeside) {
    const std::string plain_unique =
        ".4.........1.7.2.5.3.9.8.7...6...8...5..1..6...7...4...2.3.4.8.3.8.2.9.........1.";
    struct Case {
        const char* name;
        std::string input;
        bool with_solutions;
        std::string heading;
        std::string first_row;  // the grid's first row of cells
    };
    const std::vector<Case> cases{
        {"problem line", PROBLEM + "\n", false, "problem 1: grade 7, class 2",
         "┃ . 4 . │ . . . │ . . . ┃"},
        {"problem line with solution", PROBLEM + "\n", true, "problem 1: grade 7, class 2",
         "┃ . 4 . │ . . . │ . . . ┃" + GAP + "┃ 7 4 5 │ 2 3 1 │ 6 9 8 ┃"},
        {"plain puzzle graded on the spot", plain_unique + "\n", false,
         "problem 1: grade 7, class 2", "┃ . 4 . │ . . . │ . . . ┃"},
        {"puzzle with many solutions", std::string(81, '.') + "\n", true,
         "problem 1: not graded (not unique)", "┃ . . . │ . . . │ . . . ┃"},
        {"class 5 problem line", HARD + "\n", false, "problem 1: grade 12, class 5",
         "┃ . . 8 │ . . . │ . . . ┃"},
        {"class 5 puzzle rated on the spot",
         format_puzzle(parse_puzzle(HARD).givens, PuzzleFormat::line) + "\n", false,
         "problem 1: grade 12, class 5", "┃ . . 8 │ . . . │ . . . ┃"},
    };
    for (const Case& test : cases) {
        const Shown shown = show(test.input, test.with_solutions);
        EXPECT_EQ(shown.status, 0) << test.name;
        ASSERT_EQ(shown.out.size(), 14u) << test.name << ": heading and 13 grid lines";
        EXPECT_EQ(shown.out[0], test.heading) << test.name;
        EXPECT_EQ(shown.out[2], test.first_row) << test.name;
    }
}

TEST(ShowCommand, DrawsGoodLinesAndReportsBadOnes) {
    const Shown shown = show(PROBLEM + "\nrubbish\n" + PROBLEM + "\n", false);
    EXPECT_EQ(shown.status, 1);
    ASSERT_EQ(shown.errors.size(), 1u);
    EXPECT_EQ(shown.errors[0].rfind("<stdin>:2: ", 0), 0u) << shown.errors[0];
    ASSERT_EQ(shown.out.size(), 29u) << "two drawings parted by an empty line";
    EXPECT_EQ(shown.out[15], "problem 2: grade 7, class 2");
    EXPECT_EQ(show("", false).status, 1) << "empty input";
}

}  // namespace
}  // namespace cellwright::tool
