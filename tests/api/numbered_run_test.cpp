// A numbered run on many threads: the problems generate_problem makes, in number order, for
// any number of threads; a receiver may stop it; shards cover a run exactly.

#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <cellwright/cellwright.hpp>

namespace cellwright {
namespace {

struct Received {
    std::uint64_t index = 0;
    std::string line;
};

std::string line_of(const Problem& problem) {
    return format_puzzle(problem.givens, PuzzleFormat::problem_line, problem.grade);
}

TEST(GenerateProblems, HandsOutTheNumberedProblemsInOrderOnAnyNumberOfThreads) {
    std::vector<Received> expected;
    for (std::uint64_t index = 3; index < 10; ++index) {
        expected.push_back({index, line_of(generate_problem(41, index, 2).value_or(Problem{}))});
    }
    for (const unsigned jobs : {0u, 1u, 2u, 3u, 5u, 100u}) {
        std::vector<Received> received;
        const bool completed =
            generate_problems(41, 3, 7, 2, jobs, [&](std::uint64_t index, const Problem& problem) {
                received.push_back({index, line_of(problem)});
                return true;
            });
        EXPECT_TRUE(completed) << jobs << " jobs";
        ASSERT_EQ(received.size(), expected.size()) << jobs << " jobs";
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(received[i].index, expected[i].index) << jobs << " jobs, problem " << i;
            EXPECT_EQ(received[i].line, expected[i].line) << jobs << " jobs, problem " << i;
        }
    }
}

TEST(GenerateProblems, StopsWhenTheReceiverSaysSoOrThrows) {
    for (const unsigned jobs : {1u, 2u}) {
        int calls = 0;
        EXPECT_FALSE(generate_problems(5, 0, 40, 1, jobs,
                                       [&](std::uint64_t, const Problem&) { return ++calls < 3; }))
            << jobs << " jobs";
        EXPECT_EQ(calls, 3) << jobs << " jobs";
        EXPECT_THROW(generate_problems(5, 0, 40, 1, jobs,
                                       [](std::uint64_t, const Problem&) -> bool {
                                           throw std::runtime_error("receiver failed");
                                       }),
                     std::runtime_error)
            << jobs << " jobs";
    }
}

TEST(GenerateProblems, RefusesAClassOutsideOneToFiveAndARangePastTwoToThe64) {
    struct Case {
        std::uint64_t first;
        std::uint64_t count;
        int difficulty_class;
    };
    const std::vector<Case> cases{{0, 2, 0}, {0, 2, 6}, {UINT64_MAX, 2, 1}, {2, UINT64_MAX, 1}};
    for (const Case& test : cases) {
        int calls = 0;
        EXPECT_FALSE(generate_problems(1, test.first, test.count, test.difficulty_class, 1,
                                       [&](std::uint64_t, const Problem&) { return ++calls; }))
            << test.first << " + " << test.count << ", class " << test.difficulty_class;
        EXPECT_EQ(calls, 0) << test.first << " + " << test.count;
    }
    EXPECT_TRUE(generate_problems(1, UINT64_MAX, 0, 1, 1, [](std::uint64_t, const Problem&) {
        return false;
    })) << "an empty run at the very end";
}

TEST(ShardRange, ShardsFollowEachOtherAndCoverTheRunExactly) {
    for (const std::uint64_t count :
         std::vector<std::uint64_t>{0, 1, 7, 30, 1000, UINT64_MAX - 5}) {
        for (const std::uint64_t shards : {1u, 2u, 3u, 8u, 31u}) {
            const std::uint64_t first = count > 1000 ? 5 : 17;
            const std::string name =
                std::to_string(count) + " problems in " + std::to_string(shards) + " shards";
            std::uint64_t next = first;
            std::uint64_t smallest = UINT64_MAX;
            std::uint64_t largest = 0;
            for (std::uint64_t shard = 0; shard < shards; ++shard) {
                const ProblemRange range = shard_range(first, count, shard, shards);
                EXPECT_EQ(range.first, next) << name << ", shard " << shard;
                // The borders move with `first` alone.
                EXPECT_EQ(shard_range(0, count, shard, shards).first, range.first - first)
                    << name << ", shard " << shard;
                next = range.first + range.count;
                smallest = std::min(smallest, range.count);
                largest = std::max(largest, range.count);
            }
            EXPECT_EQ(next - first, count) << name;
            EXPECT_LE(largest - smallest, 1u) << name;
            EXPECT_EQ(shard_range(first, count, shards, shards).count, 0u) << name;
        }
    }
}

}  // namespace
}  // namespace cellwright
