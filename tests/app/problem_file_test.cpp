// Naming and creating problem files: no existing entry is ever touched.

#include "app/problem_file.hpp"

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/platform.hpp"
#include "temp_directory.hpp"

namespace cellwright {
namespace {

constexpr LocalDate DECEMBER_8{2026, 12, 8};

std::string file_name(int sequence, int difficulty_class, LocalDate date = DECEMBER_8) {
    std::array<char, 64> name{};
    EXPECT_TRUE(format_problem_file_name(name, date, sequence, difficulty_class));
    return name.data();
}

TEST(ProblemFileName, FollowsDateSequenceClassPattern) {
    struct Case {
        LocalDate date;
        int sequence;
        int difficulty_class;
        const char* expected;
    };
    const Case cases[] = {
        {DECEMBER_8, 1, 2, "20261208_01(diff2).dat"},
        {DECEMBER_8, 99, 1, "20261208_99(diff1).dat"},
        {DECEMBER_8, 100, 1, "20261208_100(diff1).dat"},
        {{2027, 1, 5}, 9, 3, "20270105_09(diff3).dat"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(file_name(c.sequence, c.difficulty_class, c.date), c.expected) << c.expected;
    }
    std::array<char, 22> short_buffer{};  // one short of "20261208_01(diff2).dat" and its 0
    EXPECT_FALSE(format_problem_file_name(short_buffer, DECEMBER_8, 1, 2)) << "truncated name";
}

enum class Entry { file, directory, dangling_link };

struct Existing {
    std::string name;
    Entry kind;
};

void make_entry(const TempDirectory& directory, const Existing& existing) {
    const std::string path = directory / existing.name;
    switch (existing.kind) {
        case Entry::file:
            write_file(path, "earlier batch\n");
            break;
        case Entry::directory:
            std::filesystem::create_directory(path);
            break;
        case Entry::dangling_link:
            std::filesystem::create_symlink(directory / "nowhere", path);
            break;
    }
}

TEST(OpenProblemFile, TakesFirstFreeSequenceNumber) {
    struct Case {
        const char* label;
        std::vector<Existing> existing;
        int difficulty_class;
        std::string expected;
    };
    std::vector<Existing> first_99;
    for (int sequence = 1; sequence <= 99; ++sequence) {
        first_99.push_back({file_name(sequence, 1), Entry::file});
    }
    const Case cases[] = {
        {"empty directory", {}, 1, file_name(1, 1)},
        {"two taken",
         {{file_name(1, 1), Entry::file}, {file_name(2, 1), Entry::file}},
         1,
         file_name(3, 1)},
        {"classes count independently",
         {{file_name(1, 1), Entry::file}, {file_name(2, 1), Entry::file}},
         3,
         file_name(1, 3)},
        {"days count independently",
         {{file_name(1, 2, {2026, 12, 7}), Entry::file}},
         2,
         file_name(1, 2)},
        {"first free, not after the highest", {{file_name(2, 2), Entry::file}}, 2, file_name(1, 2)},
        {"99 taken", first_99, 1, file_name(100, 1)},
        {"directory counts as taken", {{file_name(1, 2), Entry::directory}}, 2, file_name(2, 2)},
        {"dangling link counts as taken",
         {{file_name(1, 2), Entry::dangling_link}},
         2,
         file_name(2, 2)},
    };
    for (const Case& c : cases) {
        TempDirectory directory;
        for (const Existing& existing : c.existing) {
            make_entry(directory, existing);
        }
        ProblemFile file =
            open_problem_file(c.difficulty_class, DECEMBER_8, directory.path().c_str());
        ASSERT_NE(file.stream, nullptr) << c.label;
        std::fclose(file.stream);
        EXPECT_EQ(std::string(file.name()), c.expected) << c.label;
        EXPECT_EQ(std::string(file.path.data()), directory / c.expected) << c.label;
        EXPECT_EQ(read_file(directory / c.expected), "") << c.label << ": new file is empty";
        EXPECT_EQ(directory.names().size(), c.existing.size() + 1) << c.label;
        EXPECT_FALSE(std::filesystem::exists(directory / "nowhere"))
            << c.label << ": link followed";
        for (const Existing& existing : c.existing) {
            if (existing.kind == Entry::file) {
                EXPECT_EQ(read_file(directory / existing.name), "earlier batch\n")
                    << c.label << ": " << existing.name << " touched";
            }
        }
    }
}

TEST(OpenProblemFile, ReportsTheNameItCouldNotCreate) {
    TempDirectory directory;
    const std::string missing = directory / "missing";
    ProblemFile file = open_problem_file(2, DECEMBER_8, missing.c_str());
    EXPECT_EQ(file.stream, nullptr);
    EXPECT_EQ(std::string(file.name()), file_name(1, 2));
}

TEST(CreateNewFile, NeverOpensAnExistingEntry) {
    enum class Before { nothing, file, dangling_link, link_to_file, no_directory };
    struct Case {
        const char* label;
        Before before;
        CreateOutcome expected;
        const char* content_after;  // what reading the name gives afterwards
    };
    const Case cases[] = {
        {"free name", Before::nothing, CreateOutcome::created, ""},
        {"file", Before::file, CreateOutcome::taken, "old"},
        {"dangling link", Before::dangling_link, CreateOutcome::taken, ""},
        {"link to a file", Before::link_to_file, CreateOutcome::taken, "old"},
        {"missing directory", Before::no_directory, CreateOutcome::failed, ""},
    };
    for (const Case& c : cases) {
        TempDirectory directory;
        const std::string target = directory / "target";
        const std::string path =
            directory / (c.before == Before::no_directory ? "missing/name.dat" : "name.dat");
        if (c.before == Before::file) {
            write_file(path, "old");
        }
        if (c.before == Before::link_to_file) {
            write_file(target, "old");
        }
        if (c.before == Before::dangling_link || c.before == Before::link_to_file) {
            std::filesystem::create_symlink(target, path);
        }
        const NewFile created = create_new_file(path.c_str());
        EXPECT_EQ(created.outcome, c.expected) << c.label;
        EXPECT_EQ(created.stream != nullptr, c.expected == CreateOutcome::created) << c.label;
        if (created.stream != nullptr) {
            std::fclose(created.stream);
        }
        EXPECT_EQ(read_file(path), c.content_after) << c.label;
        EXPECT_EQ(std::filesystem::exists(target), c.before == Before::link_to_file)
            << c.label << ": written through a link";
    }
}

// Many batches starting at once in one directory race between the existence test and the
// creation; every one must still end up with a file of its own.
TEST(OpenProblemFile, SimultaneousOpenersEachGetTheirOwnFile) {
    constexpr int THREADS = 8;
    constexpr int FILES_PER_THREAD = 12;
    TempDirectory directory;
    std::vector<std::thread> threads;
    for (int t = 0; t < THREADS; ++t) {
        threads.emplace_back([&directory, t] {
            for (int i = 0; i < FILES_PER_THREAD; ++i) {
                ProblemFile file = open_problem_file(1, DECEMBER_8, directory.path().c_str());
                if (file.stream != nullptr) {
                    std::fprintf(file.stream, "%d %d\n", t, i);
                    std::fclose(file.stream);
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    std::set<std::string> marks;
    for (int sequence = 1; sequence <= THREADS * FILES_PER_THREAD; ++sequence) {
        const std::string name = file_name(sequence, 1);
        const std::string text = read_file(directory / name);
        EXPECT_FALSE(text.empty()) << name << " missing or empty";
        EXPECT_TRUE(marks.insert(text).second) << name << " written twice: " << text;
    }
    EXPECT_EQ(directory.names().size(), std::size_t{THREADS * FILES_PER_THREAD});
}

}  // namespace
}  // namespace cellwright
