// cellwright-tool where reading fails, where standard output takes nothing, where files may
// not grow, and where it is interrupted: a message and exit status 1 (or death by the
// signal), the lines before a failure still valid, and never a torn or lost output file.

#include <signal.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
#include <sstream>
#include <streambuf>
#include <system_error>
#include <thread>

#include <gtest/gtest.h>

#include "app/temp_directory.hpp"
#include "grade_command.hpp"
#include "print_input.hpp"
#include "show_command.hpp"
#include "support/child_process.hpp"
#include "support/puzzle_checks.hpp"
#include "verify_command.hpp"

namespace cellwright::tool {
namespace {

const std::string GOOD =
    "7/.4......./..1.7.2.5/.3.9.8.7./..6...8../.5..1..6./..7...4../.2.3.4.8./3.8.2.9../"
    ".......1./";

// Hands out `text`, then fails the way a file's buffer does on an I/O error: by throwing.
class FailingBuffer : public std::streambuf {
  public:
    explicit FailingBuffer(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

  protected:
    int_type underflow() override { throw std::system_error(EIO, std::generic_category()); }

  private:
    std::string text_;
};

TEST(HostileEnvironment, ReadErrorIsReportedAfterTheLinesBeforeIt) {
    struct Case {
        const char* name;
        std::function<int(std::istream& in, std::ostream& out, std::ostream& errors)> run;
        std::string expected_out;  // a part of standard output
    };
    const Case cases[] = {
        {"grade", [](auto& in, auto& out, auto& errors) { return run_grade({}, in, out, errors); },
         "}\n{\"puzzle\""},  // the second record follows the first
        {"show",
         [](auto& in, auto& out, auto& errors) { return run_show("-", false, in, out, errors); },
         "problem 2: grade 7"},
        {"verify",
         [](auto& in, auto& out, auto& errors) { return run_verify({"-"}, in, out, errors); },
         "checked 2 problems in 1 file: 1 file could not be read"},
        {"print",
         [](auto& in, auto& out, auto& errors) {
             std::vector<PrintProblem> problems;
             const bool sound = read_print_problems({"-"}, in, problems, errors);
             out << problems.size() << " problems";
             return sound ? 0 : 1;
         },
         "2 problems"},
    };
    for (const Case& c : cases) {
        // The third line is cut by the failure: it must be dropped, not judged.
        FailingBuffer buffer(GOOD + "\n" + GOOD + "\n" + GOOD.substr(0, 30));
        std::istream in(&buffer);
        std::ostringstream out;
        std::ostringstream errors;
        EXPECT_EQ(c.run(in, out, errors), 1) << c.name;
        EXPECT_NE(out.str().find(c.expected_out), std::string::npos) << c.name << ": " << out.str();
        EXPECT_EQ(errors.str(), "<stdin>: read error: " + std::string(std::strerror(EIO)) + "\n")
            << c.name;
    }
}

bool under_address_sanitizer() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
    return __has_feature(address_sanitizer);
#else
    return false;
#endif
}

// The real program, so that its standard streams and signals are the real ones.
TEST(HostileEnvironment, ToolFailsCleanlyAndLeavesWholeFilesOrNone) {
    const std::string input = std::string(CELLWRIGHT_TEST_DATA) + "/seed0_class2.dat";
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        std::string stdout_path;
        long file_size_limit;
        long address_space_limit;
        int interrupt;               // sent once an output file is under way
        int status;                  // or 0 when `interrupt` ends it
        std::string expected;        // a part of standard error, or of output when it succeeds
        std::set<std::string> left;  // the directory afterwards, besides old.pdf
    };
    const std::string full =
        "writing standard output failed: " + std::string(std::strerror(ENOSPC));
    const std::vector<Case> cases{
        {"grade to a full disk", {"grade", input}, "/dev/full", -1, -1, 0, 1, full, {}},
        {"show to a full disk", {"show", input}, "/dev/full", -1, -1, 0, 1, full, {}},
        {"verify to a full disk", {"verify", input}, "/dev/full", -1, -1, 0, 1, full, {}},
        {"batch to a full disk",
         {"batch", "--class", "2", "--seed", "0"},
         "/dev/full",
         -1,
         -1,
         0,
         1,
         full,
         {}},
        {"generate to a full disk",
         {"generate", "--class", "1", "--count", "200", "--seed", "0"},
         "/dev/full",
         -1,
         -1,
         0,
         1,
         full,
         {}},
        {"generate --output past the file-size limit",
         {"generate", "--class", "1", "--count", "50", "--seed", "0", "--output", "new.dat"},
         "",
         1024,
         -1,
         0,
         1,
         "new.dat: writing failed: " + std::string(std::strerror(EFBIG)),
         {}},
        {"print --force past the file-size limit",
         {"print", input, "--output", "old.pdf", "--force"},
         "",
         4096,
         -1,
         0,
         1,
         "old.pdf: writing failed",
         {}},
        {"generate --output interrupted",
         {"generate", "--class", "1", "--count", "100000000", "--seed", "0", "--output", "big.dat"},
         "",
         -1,
         -1,
         SIGINT,
         0,
         "",
         {}},
        {"generate with threads that cannot start",
         {"generate", "--class", "2", "--count", "3", "--seed", "1", "--jobs", "1024", "--output",
          "few.dat"},
         "",
         -1,
         400L << 20,
         0,
         0,
         "",
         {"few.dat"}},
    };
    for (const Case& c : cases) {
        if (c.address_space_limit >= 0 && under_address_sanitizer()) {
            continue;  // the sanitizer reserves more address space than any such limit
        }
        TempDirectory directory;
        const std::string old_sheet = "not replaced until the new one is complete";
        write_file(directory / "old.pdf", old_sheet);
        test::ChildSetup setup;
        setup.argv = {CELLWRIGHT_TOOL};
        setup.argv.insert(setup.argv.end(), c.arguments.begin(), c.arguments.end());
        setup.directory = directory.path();
        setup.stdout_path = c.stdout_path;
        setup.file_size_limit = c.file_size_limit;
        setup.address_space_limit = c.address_space_limit;
        test::Child child = test::start_child(setup);
        if (c.interrupt != 0) {
            for (int wait = 0; wait < 10000 && directory.names().size() < 2; ++wait) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            kill(child.process, c.interrupt);
        }
        const test::Ended ended = test::finish_child(child);
        EXPECT_EQ(ended.signal, c.interrupt) << c.name << ": " << ended.output;
        if (c.interrupt == 0) {
            EXPECT_EQ(ended.status, c.status) << c.name << ": " << ended.output;
        }
        EXPECT_NE(ended.output.find(c.expected), std::string::npos)
            << c.name << ": " << ended.output;
        std::set<std::string> left = c.left;
        left.insert("old.pdf");
        EXPECT_EQ(directory.names(), left) << c.name;
        EXPECT_EQ(read_file(directory / "old.pdf"), old_sheet) << c.name;
        for (const std::string& name : c.left) {
            EXPECT_EQ(check::lines_of(read_file(directory / name)).size(), 3u) << c.name;
        }
    }
}

}  // namespace
}  // namespace cellwright::tool
