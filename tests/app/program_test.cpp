// The real cellwright program, started as a user would in an empty directory.

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include <cellwright/cellwright.hpp>

#include "app/platform.hpp"
#include "app/problem_file.hpp"
#include "support/child_process.hpp"
#include "temp_directory.hpp"

namespace cellwright {
namespace {

using test::Child;
using test::ChildSetup;
using test::Ended;
using test::finish_child;
using test::start_child;

ChildSetup program_in(const std::string& directory, const std::vector<std::string>& arguments) {
    ChildSetup setup;
    setup.argv = {CELLWRIGHT_PROGRAM};
    setup.argv.insert(setup.argv.end(), arguments.begin(), arguments.end());
    setup.directory = directory;
    return setup;
}

// The name pattern itself is pinned by the problem file tests.
std::string class_2_file(const LocalDate& date, int sequence) {
    std::array<char, 64> name{};
    EXPECT_TRUE(format_problem_file_name(name, date, sequence, 2));
    return name.data();
}

// Grade 1..10, "/", then nine rows of nine cells ("." or 1..9), each row followed by "/".
bool is_problem_line(std::string_view line) {
    const std::size_t grade_length = line.starts_with("10/") ? 2 : 1;
    if (line.size() != grade_length + 1 + 9 * 10 || line[0] < '1' || line[0] > '9' ||
        line[grade_length] != '/') {
        return false;
    }
    for (std::size_t row = 0; row < 9; ++row) {
        const std::string_view cells = line.substr(grade_length + 1 + row * 10, 10);
        for (std::size_t column = 0; column < 9; ++column) {
            if (cells[column] != '.' && (cells[column] < '1' || cells[column] > '9')) {
                return false;
            }
        }
        if (cells[9] != '/') {
            return false;
        }
    }
    return true;
}

// 30 problem lines: grade, "/", nine rows each followed by "/", a single line feed.
void expect_whole_batch(const std::string& path, const std::string& label) {
    const std::string text = read_file(path);
    int lines = 0;
    for (std::size_t start = 0; start < text.size(); ++lines) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        EXPECT_TRUE(is_problem_line(std::string_view(text).substr(start, end - start)))
            << label << " line " << lines;
        start = end + 1;
    }
    EXPECT_EQ(lines, 30) << label;
    EXPECT_EQ(text.empty() ? ' ' : text.back(), '\n') << label;
}

const std::string MARKS =
    "creating problems...\n+----------------------------+\n" + std::string(30, 'o') + "\n";

TEST(Program, WrongCommandLinesPrintUsage) {
    const std::vector<std::string> cases[] = {{}, {"c4"}, {"C"}, {"c2", "c2"}, {"--version", "c2"}};
    for (const auto& arguments : cases) {
        TempDirectory directory;
        Child child = start_child(program_in(directory.path(), arguments));
        const Ended finished = finish_child(child);
        const std::string label = arguments.empty() ? "no argument" : arguments[0];
        EXPECT_EQ(finished.status, 0) << label;
        EXPECT_EQ(finished.output,
                  "\ncellwright\n  To create problem: cellwright.exe c[1-3]\n"
                  "    where 1-3 specifies difficulty.\n")
            << label;
        EXPECT_TRUE(directory.names().empty()) << label << ": file created";
    }
}

TEST(Program, VersionIsTheOneAddedCommandLine) {
    TempDirectory directory;
    Child child = start_child(program_in(directory.path(), {"--version"}));
    const Ended finished = finish_child(child);
    EXPECT_EQ(finished.status, 0);
    EXPECT_EQ(finished.output, "cellwright " CELLWRIGHT_VERSION_STRING "\n");
    EXPECT_TRUE(directory.names().empty()) << "file created";
}

// Programs started at once in one directory race for the same first name; each must get a
// file of its own, holding its whole batch.
TEST(Program, SimultaneousRunsEachWriteTheirOwnFile) {
    constexpr int RUNS = 3;
    TempDirectory directory;
    const LocalDate date = local_date();
    std::vector<Child> started;
    for (int run = 0; run < RUNS; ++run) {
        started.push_back(start_child(program_in(directory.path(), {"c2"})));
    }
    for (int run = 0; run < RUNS; ++run) {
        const Ended finished = finish_child(started[static_cast<std::size_t>(run)]);
        EXPECT_EQ(finished.status, 0) << "run " << run;
        EXPECT_EQ(finished.output, MARKS + "finished.\n") << "run " << run;
    }
    const LocalDate after = local_date();
    if (after.day != date.day) {
        GTEST_SKIP() << "the date changed during the test";
    }
    std::set<std::string> expected;
    for (int sequence = 1; sequence <= RUNS; ++sequence) {
        expected.insert(class_2_file(date, sequence));
    }
    ASSERT_EQ(directory.names(), expected);
    std::set<std::string> batches;
    for (const std::string& name : expected) {
        expect_whole_batch(directory / name, name);
        batches.insert(read_file(directory / name));
    }
    EXPECT_EQ(batches.size(), expected.size()) << "batches started at once share a seed";
}

// What users and their systems do to a run: close its standard output, limit the size of its
// files (SIGXFSZ at its default action), interrupt it, close the pipe its console goes to.
// The file is then complete, or absent; never empty, torn or holding console text.
TEST(Program, HostileEnvironmentLeavesAWholeFileOrNone) {
    enum class Act { nothing, close_console, signal_once_file_exists };
    struct Case {
        const char* name;
        const char* argument;
        bool close_stdout;
        long file_size_limit;
        Act act;
        int signal;  // sent, or expected to end it; 0 for a normal exit
        int status;  // when it exits
        bool file_left;
    };
    // Class 1 batches take the longest, so an interrupt finds the run still at work.
    const Case cases[] = {
        {"standard output closed", "c2", true, -1, Act::nothing, 0, 0, true},
        {"file-size limit", "c2", false, 1024, Act::nothing, 0, 1, false},
        {"SIGINT", "c1", false, -1, Act::signal_once_file_exists, SIGINT, 0, false},
        {"SIGTERM", "c1", false, -1, Act::signal_once_file_exists, SIGTERM, 0, false},
        {"SIGHUP", "c1", false, -1, Act::signal_once_file_exists, SIGHUP, 0, false},
        {"console pipe closed", "c1", false, -1, Act::close_console, SIGPIPE, 0, false},
    };
    for (const Case& c : cases) {
        TempDirectory directory;
        const LocalDate date = local_date();
        ChildSetup setup = program_in(directory.path(), {c.argument});
        setup.close_stdout = c.close_stdout;
        setup.file_size_limit = c.file_size_limit;
        Child child = start_child(setup);
        if (c.act == Act::close_console) {
            close(child.output);
            child.output = -1;
        } else if (c.act == Act::signal_once_file_exists) {
            for (int wait = 0; wait < 10000 && directory.names().empty(); ++wait) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            kill(child.process, c.signal);
        }
        const Ended ended = finish_child(child);
        EXPECT_EQ(ended.signal, c.signal) << c.name << ": " << ended.output;
        if (c.signal == 0) {
            EXPECT_EQ(ended.status, c.status) << c.name << ": " << ended.output;
        }
        if (local_date().day != date.day) {
            continue;  // the file name changed with the date
        }
        const std::string name = c.argument[1] == '2' ? class_2_file(date, 1) : "";
        if (c.file_size_limit >= 0) {
            EXPECT_EQ(ended.output, MARKS + "failed to write: " + name + "\n") << c.name;
        }
        EXPECT_EQ(directory.names().size(), c.file_left ? 1u : 0u) << c.name;
        if (c.file_left) {
            expect_whole_batch(directory / name, c.name);
        }
    }
}

}  // namespace
}  // namespace cellwright
