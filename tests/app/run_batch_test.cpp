// A whole batch run with a fixed seed, date and directory.

#include "app/run_batch.hpp"

#include <unistd.h>

#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "temp_directory.hpp"

namespace cellwright {
namespace {

constexpr LocalDate DECEMBER_8{2026, 12, 8};
constexpr const char* FIRST_CLASS_2_FILE = "20261208_01(diff2).dat";

const std::string BATCH_CONSOLE = "creating problems...\n+----------------------------+\n" +
                                  std::string(BATCH_SIZE, 'o') + "\nfinished.\n";

// Captureless stand-ins for the clock and calendar, with a record of when they were asked.
std::string batch_directory;
int seed_reads = 0;
bool file_empty_when_seeded = false;

std::uint32_t seed_zero() {
    ++seed_reads;
    const std::string path = batch_directory + "/" + FIRST_CLASS_2_FILE;
    file_empty_when_seeded = name_exists(path.c_str()) && read_file(path).empty();
    return 0;
}

LocalDate december_8() {
    return DECEMBER_8;
}

BatchEnvironment test_environment(const TempDirectory& directory, std::FILE* console) {
    batch_directory = directory.path();
    seed_reads = 0;
    file_empty_when_seeded = false;
    return {seed_zero, december_8, batch_directory.c_str(), console};
}

TEST(RunBatch, SeedZeroWritesTheReferenceBatch) {
    TempDirectory directory;
    std::FILE* console = std::tmpfile();
    ASSERT_NE(console, nullptr);
    EXPECT_EQ(run_batch(2, test_environment(directory, console)), 0);
    EXPECT_EQ(stream_text(console), BATCH_CONSOLE);
    std::fclose(console);
    EXPECT_EQ(seed_reads, 1);
    EXPECT_TRUE(file_empty_when_seeded) << "file must exist, empty, before generation starts";
    EXPECT_EQ(directory.names(), std::set<std::string>{FIRST_CLASS_2_FILE});
    EXPECT_EQ(read_file(directory / FIRST_CLASS_2_FILE),
              read_file(std::string(CELLWRIGHT_TEST_DATA) + "/seed0_class2.dat"));
}

// The marks have no line break, so a buffered console shows them only if each is flushed:
// here the console is fully buffered, and a mark must still arrive before the file is written.
TEST(RunBatch, EachMarkReachesTheConsoleAtOnce) {
    TempDirectory directory;
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    std::FILE* console = fdopen(ends[1], "w");
    ASSERT_NE(console, nullptr);
    std::setvbuf(console, nullptr, _IOFBF, 1 << 16);
    const std::string path = directory / FIRST_CLASS_2_FILE;
    std::string received;
    bool mark_before_file_written = false;
    std::thread reader([&] {
        char chunk[256];
        for (ssize_t got; (got = read(ends[0], chunk, sizeof chunk)) > 0;) {
            received.append(chunk, static_cast<std::size_t>(got));
            if (received.find('o') != std::string::npos && read_file(path).empty()) {
                mark_before_file_written = true;
            }
        }
    });
    const int status = run_batch(2, test_environment(directory, console));
    std::fclose(console);
    reader.join();
    close(ends[0]);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(received, BATCH_CONSOLE);
    EXPECT_TRUE(mark_before_file_written) << "marks held back until the end of the batch";
}

TEST(RunBatch, FileThatCannotBeCreatedEndsBeforeGenerating) {
    TempDirectory directory;
    std::FILE* console = std::tmpfile();
    ASSERT_NE(console, nullptr);
    BatchEnvironment environment = test_environment(directory, console);
    const std::string missing = directory / "missing";
    environment.directory = missing.c_str();
    EXPECT_EQ(run_batch(2, environment), 1);
    EXPECT_EQ(stream_text(console), std::string("failed to open: ") + FIRST_CLASS_2_FILE + "\n");
    std::fclose(console);
    EXPECT_EQ(seed_reads, 0) << "nothing is seeded when the file cannot be created";
}

TEST(FinishBatch, FullDiskIsReportedNotFinished) {
    TempDirectory directory;
    ProblemFile file = open_problem_file(2, DECEMBER_8, directory.path().c_str());
    ASSERT_NE(file.stream, nullptr);
    std::fclose(file.stream);
    file.stream = std::fopen("/dev/full", "wb");
    ASSERT_NE(file.stream, nullptr);
    std::FILE* console = std::tmpfile();
    ASSERT_NE(console, nullptr);
    const ProblemBlock records{};
    EXPECT_EQ(finish_batch(file, records, console), 1);
    EXPECT_EQ(stream_text(console), std::string("\nfailed to write: ") + FIRST_CLASS_2_FILE + "\n");
    std::fclose(console);
    EXPECT_TRUE(directory.names().empty()) << "incomplete file left behind";
}

}  // namespace
}  // namespace cellwright
