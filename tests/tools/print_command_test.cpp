// `cellwright-tool print` as a command: which inputs it refuses, how it reports them, and
// that it never leaves or replaces an output file it should not.

#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "app/accept_problem.hpp"
#include "app/temp_directory.hpp"
#include "command_line.hpp"
#include "print_command.hpp"
#include "print_input.hpp"

namespace cellwright::tool {
namespace {

const std::string DATA = CELLWRIGHT_TEST_DATA;

// Two sound lines of the reference batch of class 3.
const std::string GOOD_LINE_1 =
    "8/..62...../..9..3.../....4..31/.4.9.2..3/..1...7../9..6.8.1./65..9..../...7..3../"
    ".....18../";
const std::string GOOD_LINE_2 =
    "8/36..15..2/.4......1/....9..../4...7..../5.7...1.6/....8...9/....2..../9......4./"
    "2..94..38/";

int print_files(const std::vector<std::string>& files, const std::string& output,
                std::string& errors, bool force = false) {
    PrintOptions options;
    options.files = files;
    options.output = output;
    options.force = force;
    std::istringstream no_input;
    std::ostringstream stream;
    const int status = run_print(options, no_input, stream);
    errors = stream.str();
    return status;
}

// A faulty line between two sound ones: reported with its file and line number, status 1,
// and no output file at all.
TEST(PrintCommand, FaultyLineIsReportedAndNothingIsWritten) {
    struct Case {
        const char* name;
        std::string line;
    };
    const Case CASES[] = {
        {"empty line", ""},
        {"grade 0", "0" + GOOD_LINE_1.substr(1)},
        {"grade 13", "13" + GOOD_LINE_1.substr(1)},
        {"no grade", GOOD_LINE_1.substr(1)},
        {"zero as a cell", "8/0" + GOOD_LINE_1.substr(3)},
        {"short row", "8/..62..../" + GOOD_LINE_1.substr(12)},
        {"eight rows", GOOD_LINE_1.substr(0, GOOD_LINE_1.size() - 10)},
        {"text after the last row", GOOD_LINE_1 + "x"},
        {"clashing givens", "8/11" + GOOD_LINE_1.substr(4)},
        {"plain puzzle without a grade", std::string(81, '.')},
        {"several solutions",
         "1/........./........./........./........./........./........./........./"
         "........./........./"},
    };
    const TempDirectory scratch;
    const std::string input = scratch / "in.dat";
    const std::string output = scratch / "out.pdf";
    for (const Case& c : CASES) {
        write_file(input, GOOD_LINE_1 + "\n" + c.line + "\n" + GOOD_LINE_2 + "\n");
        std::string errors;
        EXPECT_EQ(print_files({input}, output, errors), 1) << c.name;
        EXPECT_EQ(errors.rfind(input + ":2: ", 0), 0u) << c.name << ": " << errors;
        EXPECT_EQ(errors.find(":1:"), std::string::npos) << c.name << ": " << errors;
        EXPECT_EQ(errors.find(":3:"), std::string::npos) << c.name << ": " << errors;
        EXPECT_FALSE(std::filesystem::exists(output)) << c.name;
    }
}

TEST(PrintCommand, EveryFaultOfEveryFileIsListed) {
    const TempDirectory scratch;
    const std::string first = scratch / "first.dat";
    const std::string second = scratch / "second.dat";
    const std::string missing = scratch / "missing.dat";
    const std::string empty = scratch / "empty.dat";
    write_file(empty, "");
    write_file(first, "x\n" + GOOD_LINE_1 + "\n");
    write_file(second, GOOD_LINE_2 + "\n" + GOOD_LINE_2 + "\n" + "y\n");
    std::string errors;
    EXPECT_EQ(print_files({first, missing, empty, second}, scratch / "out.png", errors), 1);
    EXPECT_NE(errors.find(first + ":1: "), std::string::npos) << errors;
    EXPECT_NE(errors.find(missing + ": "), std::string::npos) << errors;
    EXPECT_NE(errors.find(empty + ":1: "), std::string::npos) << errors;
    EXPECT_NE(errors.find(second + ":3: "), std::string::npos) << errors;
    EXPECT_FALSE(std::filesystem::exists(scratch / "out.png"));
}

TEST(PrintCommand, ExistingOutputIsReplacedOnlyWhenForced) {
    const TempDirectory scratch;
    const std::string output = scratch / "sheet.pdf";
    write_file(output, "keep me");
    std::string errors;
    EXPECT_EQ(print_files({DATA + "/seed0_class1.dat"}, output, errors), 1);
    EXPECT_NE(errors.find(output), std::string::npos) << errors;
    EXPECT_EQ(read_file(output), "keep me");

    EXPECT_EQ(print_files({DATA + "/seed0_class1.dat"}, output, errors, true), 0) << errors;
    EXPECT_EQ(read_file(output).substr(0, 5), "%PDF-");
}

// --force replaces what has the name, a symbolic link itself, and never writes through it.
TEST(PrintCommand, ForceReplacesALinkAndNeverWritesThroughIt) {
    const TempDirectory scratch;
    const std::string output = scratch / "link.pdf";
    const std::string target = scratch / "target.txt";
    write_file(target, "keep me");
    std::filesystem::create_symlink(target, output);
    std::string errors;
    EXPECT_EQ(print_files({DATA + "/seed0_class1.dat"}, output, errors, true), 0) << errors;
    EXPECT_FALSE(std::filesystem::is_symlink(output));
    EXPECT_EQ(read_file(output).substr(0, 5), "%PDF-");
    EXPECT_EQ(read_file(target), "keep me");
    EXPECT_EQ(scratch.names(), (std::set<std::string>{"link.pdf", "target.txt"}));
}

// Numbering runs on across files ("-" being standard input), and the answer key holds the very
// solution the generator found for each problem of the seed-0 batch.
TEST(PrintCommand, ProblemsAreNumberedAcrossFilesAndSolvedLikeTheGenerator) {
    const std::vector<std::string> files = {DATA + "/seed0_class3.dat", "-",
                                            DATA + "/seed0_class1.dat"};
    std::istringstream standard_input(GOOD_LINE_2 + "\n");
    std::vector<PrintProblem> problems;
    std::ostringstream errors;
    ASSERT_TRUE(read_print_problems(files, standard_input, problems, errors)) << errors.str();
    ASSERT_EQ(problems.size(), 61u);
    for (int i = 0; i < 61; ++i) {
        EXPECT_EQ(problems[i].number, i + 1) << "problem " << i + 1;
        EXPECT_EQ(problems[i].difficulty_class, i <= 30 ? 3 : 1) << "problem " << i + 1;
    }
    EXPECT_EQ(problems[30].givens, problems[1].givens) << "the line from standard input";

    RandomState random;
    random_seed(random, 0);
    TechniqueCounters counters;
    for (int i = 0; i < 5; ++i) {
        ProblemRecord record;
        accept_next_problem(random, 3, record, counters);
        EXPECT_EQ(problems[i].givens, record.givens) << "problem " << i + 1;
        EXPECT_EQ(problems[i].solution, record.solution) << "problem " << i + 1;
        EXPECT_EQ(problems[i].grade, record.grade) << "problem " << i + 1;
    }
}

// Problems of classes 4 and 5 print like any other; asked for, each heading names the hardest
// technique of the problem's solution.
TEST(PrintCommand, ClassesFourAndFivePrintAndNameTheirHardestTechnique) {
    const std::string hard_line =
        format_puzzle(generate_problem(9, 1, 5)->givens, PuzzleFormat::problem_line, 12);
    for (const bool with_technique : {false, true}) {
        std::istringstream standard_input(GOOD_LINE_1 + "\n" + hard_line + "\n");
        std::vector<PrintProblem> problems;
        std::ostringstream errors;
        ASSERT_TRUE(read_print_problems({"-"}, standard_input, problems, errors, with_technique))
            << errors.str();
        ASSERT_EQ(problems.size(), 2u);
        EXPECT_EQ(problems[1].grade, 12);
        EXPECT_EQ(problems[1].difficulty_class, 5);
        EXPECT_EQ(problems[1].technique, with_technique ? "AIC" : "");
        EXPECT_EQ(problems[0].technique, with_technique ? "naked single" : "");
    }
}

// The whole command line, as a user types it; the width of the PNG tells the paper.
TEST(PrintCommand, CommandLineStatuses) {
    const TempDirectory scratch;
    const std::string batch = DATA + "/seed0_class2.dat";
    struct Case {
        const char* name;
        const char* extension;
        std::vector<std::string> arguments;
        int status;
        int png_width;  // 0 when no output may be written
    };
    const Case CASES[] = {
        {"defaults", ".png", {}, 0, 1240},
        {"every option",
         ".png",
         {"--per-page", "6", "--paper", "letter", "--title", "Book 1", "--no-solutions"},
         0,
         1275},
        {"paper in capitals", ".png", {"--paper", "LETTER"}, 0, 1275},
        {"3 per page", ".png", {"--per-page", "3"}, 2, 0},
        {"unknown paper", ".png", {"--paper", "a5"}, 2, 0},
        {"page beyond the sheet", ".png", {"--page", "12"}, 2, 0},
        {"unknown output format", ".jpg", {}, 2, 0},
        {"title not UTF-8", ".png", {"--title", "bad \xff title"}, 2, 0},
    };
    for (const Case& c : CASES) {
        const std::string output = scratch / (std::string(c.name) + c.extension);
        std::vector<std::string> words = {"cellwright-tool", "print", batch, "--output", output};
        words.insert(words.end(), c.arguments.begin(), c.arguments.end());
        std::vector<const char*> argv;
        for (const std::string& word : words) {
            argv.push_back(word.c_str());
        }
        EXPECT_EQ(run_tool(static_cast<int>(argv.size()), argv.data()), c.status) << c.name;
        EXPECT_EQ(std::filesystem::exists(output), c.png_width != 0) << c.name;
        if (c.png_width != 0) {
            cairo_surface_t* png = cairo_image_surface_create_from_png(output.c_str());
            EXPECT_EQ(cairo_image_surface_get_width(png), c.png_width) << c.name;
            cairo_surface_destroy(png);
        }
    }
}

}  // namespace
}  // namespace cellwright::tool
