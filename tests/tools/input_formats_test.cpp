// The reader takes every puzzle source in any format it finds or is told, and names each bad
// record with its line.

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "input_formats.hpp"
#include "support/puzzle_checks.hpp"

namespace cellwright::tool {
namespace {

// The first class-2 problem of the batch seeded with 0 (grade 7) and its solution.
const std::string PUZZLE =
    ".4.........1.7.2.5.3.9.8.7...6...8...5..1..6...7...4...2.3.4.8.3.8.2.9.........1.";
const std::string SOLUTION =
    "745231698891476235632958174916547823453812769287693451129364587378125946564789312";
const std::string PROBLEM_LINE =
    "7/.4......./..1.7.2.5/.3.9.8.7./..6...8../.5..1..6./..7...4../.2.3.4.8./3.8.2.9../"
    ".......1./";
const std::string EMPTY(81, '.');

std::string zeros(std::string line) {
    for (char& c : line) {
        c = c == '.' ? '0' : c;
    }
    return line;
}

// The puzzle as a grid: boxes parted by "|", bands by a frame line.
std::string grid_of(const std::string& line) {
    std::string text;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            text += line[9 * row + column];
            text += column == 2 || column == 5 ? " | " : " ";
        }
        text += row == 2 || row == 5 ? "\n------+-------+------\n" : "\n";
    }
    return text;
}

struct Read {
    std::vector<std::string> records;  // "LINE: puzzle grade G [solution]" per good record
    std::vector<std::string> faults;
};

Read read(const std::string& text, InputFormat format) {
    std::istringstream in(text);
    std::ostringstream errors;
    Read result;
    read_puzzles("in", in, format, errors, [&](const RecordPlace& place, const PuzzleEntry& entry) {
        result.records.push_back(
            std::to_string(place.line) + ": " + format_puzzle(entry.givens, PuzzleFormat::line) +
            " grade " + std::to_string(entry.grade) + (entry.has_solution() ? " solution" : ""));
    });
    result.faults = check::lines_of(errors.str());
    return result;
}

std::string record(int line, const std::string& puzzle, int grade, bool solution = false) {
    return std::to_string(line) + ": " + puzzle + " grade " + std::to_string(grade) +
           (solution ? " solution" : "");
}

TEST(InputFormats, ReadsEverySourceFoundOrNamed) {
    struct Case {
        const char* name;
        std::string text;
        InputFormat format;
        std::vector<std::string> records;
    };
    const std::vector<Case> cases{
        {"lines with blanks, comments and both line forms",
         "# puzzles\n\n" + PUZZLE + "   # the first\r\n  " + PROBLEM_LINE + " # graded\n" +
             zeros(PUZZLE) + " " + SOLUTION + "\n",
         InputFormat::automatic,
         {record(3, PUZZLE, 0), record(4, PUZZLE, 7), record(5, PUZZLE, 0, true)}},
        {"problem lines named",
         PROBLEM_LINE + "\n\n" + PROBLEM_LINE,
         InputFormat::dat,
         {record(1, PUZZLE, 7), record(3, PUZZLE, 7)}},
        {"JSON Lines of generate and of grade",
         "{\"index\": 0, \"grade\": 7, \"givens\": \"" + PUZZLE + "\", \"solution\": \"" +
             SOLUTION + "\"}\n\n{\"puzzle\": \"" + PUZZLE +
             "\", \"solutions\": 1, \"solution\": null, \"grade\": null}\n",
         InputFormat::automatic,
         {record(1, PUZZLE, 7, true), record(3, PUZZLE, 0)}},
        {"csv of generate",
         "index,grade,givens,solution\n0,7," + PUZZLE + "," + SOLUTION + "\n",
         InputFormat::automatic,
         {record(2, PUZZLE, 7, true)}},
        {"csv of grade with empty cells",
         "class,grade,solutions,givens,solution\n,,2," + EMPTY + ",\n",
         InputFormat::automatic,
         {record(2, EMPTY, 0)}},
        {"csv of another generator: zeros, ';', quotes, capitals",
         "Quizzes;Solutions\r\n\"" + zeros(PUZZLE) + "\";" + SOLUTION + "\r\n",
         InputFormat::automatic,
         {record(2, PUZZLE, 0, true)}},
        {"csv of one column, named",
         "puzzle\n" + PUZZLE + "\n",
         InputFormat::csv,
         {record(2, PUZZLE, 0)}},
        {"grids framed and bare",
         "# two grids\n" + grid_of(PUZZLE) + "\n" + zeros(EMPTY).substr(0, 9) + "\n" +
             [] {
                 std::string rows;
                 for (int row = 1; row < 9; ++row) {
                     rows += "000000000\n";
                 }
                 return rows;
             }(),
         InputFormat::automatic,
         {record(2, PUZZLE, 0), record(14, EMPTY, 0)}},
        {"a grid named whose first line is a frame",
         "+-------+\n" + grid_of(PUZZLE),
         InputFormat::grid,
         {record(2, PUZZLE, 0)}},
        {"byte-order mark",
         "\xEF\xBB\xBF" + PUZZLE + "\n",
         InputFormat::automatic,
         {record(1, PUZZLE, 0)}},
    };
    for (const Case& test : cases) {
        const Read result = read(test.text, test.format);
        EXPECT_EQ(result.records, test.records) << test.name;
        EXPECT_TRUE(result.faults.empty()) << test.name << ": " << result.faults.front();
    }
}

TEST(InputFormats, ReportsEachBadRecordAtItsLine) {
    const std::string wrong_solution = std::string(1, '1') + SOLUTION.substr(1);
    struct Case {
        const char* name;
        std::string text;
        InputFormat format;
        std::vector<std::string> faults;  // the start of each message, in order
        std::size_t records;              // good ones, read past the faults
    };
    const std::vector<Case> cases{
        {"a plain line where problem lines are due",
         PUZZLE + "\n" + PROBLEM_LINE + "\n",
         InputFormat::dat,
         {"in:1: no '/' after the grade"},
         1},
        {"a problem line where plain lines are due",
         PUZZLE + "\n" + PROBLEM_LINE + "\n",
         InputFormat::line,
         {"in:2: '/' at column 2"},
         1},
        {"a line of 80 cells, a clash",
         PUZZLE.substr(1) + "\n4" + PUZZLE.substr(1) + "\n",
         InputFormat::automatic,
         {"in:1: line has 80 cells", "in:2: digit 4 twice in row 1"},
         0},
        {"a solution that is not the puzzle's",
         PUZZLE + " " + wrong_solution + "\n",
         InputFormat::automatic,
         {"in:1: solution: digit 1 twice"},
         0},
        {"JSON of every kind of fault",
         "{\"givens\": \"" + PUZZLE + "\"}\n{\"givens\": \"" + PUZZLE + "\"\n[1]\n{\"id\": 1}\n" +
             "{\"givens\": 5}\n{\"givens\": \"" + PUZZLE + "\", \"grade\": 13}\n" +
             "{\"givens\": \"" + PUZZLE + "\", \"grade\": \"7\"}\n{\"givens\": \"" + PUZZLE +
             "\", \"solution\": \"" + wrong_solution + "\"}\n{\"givens\": \"" + PUZZLE +
             "\", \"id\": 4.4E444444}\n",
         InputFormat::automatic,
         {"in:2: not valid JSON: ", "in:3: not a JSON object", "in:4: no \"givens\"",
          "in:5: \"givens\" is not a string", "in:6: grade 13 belongs to no class",
          "in:7: \"grade\" is not a whole number", "in:8: solution: digit 1 twice",
          "in:9: not valid JSON: number overflow parsing '4.4E444444'"},
         1},
        {"csv without a puzzle column",
         "id,grid\n1," + PUZZLE + "\n",
         InputFormat::csv,
         {"in:1: the CSV header names no puzzle column"},
         0},
        {"csv rows of every kind of fault",
         "givens,solution,grade\n" + PUZZLE + "\n\"" + PUZZLE + ",,\n" + PUZZLE + "," +
             wrong_solution + ",\n" + PUZZLE + ",,x\n" + PUZZLE.substr(1) + ",,\n",
         InputFormat::automatic,
         {"in:3: a quoted field is not closed", "in:4: solution: digit 1 twice",
          "in:5: grade: 'x' is not a grade", "in:6: givens: line has 80 cells"},
         1},
        {"a short grid does not take the next grid's rows",
         grid_of(PUZZLE).substr(23) + "\n" + grid_of(PUZZLE),
         InputFormat::grid,
         {"in:1: the grid ends after 8 rows"},
         1},
        {"a bad row of a grid",
         grid_of(PUZZLE).substr(0, 60) + "x" + grid_of(PUZZLE).substr(61),
         InputFormat::grid,
         {"in:3: 'x' at column 15"},
         0},
        {"a line too long",
         std::string(100000, '.') + "\n" + PUZZLE + "\n",
         InputFormat::automatic,
         {"in:1: line longer than 65536 characters"},
         1},
        {"comments only",
         "# nothing\n\n",
         InputFormat::automatic,
         {"in:1: no puzzle in the input"},
         0},
        {"nothing", "", InputFormat::csv, {"in:1: empty input, no puzzle"}, 0},
    };
    for (const Case& test : cases) {
        const Read result = read(test.text, test.format);
        EXPECT_EQ(result.records.size(), test.records) << test.name;
        ASSERT_EQ(result.faults.size(), test.faults.size())
            << test.name << ": " << (result.faults.empty() ? "" : result.faults.front());
        for (std::size_t i = 0; i < test.faults.size(); ++i) {
            EXPECT_EQ(result.faults[i].rfind(test.faults[i], 0), 0u)
                << test.name << ": got \"" << result.faults[i] << "\"";
        }
    }
}

}  // namespace
}  // namespace cellwright::tool
