// The real cellwright program, started as a user would in an empty directory.

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include <cellwright/cellwright.hpp>

#include "app/platform.hpp"
#include "app/problem_file.hpp"
#include "temp_directory.hpp"

namespace cellwright {
namespace {

struct Started {
    pid_t process = -1;
    int output = -1;  // read end of the program's standard output
};

struct Finished {
    int status = -1;  // exit status, -1 if it did not exit normally
    std::string output;
};

// Starts the program in `directory` with `arguments`; a non-negative `file_size_limit` caps
// the size of any file it writes, as a full disk would.
Started start_program(const std::string& directory, const std::vector<std::string>& arguments,
                      long file_size_limit = -1) {
    int ends[2];
    if (pipe(ends) != 0) {
        return {};
    }
    const pid_t process = fork();
    if (process == 0) {
        dup2(ends[1], STDOUT_FILENO);
        close(ends[0]);
        close(ends[1]);
        if (file_size_limit >= 0) {
            // Make an oversized write fail with an error instead of killing the program.
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{static_cast<rlim_t>(file_size_limit),
                               static_cast<rlim_t>(file_size_limit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        std::vector<char*> argv{const_cast<char*>(CELLWRIGHT_PROGRAM)};
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        if (chdir(directory.c_str()) == 0) {
            execv(CELLWRIGHT_PROGRAM, argv.data());
        }
        _exit(127);
    }
    close(ends[1]);
    return {process, ends[0]};
}

Finished finish_program(const Started& started) {
    Finished finished;
    char chunk[512];
    for (ssize_t got; (got = read(started.output, chunk, sizeof chunk)) > 0;) {
        finished.output.append(chunk, static_cast<std::size_t>(got));
    }
    close(started.output);
    int status = 0;
    if (waitpid(started.process, &status, 0) == started.process && WIFEXITED(status)) {
        finished.status = WEXITSTATUS(status);
    }
    return finished;
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

const std::string MARKS =
    "creating problems...\n+----------------------------+\n" + std::string(30, 'o') + "\n";

TEST(Program, WrongCommandLinesPrintUsage) {
    const std::vector<std::string> cases[] = {{}, {"c4"}, {"C"}, {"c2", "c2"}, {"--version", "c2"}};
    for (const auto& arguments : cases) {
        TempDirectory directory;
        const Finished finished = finish_program(start_program(directory.path(), arguments));
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
    const Finished finished = finish_program(start_program(directory.path(), {"--version"}));
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
    std::vector<Started> started;
    for (int run = 0; run < RUNS; ++run) {
        started.push_back(start_program(directory.path(), {"c2"}));
    }
    for (int run = 0; run < RUNS; ++run) {
        const Finished finished = finish_program(started[static_cast<std::size_t>(run)]);
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
    // 30 problem lines: grade, "/", nine rows each followed by "/", a single line feed.
    for (const std::string& name : expected) {
        const std::string text = read_file(directory / name);
        int lines = 0;
        for (std::size_t start = 0; start < text.size(); ++lines) {
            std::size_t end = text.find('\n', start);
            end = end == std::string::npos ? text.size() : end;
            EXPECT_TRUE(is_problem_line(std::string_view(text).substr(start, end - start)))
                << name << " line " << lines;
            start = end + 1;
        }
        EXPECT_EQ(lines, 30) << name;
        EXPECT_EQ(text.back(), '\n') << name;
    }
}

TEST(Program, FullDiskIsReportedAndLeavesNoFile) {
    TempDirectory directory;
    const LocalDate date = local_date();
    const Finished finished = finish_program(start_program(directory.path(), {"c2"}, 0));
    EXPECT_EQ(finished.status, 1);
    EXPECT_EQ(finished.output, MARKS + "failed to write: " + class_2_file(date, 1) + "\n");
    EXPECT_TRUE(directory.names().empty()) << "incomplete file left behind";
}

}  // namespace
}  // namespace cellwright
