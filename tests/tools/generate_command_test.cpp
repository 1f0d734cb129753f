// `generate`: problem i depends on the seed and i alone, so the output is the same for any
// number of jobs and ranges made apart fit together; every problem is a valid problem of the
// requested class; the output file is never overwritten.

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "cellwright/cellwright.hpp"
#include "command_line.hpp"
#include "generate_command.hpp"
#include "progress_bar.hpp"
#include "puzzle_input.hpp"
#include "support/puzzle_checks.hpp"
#include "verify_command.hpp"

namespace cellwright::tool {
namespace {

struct Generated {
    int status = 0;
    std::string out;
    std::string errors;
};

Generated generate(GenerateOptions options) {
    std::ostringstream out;
    std::ostringstream errors;
    Generated run;
    run.status = run_generate(options, out, errors);
    run.out = out.str();
    run.errors = errors.str();
    return run;
}

GenerateOptions options_for(int difficulty_class, std::uint64_t count, std::uint64_t start,
                            unsigned jobs, GenerateFormat format) {
    GenerateOptions options;
    options.difficulty_class = difficulty_class;
    options.count = count;
    options.seed = 20261209;
    options.start = start;
    options.jobs = jobs;
    options.format = format;
    return options;
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(GenerateCommand, OutputIsTheSameForAnyNumberOfJobs) {
    // JSON Lines carry every field of a problem, its number included.
    const Generated one = generate(options_for(2, 9, 5, 1, GenerateFormat::json));
    ASSERT_EQ(one.status, 0) << one.errors;
    for (const unsigned jobs : {2u, 3u}) {
        const Generated many = generate(options_for(2, 9, 5, jobs, GenerateFormat::json));
        EXPECT_EQ(many.out, one.out) << jobs << " jobs";
    }
}

// Problem i of seed S is the same in every version: files and shards made by any two versions
// fit together. Stored outputs of a few seeds and starts, in every format.
TEST(GenerateCommand, ReproducesStoredOutputs) {
    struct Case {
        std::uint64_t seed;
        std::uint64_t start;
        std::uint64_t count;
        int difficulty_class;
        const char* name;  // of the data files
    };
    const Case cases[] = {
        {7, 0, 3, 2, "seed7_start0_class2"},
        {0xDEADBEEFCAFE, 1000, 2, 3, "seed0xDEADBEEFCAFE_start1000_class3"},
        {0, 0x10000000000, 2, 1, "seed0_start0x10000000000_class1"},
        {11, 0, 2, 4, "seed11_start0_class4"},
        {11, 0, 2, 5, "seed11_start0_class5"},
    };
    const std::pair<GenerateFormat, const char*> formats[] = {{GenerateFormat::dat, ".dat"},
                                                              {GenerateFormat::line, ".line"},
                                                              {GenerateFormat::json, ".jsonl"}};
    for (const Case& c : cases) {
        for (const auto& [format, extension] : formats) {
            GenerateOptions options = options_for(c.difficulty_class, c.count, c.start, 2, format);
            options.seed = c.seed;
            const std::string name = std::string(c.name) + extension;
            const std::string expected =
                read_file(std::string(CELLWRIGHT_TEST_DATA) + "/generated/" + name);
            ASSERT_FALSE(expected.empty()) << "missing " << name;
            // Each JSON record also names the version that wrote it, which is all that may
            // differ.
            std::string out = generate(options).out;
            const std::string stamp = std::string(", \"version\": \"") + version() + "\"";
            for (auto at = out.find(stamp); at != std::string::npos; at = out.find(stamp, at))
                out.erase(at, stamp.size());
            EXPECT_EQ(out, expected) << name;
        }
    }
}

TEST(GenerateCommand, RangesMadeApartFitTogether) {
    const Generated whole = generate(options_for(2, 6, 0, 2, GenerateFormat::dat));
    const Generated first = generate(options_for(2, 2, 0, 1, GenerateFormat::dat));
    const Generated rest = generate(options_for(2, 4, 2, 2, GenerateFormat::dat));
    EXPECT_EQ(first.out + rest.out, whole.out);
    GenerateOptions other_seed = options_for(2, 6, 0, 2, GenerateFormat::dat);
    other_seed.seed = 20261210;
    EXPECT_NE(generate(other_seed).out, whole.out) << "another seed";
}

TEST(GenerateCommand, ShardsJoinedInOrderAreTheWholeRun) {
    const Generated whole = generate(options_for(1, 7, 2, 2, GenerateFormat::json));
    ASSERT_EQ(whole.status, 0) << whole.errors;
    for (const std::uint64_t shards : {1u, 3u, 4u, 9u}) {
        std::string joined;
        for (std::uint64_t shard = 0; shard < shards; ++shard) {
            GenerateOptions options = options_for(1, 7, 2, 1 + shard % 2, GenerateFormat::json);
            options.shard = Shard{shard, shards};
            const Generated part = generate(options);
            EXPECT_EQ(part.status, 0) << part.errors;
            joined += part.out;
        }
        EXPECT_EQ(joined, whole.out) << shards << " shards";
    }
}

TEST(GenerateCommand, ReadsAShardAsIndexSlashCount) {
    struct Case {
        const char* text;
        bool read;
        std::uint64_t index;
        std::uint64_t count;
    };
    const std::vector<Case> cases{
        {"0/1", true, 0, 1},
        {"3/8", true, 3, 8},
        {"18446744073709551614/18446744073709551615", true, 18446744073709551614u,
         18446744073709551615u},
        {"8/8", false, 0, 0},
        {"0/0", false, 0, 0},
        {"1", false, 0, 0},
        {"-1/3", false, 0, 0},
        {"1/3/4", false, 0, 0},
        {" 1/3", false, 0, 0},
        {"1/", false, 0, 0},
        {"/3", false, 0, 0},
        {"1/18446744073709551616", false, 0, 0},
    };
    for (const Case& test : cases) {
        const std::optional<Shard> shard = parse_shard(test.text);
        ASSERT_EQ(shard.has_value(), test.read) << test.text;
        if (shard) {
            EXPECT_EQ(shard->index, test.index) << test.text;
            EXPECT_EQ(shard->count, test.count) << test.text;
        }
    }
}

TEST(GenerateCommand, HintsAtShardWhenAnArrayIndexIsSetButNeverGuesses) {
    using Environment = std::map<std::string, std::string>;
    struct Case {
        Environment environment;
        std::string hint;  // a piece of the hint; empty for none
    };
    const std::vector<Case> cases{
        {{}, ""},
        {{{"SLURM_ARRAY_TASK_ID", "3"}, {"SLURM_ARRAY_TASK_COUNT", "8"}},
         "$SLURM_ARRAY_TASK_COUNT"},
        {{{"SLURM_ARRAY_TASK_ID", "3"}}, ""},
        {{{"SLURM_ARRAY_TASK_ID", ""}, {"SLURM_ARRAY_TASK_COUNT", "8"}}, ""},
        {{{"JOB_COMPLETION_INDEX", "0"}}, "--shard $JOB_COMPLETION_INDEX/N"},
        {{{"SLURM_JOB_ID", "12"}}, ""},
    };
    for (const Case& test : cases) {
        std::string shown;
        for (const auto& [name, value] : test.environment) {
            shown += " " + name + "=" + value;
        }
        const std::optional<std::string> hint = shard_hint([&](const char* name) -> const char* {
            const auto found = test.environment.find(name);
            return found == test.environment.end() ? nullptr : found->second.c_str();
        });
        if (test.hint.empty()) {
            EXPECT_FALSE(hint.has_value()) << shown << ": " << hint.value_or("");
        } else {
            ASSERT_TRUE(hint.has_value()) << shown;
            EXPECT_NE(hint->find(test.hint), std::string::npos) << shown << ": " << *hint;
        }
    }
}

TEST(GenerateCommand, EveryFormatCarriesAValidProblemOfTheClass) {
    for (int difficulty_class = 1; difficulty_class <= 5; ++difficulty_class) {
        const std::string name = "class " + std::to_string(difficulty_class);
        const Generated dat =
            generate(options_for(difficulty_class, 2, 40, 2, GenerateFormat::dat));
        const Generated line =
            generate(options_for(difficulty_class, 2, 40, 2, GenerateFormat::line));
        const Generated json =
            generate(options_for(difficulty_class, 2, 40, 2, GenerateFormat::json));
        std::istringstream dat_lines(dat.out);
        std::istringstream plain_lines(line.out);
        std::istringstream json_lines(json.out);
        int problems = 0;
        for (std::string text; std::getline(dat_lines, text); ++problems) {
            PuzzleEntry problem;
            ASSERT_FALSE(parse_problem_line(text, problem).has_value()) << name << ": " << text;
            EXPECT_TRUE(problem_faults(problem).empty()) << name << ": " << text;
            EXPECT_EQ(class_of_grade(problem.grade), difficulty_class) << name << ": " << text;

            std::string plain;
            std::getline(plain_lines, plain);
            EXPECT_EQ(plain, format_puzzle(problem.givens, PuzzleFormat::line))
                << name << ": line format";

            std::string record;
            std::getline(json_lines, record);
            const std::string head =
                "{\"index\": " + std::to_string(40 + problems) +
                ", \"seed\": 20261209, \"class\": " + std::to_string(difficulty_class) +
                ", \"grade\": " + std::to_string(problem.grade) + ", ";
            EXPECT_EQ(record.rfind(head, 0), 0u) << name << ": " << record;
            const std::size_t at = record.find("\"solution\": \"");
            ASSERT_NE(at, std::string::npos) << name << ": " << record;
            const DigitGrid solution = check::grid_from_text(record.substr(at + 13, 81));
            EXPECT_TRUE(check::solves(solution, problem.givens)) << name << ": " << record;
            EXPECT_TRUE(record.ends_with(std::string(", \"version\": \"") + version() + "\"}"))
                << name << ": " << record;
        }
        EXPECT_EQ(problems, 2) << name;
    }
}

TEST(GenerateCommand, OutputFileIsCreatedButNeverOverwritten) {
    const std::filesystem::path directory = std::filesystem::temp_directory_path() /
                                            ("cellwright_generate_" + std::to_string(getpid()));
    std::filesystem::create_directories(directory);
    const std::string path = (directory / "problems.dat").string();
    GenerateOptions options = options_for(2, 2, 0, 1, GenerateFormat::dat);
    options.output = path;

    const Generated created = generate(options);
    EXPECT_EQ(created.status, 0) << created.errors;
    EXPECT_EQ(created.out, "") << "nothing on standard output";
    EXPECT_EQ(read_file(path), generate(options_for(2, 2, 0, 1, GenerateFormat::dat)).out);

    std::ofstream(path, std::ios::trunc) << "keep me\n";
    const Generated refused = generate(options);
    EXPECT_EQ(refused.status, 1) << "existing file";
    EXPECT_NE(refused.errors.find("already exists"), std::string::npos) << refused.errors;
    EXPECT_EQ(read_file(path), "keep me\n") << "existing file untouched";

    options.output = (directory / "no such directory" / "problems.dat").string();
    const Generated failed = generate(options);
    EXPECT_EQ(failed.status, 1) << "missing directory";
    EXPECT_NE(failed.errors.find("cannot create"), std::string::npos) << failed.errors;
    std::filesystem::remove_all(directory);
}

TEST(GenerateCommand, ClockSeedIsPrintedSoTheRunCanBeRepeated) {
    GenerateOptions options = options_for(2, 1, 0, 1, GenerateFormat::dat);
    options.seed.reset();
    const Generated clocked = generate(options);
    ASSERT_EQ(clocked.errors.rfind("seed: ", 0), 0u) << clocked.errors;
    options.seed = std::stoull(clocked.errors.substr(6));
    EXPECT_EQ(generate(options).out, clocked.out);
}

TEST(GenerateCommand, RefusesOptionsOutOfRange) {
    // Each would otherwise run for ever or with a wrapped value: exit status 2 before any work.
    const std::vector<std::vector<const char*>> command_lines{
        {"cellwright-tool", "generate", "--class", "6"},
        {"cellwright-tool", "generate", "--class", "5", "--technique", "guessing"},
        {"cellwright-tool", "generate", "--class", "3", "--technique", "x_wing"},
        {"cellwright-tool", "generate", "--class", "5", "--technique", "pointing"},
        {"cellwright-tool", "generate", "--class", "2", "--count", "-1"},
        {"cellwright-tool", "generate", "--class", "2", "--count", "1.5"},
        {"cellwright-tool", "generate", "--class", "2", "--seed", "18446744073709551616"},
        {"cellwright-tool", "generate", "--class", "2", "--start", "-3"},
        {"cellwright-tool", "generate", "--class", "2", "--jobs", "0"},
        {"cellwright-tool", "generate", "--class", "2", "--format", "xml"},
        {"cellwright-tool", "generate", "--class", "2", "--shard", "4/4"},
        {"cellwright-tool", "generate", "--class", "2", "--shard", "1"},
    };
    for (const std::vector<const char*>& argv : command_lines) {
        std::string shown;
        for (const char* word : argv) {
            shown += std::string(" ") + word;
        }
        EXPECT_EQ(run_tool(static_cast<int>(argv.size()), argv.data()), 2) << shown;
    }
}

TEST(GenerateCommand, KeepsTheAskedHardestTechniqueAndCountsTheTechniquesMet) {
    GenerateOptions options = options_for(5, 2, 0, 1, GenerateFormat::json);
    options.hardest = Technique::xy_wing;
    options.stats = true;
    const Generated run = generate(options);
    EXPECT_EQ(run.status, 0) << run.errors;
    const std::vector<std::string> records = check::lines_of(run.out);
    ASSERT_EQ(records.size(), 2u) << run.out;
    for (const std::string& record : records) {
        EXPECT_NE(record.find("\"class\": 5, \"grade\": 12, \"score\": null"), std::string::npos)
            << record;
        EXPECT_NE(record.find("\"hardest\": \"xy_wing\", \"steps\": {\"box_hidden_single\": "),
                  std::string::npos)
            << record;
    }
    EXPECT_NE(run.errors.find("\nhardest techniques: xy_wing 2\n"), std::string::npos)
        << run.errors;
    EXPECT_NE(run.errors.find("\ntechniques met: box_hidden_single 2, "), std::string::npos)
        << run.errors;
}

// A consumer that blocks, like a slow pipe, lets the workers run a whole ring ahead of it:
// every problem must still come out exactly once, in order, and the run must end, also when
// the consumer stops it early.
TEST(GenerateProblems, BlockingReceiverGetsEveryProblemOnceInOrder) {
    constexpr std::uint64_t FIRST = 5;
    constexpr std::uint64_t COUNT = 120;  // more than two jobs' ring of 32 slots holds
    struct Receiver {
        std::uint64_t stop_at;  // the receiver says stop at this index
        std::vector<std::uint64_t> seen;
        std::vector<Grid> givens;
    };
    const auto receive = [](void* context, std::uint64_t index, const Problem& problem) {
        auto& receiver = *static_cast<Receiver*>(context);
        if (receiver.seen.size() % 40 == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        receiver.seen.push_back(index);
        receiver.givens.push_back(problem.givens);
        return index != receiver.stop_at;
    };
    for (const std::uint64_t stop_at : {FIRST + COUNT, FIRST + 50}) {
        const std::string name = stop_at == FIRST + COUNT ? "to the end" : "stopped";
        Receiver receiver{stop_at, {}, {}};
        std::promise<bool> result;
        std::future<bool> finished = result.get_future();
        std::thread([&] {
            result.set_value(generate_problems(3, FIRST, COUNT, 2, 2, receive, &receiver));
        }).detach();
        if (finished.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
            ADD_FAILURE() << name << ": the run never ended";
            std::_Exit(1);  // the generating thread still uses this frame
        }
        EXPECT_EQ(finished.get(), stop_at == FIRST + COUNT) << name;
        const std::uint64_t last = std::min(stop_at, FIRST + COUNT - 1);
        ASSERT_EQ(receiver.seen.size(), last - FIRST + 1) << name;
        for (std::size_t i = 0; i < receiver.seen.size(); i += 1) {
            EXPECT_EQ(receiver.seen[i], FIRST + i) << name;
            if (i % 10 == 0) {
                EXPECT_EQ(receiver.givens[i], generate_problem(3, FIRST + i, 2).value().givens)
                    << name << ": problem " << FIRST + i;
            }
        }
    }
}

TEST(ProgressBar, ShowsCountRateAndEstimate) {
    struct Case {
        std::uint64_t done;
        std::uint64_t total;
        double seconds;
        std::string expected;
    };
    const std::vector<Case> cases{
        {0, 10, 0.0, "[..............................]  0/10"},
        {5, 10, 2.5, "[###############...............]  5/10  2.0/s  ETA 0:03"},
        {10, 10, 4.0, "[##############################]  10/10  2.5/s  ETA 0:00"},
        {1, 10000, 2.0, "[..............................]  1/10000  0.5/s  ETA 5:33:18"},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(progress_text(test.done, test.total, test.seconds), test.expected)
            << test.done << " of " << test.total;
    }
}

}  // namespace
}  // namespace cellwright::tool
