// The program's command line: which argument vectors start a batch, ask for the version, or
// get the usage text.

#include "app/front_end.hpp"

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <cellwright/cellwright.hpp>

#include "temp_directory.hpp"

namespace cellwright {
namespace {

TEST(CommandLine, ClassComesFromTheOneArgument) {
    struct Case {
        std::vector<const char*> arguments;  // after the program name
        int expected;                        // 0: usage text, or the version
    };
    const Case cases[] = {
        {{"c2"}, 2}, {{"C3"}, 3}, {{"c1x"}, 1},      {{"c1"}, 1},      {{"c"}, 0},
        {{"c0"}, 0}, {{"c4"}, 0}, {{"x1"}, 0},       {{"1"}, 0},       {{"cc"}, 0},
        {{""}, 0},   {{}, 0},     {{"c2", "c2"}, 0}, {{"c2", "x"}, 0}, {{"--version"}, 0},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"cellwright"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        std::string label;
        for (const char* argument : c.arguments) {
            label += std::string("[") + argument + "]";
        }
        EXPECT_EQ(class_from_arguments(static_cast<int>(argv.size()), argv.data()), c.expected)
            << "arguments " << (label.empty() ? "none" : label);
    }
}

TEST(CommandLine, UsageTextIsThreeLines) {
    std::FILE* console = std::tmpfile();
    ASSERT_NE(console, nullptr);
    print_usage(console);
    EXPECT_EQ(stream_text(console),
              "\ncellwright\n"
              "  To create problem: cellwright.exe c[1-3]\n"
              "    where 1-3 specifies difficulty.\n");
    std::fclose(console);
}

TEST(CommandLine, OnlyTheLoneArgumentVersionAsksForTheVersion) {
    struct Case {
        std::vector<const char*> arguments;  // after the program name
        bool expected;
    };
    const Case cases[] = {
        {{"--version"}, true},        {{"--version", "c1"}, false},
        {{"c1", "--version"}, false}, {{"-version"}, false},
        {{"--versions"}, false},      {{"--VERSION"}, false},
        {{"--version="}, false},      {{}, false},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"cellwright"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        const std::string label = c.arguments.empty() ? "none" : c.arguments[0];
        EXPECT_EQ(asks_for_version(static_cast<int>(argv.size()), argv.data()), c.expected)
            << label << " of " << c.arguments.size();
    }
    std::FILE* console = std::tmpfile();
    ASSERT_NE(console, nullptr);
    print_version(console);
    EXPECT_EQ(stream_text(console), "cellwright " CELLWRIGHT_VERSION_STRING "\n");
    std::fclose(console);
}

}  // namespace
}  // namespace cellwright
