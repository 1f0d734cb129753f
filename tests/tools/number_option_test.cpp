// Every number option of every subcommand is read the same strict way: decimal or 0x-hex, a
// leading zero never meaning octal.

#include "number_option.hpp"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/temp_directory.hpp"
#include "support/puzzle_checks.hpp"
#include "tool_run.hpp"

namespace cellwright::tool {
namespace {

TEST(ParseNumber, AcceptsDecimalAndHexadecimalOnly) {
    constexpr std::uint64_t LARGEST = 0xFFFFFFFF;
    struct Case {
        const char* text;
        std::optional<std::uint64_t> expected;
    };
    const Case cases[] = {
        {"0", 0},
        {"10", 10},
        {"010", 10},
        {"4294967295", LARGEST},
        {"0x0", 0},
        {"0xff", 255},
        {"0XFF", 255},
        {"0xFFFFFFFF", LARGEST},
        {"4294967296", {}},
        {"0x100000000", {}},
        {"99999999999999999999", {}},
        {"", {}},
        {"0x", {}},
        {"-1", {}},
        {"+1", {}},
        {" 1", {}},
        {"1 ", {}},
        {"12a", {}},
        {"0x1g", {}},
        {"0x-1", {}},
        {"1e3", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parse_number(c.text, LARGEST), c.expected) << "'" << c.text << "'";
    }
}

TEST(NumberOptions, ZeroPaddedAndHexNumbersMeanTheirDecimalValue) {
    const TempDirectory scratch;
    const std::string sheet = scratch / "sheet.png";
    const std::string batch = std::string(CELLWRIGHT_TEST_DATA) + "/seed0_class2.dat";
    struct Case {
        std::vector<const char*> arguments;
        int status;
        std::string expected;  // found in standard output or error
        std::size_t lines;     // of standard output
    };
    const Case cases[] = {
        {{"generate", "--class", "02", "--count", "010", "--seed", "1", "--jobs", "01"}, 0, "", 10},
        {{"generate", "--class", "2", "--count", "08", "--seed", "1"}, 0, "", 8},
        {{"generate", "--class", "2", "--count", "0x1", "--seed", "0x2A", "--start", "0X0a",
          "--format", "json"},
         0,
         "{\"index\": 10, \"seed\": 42,",
         1},
        {{"generate", "--class", "2", "--count", "1", "--seed", "010", "--start", "010", "--format",
          "json"},
         0,
         "{\"index\": 10, \"seed\": 10,",
         1},
        {{"batch", "--class", "0x2", "--seed", "00", "--count", "02"}, 0, "", 2},
        // 30 problems at 4 a page and their answer keys make 11 pages.
        {{"print", batch.c_str(), "--output", sheet.c_str(), "--per-page", "04", "--page", "013"},
         2,
         "--page 13: the sheet has pages 1 to 11",
         0},
        {{"print", batch.c_str(), "--output", sheet.c_str(), "--page", ""}, 2, "'' is not", 0},
        {{"print", batch.c_str(), "--output", sheet.c_str(), "--per-page", "0x"}, 2, "'0x'", 0},
        {{"generate", "--class", "0x6"}, 2, "'0x6' is not a whole number in 1..5", 0},
        {{"generate", "--class", "2", "--start", " 1"}, 2, "' 1' is not", 0},
        {{"batch", "--class", "2", "--seed", "1", "--count", "1e3"}, 2, "'1e3' is not", 0},
    };
    for (const Case& c : cases) {
        const std::string label = joined(c.arguments);
        const ToolRun result = run_tool_words(c.arguments);
        EXPECT_EQ(result.status, c.status) << label << result.errors;
        EXPECT_NE((result.out + result.errors).find(c.expected), std::string::npos)
            << label << result.out << result.errors;
        EXPECT_EQ(check::lines_of(result.out).size(), c.lines) << label;
    }
}

}  // namespace
}  // namespace cellwright::tool
