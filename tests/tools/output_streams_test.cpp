// Output files appear whole or not at all and replace nothing unasked; standard output and
// error are handed on in whole lines.

#include <cstdio>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/temp_directory.hpp"
#include "console_streams.hpp"
#include "output_file.hpp"

namespace cellwright::tool {
namespace {

TEST(OutputFile, AppearsWholeAndReplacesOnlyWhenAsked) {
    enum class Step { commit, leave };
    struct Case {
        const char* name;
        std::optional<std::string> before;     // the file's content before opening
        std::optional<std::string> meanwhile;  // written under the name while the output is open
        bool replace;
        Step step;
        const char* fault;  // a part of the reported fault; "" for none
        std::optional<std::string> after;
    };
    const Case cases[] = {
        {"new file", {}, {}, false, Step::commit, "", "new"},
        {"existing file", "old", {}, false, Step::commit, "already exists", "old"},
        {"file appears meanwhile", {}, "theirs", false, Step::commit, "appeared", "theirs"},
        {"replaced when asked", "old", {}, true, Step::commit, "", "new"},
        {"never committed", "old", {}, true, Step::leave, "", "old"},
    };
    for (const Case& c : cases) {
        const TempDirectory directory;
        const std::string path = directory / "out.dat";
        if (c.before) {
            write_file(path, *c.before);
        }
        OutputFault fault;
        {
            OutputFile out;
            fault = out.open(path, c.replace);
            if (!fault) {
                EXPECT_TRUE(out.write("new", 3)) << c.name;
                if (c.meanwhile) {
                    write_file(path, *c.meanwhile);
                }
                if (c.step == Step::commit) {
                    fault = out.commit();
                }
            }
        }
        if (*c.fault == '\0') {
            EXPECT_FALSE(fault) << c.name << ": " << *fault;
        } else {
            ASSERT_TRUE(fault) << c.name;
            EXPECT_NE(fault->find(c.fault), std::string::npos) << c.name << ": " << *fault;
        }
        EXPECT_EQ(directory.names(),
                  c.after ? std::set<std::string>{"out.dat"} : std::set<std::string>{})
            << c.name << ": a temporary file is left";
        EXPECT_EQ(read_file(path), c.after.value_or("")) << c.name;
    }
}

// Every write the buffer makes, as the file sees it.
std::vector<std::string> written_chunks;

ssize_t record_chunk(void*, const char* data, std::size_t size) {
    written_chunks.emplace_back(data, size);
    return static_cast<ssize_t>(size);
}

TEST(WholeLineBuffer, WritesWholeLinesInPiecesAPipeTakesAtOnce) {
    written_chunks.clear();
    std::FILE* file = fopencookie(nullptr, "w", {nullptr, record_chunk, nullptr, nullptr});
    ASSERT_NE(file, nullptr);
    std::setvbuf(file, nullptr, _IONBF, 0);
    std::string expected;
    {
        WholeLineBuffer buffer(file);
        std::ostream out(&buffer);
        // Messages of every length up to 300 characters, and one longer than the buffer.
        for (int i = 0; i < 3000; ++i) {
            const std::string line = "f.dat:" + std::to_string(i) + ": " +
                                     std::string(static_cast<std::size_t>(i * 7 % 300), 'x') + "\n";
            out << line;
            expected += line;
        }
        const std::string huge(10000, 'y');
        out << huge << '\n' << "last\n";
        expected += huge + "\nlast\n";
    }
    std::fclose(file);
    std::string joined;
    for (std::size_t i = 0; i < written_chunks.size(); ++i) {
        const std::string& chunk = written_chunks[i];
        EXPECT_LE(chunk.size(), 4096u) << "write " << i;
        const bool inside_huge_line = chunk.find_first_not_of('y') == std::string::npos;
        EXPECT_TRUE(chunk.back() == '\n' || inside_huge_line) << "write " << i << " ends mid-line";
        joined += chunk;
    }
    EXPECT_EQ(joined, expected);
    EXPECT_LT(written_chunks.size(), expected.size() / 2000) << "one write per few kilobytes";
}

}  // namespace
}  // namespace cellwright::tool
