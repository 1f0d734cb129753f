// `verify` must pass the files the batch writes and name every fault planted in them, with
// the file and line where it sits.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/problem_line.hpp"
#include "generator/make_problem.hpp"
#include "support/puzzle_checks.hpp"
#include "verify_command.hpp"

namespace cellwright::tool {
namespace {

const std::string GOOD =
    "7/.4......./..1.7.2.5/.3.9.8.7./..6...8../.5..1..6./..7...4../.2.3.4.8./3.8.2.9../"
    ".......1./";

// The problem line of `givens` with grade 5, as the batch would write it.
std::string problem_line(const DigitGrid& givens) {
    ProblemRecord record;
    record.givens = givens;
    record.grade = 5;
    return std::string(format_problem_line(record).view());
}

// `GOOD` with the cells of the given line positions emptied.
std::string emptied(std::initializer_list<std::size_t> positions) {
    std::string line = GOOD;
    for (const std::size_t at : positions) {
        line[at] = '.';
    }
    return line;
}

// Problem attempts from seed 0 until one meets `wanted` (the ladder's verdict and counters).
template <typename Wanted>
std::string attempt_line(Wanted wanted) {
    RandomState random;
    random_seed(random, 0);
    for (;;) {
        DigitGrid givens{};
        DigitGrid solution{};
        TechniqueCounters counters;
        const bool solved = make_problem(random, givens, solution, counters);
        if (givens != DigitGrid{} && wanted(solved, counters)) {
            return problem_line(givens);
        }
    }
}

std::vector<std::string> verify_text(const std::string& text, VerifyTally& tally) {
    std::istringstream in(text);
    std::ostringstream out;
    verify_problem_file("f.dat", in, out, tally);
    return check::lines_of(out.str());
}

TEST(VerifyCommand, PassesTheReferenceBatches) {
    const std::string data = CELLWRIGHT_TEST_DATA;
    std::istringstream no_input;
    std::ostringstream out;
    std::ostringstream errors;
    const int status = run_verify(
        {data + "/seed0_class1.dat", data + "/seed0_class2.dat", data + "/seed0_class3.dat"},
        no_input, out, errors);
    EXPECT_EQ(status, 0) << out.str() << errors.str();
    EXPECT_EQ(out.str(), "checked 90 problems in 3 files: all good\n");
    EXPECT_EQ(errors.str(), "");
}

TEST(VerifyCommand, NamesEachPlantedFault) {
    const std::string needs_pair = attempt_line(
        [](bool solved, const TechniqueCounters& c) { return solved && c.naked_pair_sweeps > 0; });
    const std::string stalls =
        attempt_line([](bool solved, const TechniqueCounters&) { return !solved; });
    // The same lines with the grades of classes 4 and 5 in front (problem_line writes "5/").
    const std::string class_4 = "11" + needs_pair.substr(1);
    const std::string class_5 = "12" + stalls.substr(1);
    std::string no_solution = "5/1234567../......9../";
    for (int row = 2; row < 9; ++row) {
        no_solution += "........./";
    }
    struct Case {
        const char* name;
        std::string file;
        std::string expected;  // one of the reported lines, exactly
    };
    const std::vector<Case> cases{
        {"stored grade differs", "8" + GOOD.substr(1) + "\n",
         "f.dat:1: stored grade 8, the ladder grades it 7"},
        {"last line without line feed", GOOD + "\n" + GOOD, "f.dat:2: last line has no line feed"},
        {"carriage return", GOOD + "\r\n", "f.dat:1: line ends with a carriage return"},
        {"empty line", GOOD + "\n\n" + GOOD + "\n", "f.dat:2: empty line"},
        {"junk", GOOD + "\nhello\n", "f.dat:2: no '/' after the grade"},
        {"huge line", std::string(100000, '/') + "\n", "f.dat:1: line longer than 256 characters"},
        {"empty file", "", "f.dat:1: empty file, no problem"},
        {"clashing digits", GOOD.substr(0, 2) + "4" + GOOD.substr(3) + "\n",
         "f.dat:1: digit 4 twice in row 1"},
        // Cell 1 goes, its half-turn partner cell 79 stays.
        {"asymmetric pattern", emptied({3}) + "\n",
         "f.dat:1: given cells are not symmetric under a quarter or half turn"},
        // Cells 1 and 79, a half-turn pair, go together.
        {"too few givens", emptied({3, 89}) + "\n", "f.dat:1: 23 givens, expected 24 or 25"},
        {"several solutions", emptied({3, 89}) + "\n", "f.dat:1: more than one solution"},
        {"no solution", no_solution + "\n", "f.dat:1: no solution"},
        {"needs naked pairs", needs_pair + "\n", "f.dat:1: needs naked pairs"},
        {"ladder stalls", stalls + "\n", "f.dat:1: the technique ladder does not solve it"},
        {"class 4 stored as class 5", "12" + needs_pair.substr(1) + "\n",
         "f.dat:1: stored grade 12, the rating gives 11"},
        {"class 5 stored as class 4", "11" + stalls.substr(1) + "\n",
         "f.dat:1: stored grade 11, the rating gives 12"},
    };
    for (const Case& test : cases) {
        VerifyTally tally;
        const std::vector<std::string> reported = verify_text(test.file, tally);
        EXPECT_NE(std::find(reported.begin(), reported.end(), test.expected), reported.end())
            << test.name << ": expected \"" << test.expected << "\" among " << reported.size()
            << " reported lines" << (reported.empty() ? "" : ", first \"" + reported[0] + "\"");
        EXPECT_EQ(tally.faults, static_cast<int>(reported.size())) << test.name;
    }
    VerifyTally tally;
    EXPECT_TRUE(verify_text(GOOD + "\n" + class_4 + "\n" + class_5 + "\n", tally).empty())
        << "good file";
    EXPECT_EQ(tally.problems, 3) << "good file";
}

// A pattern broken in any band, the middle one included where a cell and its half-turn
// partner both lie, is reported: each given cell in turn loses its partner.
TEST(VerifyCommand, FindsAnAsymmetryInEveryBand) {
    PuzzleEntry good;
    ASSERT_FALSE(parse_problem_line(GOOD, good).has_value());
    int bands_seen[3] = {0, 0, 0};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        const int partner = CELL_COUNT - 1 - cell;
        if (good.givens[cell] == 0 || partner == cell) {
            continue;
        }
        PuzzleEntry broken = good;
        broken.givens[partner] = 0;
        const std::vector<std::string> faults = problem_faults(broken);
        EXPECT_NE(std::find(faults.begin(), faults.end(),
                            "given cells are not symmetric under a quarter or half turn"),
                  faults.end())
            << "cell " << cell << " without its partner " << partner;
        ++bands_seen[partner / 27];
    }
    for (int band = 0; band < 3; ++band) {
        EXPECT_GT(bands_seen[band], 0) << "no case in band " << band + 1;
    }
}

TEST(VerifyCommand, FailsWhenAnyFileFails) {
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("cellwright_verify_" + std::to_string(getpid()));
    std::filesystem::create_directories(directory);
    const std::string good = (directory / "good.dat").string();
    const std::string bad = (directory / "bad.dat").string();
    std::ofstream(good) << GOOD << '\n';
    std::ofstream(bad) << GOOD << "\n8" << GOOD.substr(1) << '\n';
    struct Case {
        const char* name;
        std::vector<std::string> files;
        int status;
        std::string summary;
    };
    const std::vector<Case> cases{
        {"good file", {good}, 0, "checked 1 problem in 1 file: all good"},
        {"good and bad file", {good, bad}, 1, "checked 3 problems in 2 files: 1 fault"},
        {"missing file", {good, (directory / "none.dat").string()}, 1, "1 file could not be read"},
    };
    for (const Case& test : cases) {
        std::istringstream no_input;
        std::ostringstream out;
        std::ostringstream errors;
        EXPECT_EQ(run_verify(test.files, no_input, out, errors), test.status) << test.name;
        EXPECT_NE(out.str().find(test.summary), std::string::npos)
            << test.name << ": " << out.str();
    }
    std::filesystem::remove_all(directory);
}

}  // namespace
}  // namespace cellwright::tool
