// The public calls that make problems: whole batches as the program writes them, numbered
// problems as `generate` writes them, and what every problem made so must show.

#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <cellwright/cellwright.hpp>

namespace cellwright {
namespace {

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string problem_line(const Problem& problem) {
    return format_puzzle(problem.givens, PuzzleFormat::problem_line, problem.grade);
}

bool same_counters(const LadderCounters& a, const LadderCounters& b) {
    return a.box_single_passes == b.box_single_passes &&
           a.locked_candidate_sweeps == b.locked_candidate_sweeps &&
           a.naked_single_scans == b.naked_single_scans &&
           a.line_single_passes == b.line_single_passes &&
           a.naked_pair_sweeps == b.naked_pair_sweeps &&
           a.naked_triple_sweeps == b.naked_triple_sweeps;
}

TEST(MakeBatch, ReproducesTheReferenceBatches) {
    for (int difficulty_class = 1; difficulty_class <= 3; ++difficulty_class) {
        const std::string name = "class " + std::to_string(difficulty_class);
        const std::string expected = read_file(std::string(CELLWRIGHT_TEST_DATA) + "/seed0_class" +
                                               std::to_string(difficulty_class) + ".dat");
        ASSERT_FALSE(expected.empty()) << name;
        const std::vector<Problem> batch = make_batch(0, difficulty_class);
        ASSERT_EQ(batch.size(), static_cast<std::size_t>(PROBLEMS_PER_BATCH)) << name;
        std::string text;
        for (const Problem& problem : batch) {
            text += problem_line(problem) + '\n';
        }
        EXPECT_EQ(text, expected) << name;

        // The batch goes on past its file as `cellwright-tool batch --count` does, and a copy
        // of a batch under way goes on alike.
        Batch stream = start_batch(0, difficulty_class);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(problem_line(next_batch_problem(stream).value_or(Problem{})),
                      problem_line(batch[static_cast<std::size_t>(i)]))
                << name << ", problem " << i;
        }
        Batch copy = stream;
        EXPECT_EQ(problem_line(next_batch_problem(copy).value_or(Problem{})),
                  problem_line(next_batch_problem(stream).value_or(Problem{})))
            << name << ": a copied batch";
    }
}

const std::string KNOWN_CLASS_3_SEED_7 =
    ".1........6...7.43..921.5...3....6....8.5.3....2....5...4.958..39.4...1........2.";

TEST(GenerateProblem, KnownProblem) {
    // The first line of `cellwright-tool generate --class 3 --seed 7 --format line`.
    const std::optional<Problem> problem = generate_problem(7, 0, 3);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(format_puzzle(problem->givens, PuzzleFormat::line), KNOWN_CLASS_3_SEED_7);
}

// Every problem, however made, is one the generator may make, graded as grade_puzzle grades
// it, with its one solution, and survives the trip through its text form.
TEST(GenerateProblem, EveryProblemKeepsTheGeneratorsPromises) {
    std::vector<Problem> problems;
    for (int difficulty_class = 1; difficulty_class <= 3; ++difficulty_class) {
        for (std::uint64_t index = 0; index < 8; ++index) {
            const std::optional<Problem> made = generate_problem(2026, index, difficulty_class);
            ASSERT_TRUE(made.has_value()) << "class " << difficulty_class << " index " << index;
            EXPECT_EQ(made->difficulty_class, difficulty_class) << "index " << index;
            problems.push_back(*made);
        }
        problems.push_back(make_batch(2026, difficulty_class).back());
    }
    for (const Problem& problem : problems) {
        const std::string line = problem_line(problem);
        EXPECT_EQ(class_of_grade(problem.grade), problem.difficulty_class) << line;
        EXPECT_TRUE(is_generated_given_count(count_givens(problem.givens))) << line;
        EXPECT_TRUE(is_half_turn_symmetric(problem.givens)) << line;
        EXPECT_GE(problem.fillings, problem.attempts) << line;
        EXPECT_GE(problem.attempts, 1u) << line;
        EXPECT_EQ(problem.counters.naked_pair_sweeps + problem.counters.naked_triple_sweeps, 0)
            << line;

        const SolutionCount count = count_solutions(problem.givens);
        EXPECT_EQ(count.count, 1) << line;
        EXPECT_EQ(count.solution, problem.solution) << line;

        const Grading grading = grade_puzzle(problem.givens);
        EXPECT_TRUE(grading.graded()) << line;
        EXPECT_EQ(grading.grade, problem.grade) << line;
        EXPECT_EQ(grading.score, problem.score) << line;
        EXPECT_TRUE(same_counters(grading.counters, problem.counters)) << line;
        EXPECT_EQ(grading.solution, problem.solution) << line;

        const ParsedPuzzle parsed = parse_puzzle(line);
        EXPECT_EQ(parsed.error, "") << line;
        EXPECT_EQ(parsed.givens, problem.givens) << line;
        EXPECT_EQ(parsed.grade, problem.grade) << line;
    }
}

TEST(GenerateProblem, DependsOnSeedAndIndexAloneOnAnyThread) {
    std::vector<std::string> alone;
    for (std::uint64_t index = 0; index < 6; ++index) {
        alone.push_back(problem_line(generate_problem(99, index, 2).value_or(Problem{})));
    }
    std::vector<std::string> together(alone.size());
    {
        std::vector<std::jthread> threads;
        for (std::size_t index = 0; index < alone.size(); ++index) {
            threads.emplace_back([&together, index] {
                together[index] = problem_line(generate_problem(99, index, 2).value_or(Problem{}));
            });
        }
    }
    EXPECT_EQ(together, alone);
    EXPECT_NE(alone[0], alone[1]) << "two indices";
    EXPECT_NE(problem_line(generate_problem(100, 0, 2).value_or(Problem{})), alone[0])
        << "two seeds";
}

TEST(GenerateProblem, GivesNothingForAClassOrKindThatNoProblemIs) {
    for (const int difficulty_class : {0, 6, -1, 1000}) {
        EXPECT_FALSE(generate_problem(1, 0, difficulty_class).has_value()) << difficulty_class;
    }
    const ProblemKind impossible[] = {{3, Technique::x_wing},
                                      {5, Technique::naked_single},
                                      {4, static_cast<Technique>(TECHNIQUE_COUNT)}};
    for (const ProblemKind& kind : impossible) {
        EXPECT_FALSE(generate_problem(1, 0, kind).has_value()) << kind.difficulty_class;
        EXPECT_FALSE(generate_problems(1, 0, 1, kind, 1, [](std::uint64_t, const Problem&) {
            return true;
        })) << kind.difficulty_class;
    }
    // Batches are the program's: classes 1..3 only.
    for (const int difficulty_class : {0, 4, -1, 1000}) {
        EXPECT_TRUE(make_batch(1, difficulty_class).empty()) << difficulty_class;
        Batch batch = start_batch(1, difficulty_class);
        EXPECT_FALSE(next_batch_problem(batch).has_value()) << difficulty_class;
    }
    // A batch whose random source start_batch did not make must not be read past its words.
    for (const std::uint32_t junk : {521u, 0xFFFFFFFFu}) {
        Batch batch = start_batch(1, 1);
        batch.random.fill(junk);
        EXPECT_FALSE(next_batch_problem(batch).has_value()) << "random source of " << junk;
    }
}

TEST(Version, IsTheProjectsOneVersion) {
    EXPECT_STREQ(version(), CELLWRIGHT_VERSION_STRING);
    EXPECT_STREQ(version(), CELLWRIGHT_PROJECT_VERSION);
}

}  // namespace
}  // namespace cellwright
