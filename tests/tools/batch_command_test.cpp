// `cellwright-tool batch`: the problem-file lines of a seeded batch, and its command line.

#include "batch_command.hpp"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/temp_directory.hpp"
#include "tool_run.hpp"

namespace cellwright::tool {
namespace {

std::string reference_batch(int difficulty_class) {
    return read_file(std::string(CELLWRIGHT_TEST_DATA) + "/seed0_class" +
                     std::to_string(difficulty_class) + ".dat");
}

// The first `lines` lines of `text`, each with its line feed.
std::string first_lines(const std::string& text, int lines) {
    std::size_t end = 0;
    for (int i = 0; i < lines; ++i) {
        end = text.find('\n', end) + 1;
    }
    return text.substr(0, end);
}

TEST(BatchLines, FirstProblemOfEachClassMatchTheReferenceBatches) {
    for (int difficulty_class = 1; difficulty_class <= 3; ++difficulty_class) {
        std::ostringstream out;
        std::ostringstream errors;
        const BatchOptions options{difficulty_class, 0, 1};
        EXPECT_EQ(run_batch_lines(options, out, errors), 0) << "class " << difficulty_class;
        EXPECT_EQ(out.str(), first_lines(reference_batch(difficulty_class), 1))
            << "class " << difficulty_class;
        EXPECT_EQ(errors.str(), "") << "class " << difficulty_class;
    }
}

TEST(BatchLines, FailedOutputIsReported) {
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream errors;
    EXPECT_EQ(run_batch_lines({2, 0, 3}, out, errors), 1);
    EXPECT_NE(errors.str().find("writing standard output failed"), std::string::npos)
        << errors.str();
}

TEST(BatchCommand, PrintsTheProblemFileOfTheSeededBatch) {
    struct Case {
        std::vector<const char*> arguments;
        std::string expected;
    };
    const std::string class_2 = reference_batch(2);
    const Case cases[] = {
        {{"batch", "--class", "2", "--seed", "0"}, class_2},
        {{"batch", "--seed", "0x0", "--class", "2", "--count", "3"}, first_lines(class_2, 3)},
        {{"batch", "--class", "3", "--seed", "0", "--count", "0"}, ""},
    };
    for (const Case& c : cases) {
        const std::string label = joined(c.arguments);
        const ToolRun result = run_tool_words(c.arguments);
        EXPECT_EQ(result.status, 0) << label << result.errors;
        EXPECT_EQ(result.out, c.expected) << label;
    }
}

TEST(BatchCommand, BadOptionsGiveErrorAndUsageWithStatus2) {
    const std::vector<const char*> cases[] = {
        {"batch", "--seed", "1"},
        {"batch", "--class", "0", "--seed", "1"},
        {"batch", "--class", "4", "--seed", "1"},
        {"batch", "--class", "two", "--seed", "1"},
        {"batch", "--class", "2"},
        {"batch", "--class", "2", "--seed", "-1"},
        {"batch", "--class", "2", "--seed", "4294967296"},
        {"batch", "--class", "2", "--seed", "0x100000000"},
        {"batch", "--class", "2", "--seed", "12a"},
        {"batch", "--class", "2", "--seed", "1", "--count", "-1"},
        {"batch", "--class", "2", "--seed", "1", "--count", "many"},
        {"batch", "--class", "2", "--seed", "1", "--colour"},
        {"batch", "--class", "2", "--seed", "1", "extra"},
    };
    for (const auto& arguments : cases) {
        const std::string label = joined(arguments);
        const ToolRun result = run_tool_words(arguments);
        EXPECT_EQ(result.status, 2) << label;
        EXPECT_EQ(result.out, "") << label;
        EXPECT_NE(result.errors.find("cellwright-tool: "), std::string::npos)
            << label << result.errors;
        EXPECT_NE(result.errors.find("usage:"), std::string::npos) << label << result.errors;
    }
}

TEST(ToolCommandLine, VersionIsTheLibrarysAndNeedsNoSubcommand) {
    const ToolRun alone = run_tool_words({"--version"});
    EXPECT_EQ(alone.status, 0) << alone.errors;
    EXPECT_EQ(alone.out, std::string("cellwright-tool ") + version() + "\n");
    EXPECT_EQ(alone.errors, "");
    EXPECT_EQ(run_tool_words({"batch", "--version"}).status, 2)
        << "a subcommand's option it is not";
}

}  // namespace
}  // namespace cellwright::tool
