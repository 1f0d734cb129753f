// Every subcommand follows one convention: --help ends with an example; -o/--output writes a
// new file, replaced only with --force; 2 is a command line that cannot be run, 1 a fault in
// the data or the environment.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/temp_directory.hpp"
#include "tool_run.hpp"

namespace cellwright::tool {
namespace {

const std::string BATCH = std::string(CELLWRIGHT_TEST_DATA) + "/seed0_class2.dat";

TEST(CommandConvention, EverySubcommandsHelpEndsWithAnExample) {
    for (const char* name : {"batch", "generate", "grade", "verify", "show", "print", "explain"}) {
        const ToolRun help = run_tool_words({name, "--help"});
        EXPECT_EQ(help.status, 0) << name;
        EXPECT_NE(help.out.find("Example:\n  cellwright-tool " + std::string(name) + " "),
                  std::string::npos)
            << name << ":\n"
            << help.out;
    }
}

TEST(CommandConvention, OutputFilesAreNewUnlessForced) {
    const TempDirectory scratch;
    struct Case {
        const char* name;
        std::vector<std::string> arguments;  // before -o FILE
        const char* file;
        std::string start;  // of what the command writes
    };
    const std::vector<Case> cases{
        {"generate", {"generate", "--class", "1", "--count", "2", "--seed", "1"}, "g.dat", "4/"},
        {"grade", {"grade", BATCH, "--format", "csv"}, "g.csv", "class,grade,"},
        {"batch", {"batch", "--class", "2", "--seed", "0", "--count", "1"}, "b.dat", "7/"},
        {"print", {"print", BATCH}, "p.pdf", "%PDF-"},
    };
    for (const Case& c : cases) {
        const std::string file = scratch / c.file;
        write_file(file, "keep me");
        const auto run = [&](std::vector<std::string> extra) {
            std::vector<std::string> words = c.arguments;
            words.insert(words.end(), extra.begin(), extra.end());
            std::vector<const char*> argv;
            for (const std::string& word : words) {
                argv.push_back(word.c_str());
            }
            return run_tool_words(argv);
        };
        const ToolRun refused = run({"-o", file});
        EXPECT_EQ(refused.status, 1) << c.name;
        EXPECT_NE(refused.errors.find(file + ": already exists, not overwritten (--force"),
                  std::string::npos)
            << c.name << ": " << refused.errors;
        EXPECT_EQ(read_file(file), "keep me") << c.name;
        const ToolRun forced = run({"--output", file, "--force"});
        EXPECT_EQ(forced.status, 0) << c.name << ": " << forced.errors;
        EXPECT_EQ(read_file(file).rfind(c.start, 0), 0u) << c.name;
        EXPECT_EQ(forced.out, "") << c.name << ": nothing on standard output";
    }
}

TEST(CommandConvention, CommandLinesThatCannotRunExitWith2) {
    struct Case {
        std::vector<const char*> arguments;
        std::string message;  // a part of it
    };
    const std::vector<Case> cases{
        {{"generate", "--class", "1", "--format", "dat", "--solutions"},
         "--solutions: a problem line"},
        {{"generate", "--class", "1", "--start", "0xFFFFFFFFFFFFFFFF", "--count", "2"},
         "passes 2^64"},
        {{"generate", "--class", "1", "--format", "xml"}, "xml"},
        {{"grade", "--format", "dat", BATCH.c_str()}, "dat not in"},
        {{"grade", "--input-format", "xml", BATCH.c_str()}, "xml"},
        {{"show", "--input-format", "csv", "--input-format", "csv", BATCH.c_str()}, "input-format"},
        {{"print", BATCH.c_str(), "-o", "x.png", "--dpi", "1201"}, "36..1200"},
        {{"verify"}, "files"},
    };
    for (const Case& c : cases) {
        const ToolRun run = run_tool_words(c.arguments);
        EXPECT_EQ(run.status, 2) << joined(c.arguments) << run.errors;
        EXPECT_NE(run.errors.find(c.message), std::string::npos)
            << joined(c.arguments) << run.errors;
        EXPECT_EQ(run.out, "") << joined(c.arguments);
    }
}

}  // namespace
}  // namespace cellwright::tool
